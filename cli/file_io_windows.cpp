// The batch converter's file bits on Windows: CRT descriptors in binary mode, MoveFileEx over the target.
#include <windows.h>

#include <fcntl.h>
#include <io.h>
#include <signal.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "cli/file_io.h"

namespace tessavia::cli {
namespace {

std::string Reason() { return std::strerror(errno); }

std::string SystemReason(DWORD error) {
  char text[512];
  DWORD n = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error, 0, text,
                           sizeof text, nullptr);
  while (n > 0 && (text[n - 1] == '\r' || text[n - 1] == '\n' || text[n - 1] == '.')) --n;
  return n ? std::string(text, n) : "system error " + std::to_string(error);
}

// What an interrupt removes; fixed storage, since the handler may not allocate.
char interruptedPath[MAX_PATH * 2];
volatile int interruptedFd = -1;

// The C runtime runs this on a thread of its own: close the half-written file, remove it, end.
extern "C" void RemoveAndEnd(int) {
  if (interruptedFd >= 0) _close(interruptedFd);
  if (interruptedPath[0]) DeleteFileA(interruptedPath);
  _exit(130);
}

}  // namespace

bool CloseDescriptor(int fd, std::string* reason) {
  if (_close(fd) == 0) return true;
  if (reason) *reason = Reason();
  return false;
}

FileInfo Inspect(const std::string& path) {
  FileInfo info;
  struct _stat64 st;
  if (_stat64(path.c_str(), &st) != 0) return info;
  info.exists = true;
  info.isDirectory = (st.st_mode & _S_IFMT) == _S_IFDIR;
  info.isRegular = (st.st_mode & _S_IFMT) == _S_IFREG;
  info.size = static_cast<uint64_t>(st.st_size);
  return info;
}

static bool OpenWith(int flags, const std::string& path, FileHandle* file, std::string* reason) {
  int fd = _open(path.c_str(), flags);
  if (fd < 0) {
    *reason = Reason();
    return false;
  }
  *file = FileHandle(fd, true);
  return true;
}

bool OpenForReading(const std::string& path, FileHandle* file, std::string* reason) {
  return OpenWith(_O_RDONLY | _O_BINARY | _O_NOINHERIT, path, file, reason);
}

bool OpenForWriting(const std::string& path, FileHandle* file, std::string* reason) {
  return OpenWith(_O_WRONLY | _O_BINARY | _O_NOINHERIT, path, file, reason);
}

long long ReadSome(int fd, void* buffer, size_t n, std::string* reason) {
  int got = _read(fd, buffer, static_cast<unsigned>(n));
  if (got >= 0) return got;
  *reason = Reason();
  return -1;
}

bool WriteAll(int fd, const void* data, size_t n, std::string* reason) {
  const char* p = static_cast<const char*>(data);
  while (n > 0) {
    int put = _write(fd, p, static_cast<unsigned>(n));
    if (put <= 0) {
      *reason = put < 0 ? Reason() : std::strerror(ENOSPC);
      return false;
    }
    p += put;
    n -= static_cast<size_t>(put);
  }
  return true;
}

bool CreateBeside(const std::string& target, FileHandle* file, std::string* path, std::string* reason) {
  size_t slash = target.find_last_of("/\\:");
  std::string folder = slash == std::string::npos ? "" : target.substr(0, slash + 1);
  std::string name = slash == std::string::npos ? target : target.substr(slash + 1);
  for (int attempt = 0; attempt < 100; ++attempt) {
    std::string candidate = folder + "." + name + ".tessavia-" + std::to_string(GetCurrentProcessId()) + "-" +
                            std::to_string(attempt) + ".tmp";
    int fd = _open(candidate.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY | _O_NOINHERIT,
                   _S_IREAD | _S_IWRITE);
    if (fd >= 0) {
      *file = FileHandle(fd, true);
      *path = candidate;
      return true;
    }
    if (errno != EEXIST) break;
  }
  *reason = Reason();
  return false;
}

void CopyPermissions(const std::string&, int) {}

bool FlushToDisk(int fd, std::string* reason) {
  if (_commit(fd) == 0) return true;
  *reason = Reason();
  return false;
}

bool MoveOver(const std::string& from, const std::string& to, std::string* reason) {
  if (MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) return true;
  *reason = SystemReason(GetLastError());
  return false;
}

void RemoveFile(const std::string& path) { DeleteFileA(path.c_str()); }

std::string ResolveTarget(const std::string& path) { return path; }

bool IsTerminal(int fd) { return _isatty(fd) != 0; }

void UseBinaryStandardStreams() {
  _setmode(0, _O_BINARY);
  _setmode(1, _O_BINARY);
}

void RemoveOnInterrupt(const std::string& path, int fd) {
  if (path.size() >= sizeof interruptedPath) return;
  std::memcpy(interruptedPath, path.c_str(), path.size() + 1);
  interruptedFd = fd;
  signal(SIGINT, RemoveAndEnd);
  signal(SIGBREAK, RemoveAndEnd);
}

void ClearRemoveOnInterrupt() {
  signal(SIGINT, SIG_DFL);
  signal(SIGBREAK, SIG_DFL);
  interruptedPath[0] = '\0';
  interruptedFd = -1;
}

}  // namespace tessavia::cli
