// The file-level platform bits of the batch converter: one interface, a POSIX and a Windows form.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace tessavia::cli {

// Closes a descriptor; false with the system's reason (if reason is given) when that fails.
bool CloseDescriptor(int fd, std::string* reason);

// An open file descriptor that closes itself unless it is one of the standard streams.
class FileHandle {
 public:
  FileHandle() = default;
  FileHandle(int fd, bool owned) : fd_(fd), owned_(owned) {}
  FileHandle(FileHandle&& other) noexcept : fd_(other.fd_), owned_(other.owned_) { other.fd_ = -1; }
  FileHandle& operator=(FileHandle&& other) noexcept {
    if (this != &other) {
      Close(nullptr);
      fd_ = other.fd_;
      owned_ = other.owned_;
      other.fd_ = -1;
    }
    return *this;
  }
  FileHandle(const FileHandle&) = delete;
  FileHandle& operator=(const FileHandle&) = delete;
  ~FileHandle() { Close(nullptr); }

  int fd() const { return fd_; }
  bool IsOpen() const { return fd_ >= 0; }
  // Closes an owned descriptor; false with the reason when closing reports an error.
  bool Close(std::string* reason) {
    int fd = fd_;
    fd_ = -1;
    return fd < 0 || !owned_ || CloseDescriptor(fd, reason);
  }

 private:
  int fd_ = -1;
  bool owned_ = false;
};

struct FileInfo {
  bool exists = false;
  bool isDirectory = false;
  bool isRegular = false;
  uint64_t size = 0;
};
FileInfo Inspect(const std::string& path);

// Each returns false (or -1) and sets reason, the system's words for the failure, when it fails.
bool OpenForReading(const std::string& path, FileHandle* file, std::string* reason);
// Opens an existing file that is no regular one (a device, a pipe) for writing as it is.
bool OpenForWriting(const std::string& path, FileHandle* file, std::string* reason);
// Reads up to n bytes: the count, 0 at the end of the input, -1 on failure.
long long ReadSome(int fd, void* buffer, size_t n, std::string* reason);
bool WriteAll(int fd, const void* data, size_t n, std::string* reason);
// Creates a new empty file, with a name no file has yet, in the folder of target.
bool CreateBeside(const std::string& target, FileHandle* file, std::string* path, std::string* reason);
// Gives a new file the permissions of the file it is about to replace.
void CopyPermissions(const std::string& from, int fd);
// Makes sure that what was written has reached the disk.
bool FlushToDisk(int fd, std::string* reason);
// Puts the file at from in the place of to in one step, replacing to if it exists.
bool MoveOver(const std::string& from, const std::string& to, std::string* reason);
void RemoveFile(const std::string& path);
// The file that writing to path should replace: a symbolic link is followed, so the link stays.
std::string ResolveTarget(const std::string& path);

bool IsTerminal(int fd);
// Standard input and output carry bytes: no line-end or end-of-file translation.
void UseBinaryStandardStreams();
// While a file is being written beside its target, an interrupt removes it before the process ends.
void RemoveOnInterrupt(const std::string& path, int fd);
void ClearRemoveOnInterrupt();

}  // namespace tessavia::cli
