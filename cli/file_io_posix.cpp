// The batch converter's file bits on POSIX systems: descriptors, rename over the target, fsync.
#include <fcntl.h>
#include <limits.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "cli/file_io.h"

namespace tessavia::cli {
namespace {

std::string Reason() { return std::strerror(errno); }

// The path an interrupt removes; a fixed buffer, since the handler may not allocate.
char interruptedPath[PATH_MAX + 64];

extern "C" void RemoveAndEnd(int signal) {
  if (interruptedPath[0]) unlink(interruptedPath);
  ::signal(signal, SIG_DFL);
  raise(signal);
}

}  // namespace

bool CloseDescriptor(int fd, std::string* reason) {
  if (close(fd) == 0) return true;
  if (reason) *reason = Reason();
  return false;
}

FileInfo Inspect(const std::string& path) {
  FileInfo info;
  struct stat st;
  if (stat(path.c_str(), &st) != 0) return info;
  info.exists = true;
  info.isDirectory = S_ISDIR(st.st_mode);
  info.isRegular = S_ISREG(st.st_mode);
  info.size = static_cast<uint64_t>(st.st_size);
  return info;
}

static bool OpenWith(int flags, const std::string& path, FileHandle* file, std::string* reason) {
  int fd = open(path.c_str(), flags);
  if (fd < 0) {
    *reason = Reason();
    return false;
  }
  *file = FileHandle(fd, true);
  return true;
}

bool OpenForReading(const std::string& path, FileHandle* file, std::string* reason) {
  return OpenWith(O_RDONLY | O_CLOEXEC, path, file, reason);
}

bool OpenForWriting(const std::string& path, FileHandle* file, std::string* reason) {
  return OpenWith(O_WRONLY | O_CLOEXEC, path, file, reason);
}

long long ReadSome(int fd, void* buffer, size_t n, std::string* reason) {
  for (;;) {
    ssize_t got = read(fd, buffer, n);
    if (got >= 0) return got;
    if (errno == EINTR) continue;
    *reason = Reason();
    return -1;
  }
}

bool WriteAll(int fd, const void* data, size_t n, std::string* reason) {
  const char* p = static_cast<const char*>(data);
  while (n > 0) {
    ssize_t put = write(fd, p, n);
    if (put < 0) {
      if (errno == EINTR) continue;
      *reason = Reason();
      return false;
    }
    p += put;
    n -= static_cast<size_t>(put);
  }
  return true;
}

bool CreateBeside(const std::string& target, FileHandle* file, std::string* path, std::string* reason) {
  size_t slash = target.rfind('/');
  std::string folder = slash == std::string::npos ? "" : target.substr(0, slash + 1);
  std::string name = slash == std::string::npos ? target : target.substr(slash + 1);
  for (int attempt = 0; attempt < 100; ++attempt) {
    std::string candidate = folder + "." + name + ".tessavia-" + std::to_string(getpid()) + "-" +
                            std::to_string(attempt) + ".tmp";
    // 0666 less the umask, as for any new file; an existing target's own mode is copied later.
    int fd = open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
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

void CopyPermissions(const std::string& from, int fd) {
  struct stat st;
  if (stat(from.c_str(), &st) == 0) fchmod(fd, st.st_mode & 07777);
}

bool FlushToDisk(int fd, std::string* reason) {
  if (fsync(fd) == 0 || errno == EINVAL) return true;  // EINVAL: a file that cannot be synced
  *reason = Reason();
  return false;
}

bool MoveOver(const std::string& from, const std::string& to, std::string* reason) {
  if (rename(from.c_str(), to.c_str()) == 0) return true;
  *reason = Reason();
  return false;
}

void RemoveFile(const std::string& path) { unlink(path.c_str()); }

std::string ResolveTarget(const std::string& path) {
  char resolved[PATH_MAX];
  struct stat st;
  if (lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode) && realpath(path.c_str(), resolved)) return resolved;
  return path;
}

bool IsTerminal(int fd) { return isatty(fd) == 1; }

void UseBinaryStandardStreams() {}

void RemoveOnInterrupt(const std::string& path, int) {
  if (path.size() >= sizeof interruptedPath) return;
  std::memcpy(interruptedPath, path.c_str(), path.size() + 1);
  signal(SIGINT, RemoveAndEnd);
  signal(SIGTERM, RemoveAndEnd);
  signal(SIGHUP, RemoveAndEnd);
}

void ClearRemoveOnInterrupt() {
  signal(SIGINT, SIG_DFL);
  signal(SIGTERM, SIG_DFL);
  signal(SIGHUP, SIG_DFL);
  interruptedPath[0] = '\0';
}

}  // namespace tessavia::cli
