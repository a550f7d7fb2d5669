// Files and settings on Windows: the wide-character file calls with GBK paths turned through code
// page 936, so that Chinese names work the same whatever the system's ANSI code page is.
#include <windows.h>

#include <cstring>
#include <memory>
#include <new>
#include <string>

#include "runtime/files.h"
#include "runtime/gbk_wide.h"
#include "runtime/ini_format.h"

namespace tessavia {
namespace {

// Owns a file handle; Close reports whether the handle was closed cleanly.
class FileHandle {
 public:
  explicit FileHandle(HANDLE handle) : handle_(handle) {}
  FileHandle(const FileHandle&) = delete;
  FileHandle& operator=(const FileHandle&) = delete;
  ~FileHandle() { Close(); }
  bool IsOpen() const { return handle_ != INVALID_HANDLE_VALUE; }
  HANDLE Get() const { return handle_; }
  bool Close() {
    if (!IsOpen()) return true;
    const bool closed = CloseHandle(handle_) != 0;
    handle_ = INVALID_HANDLE_VALUE;
    return closed;
  }

 private:
  HANDLE handle_;
};

// The largest file whose bytes and header fit one block of the value heap.
constexpr LONGLONG kMaxFileBytes = INT32_MAX - static_cast<LONGLONG>(sizeof(ByteSetHeader));

// Reads a whole existing file opened with the given sharing; false when it cannot be had. An empty
// file gives true and no bytes.
bool ReadWholeFile(const std::wstring& path, DWORD share, std::string& bytes) {
  FileHandle file(
      CreateFileW(path.c_str(), GENERIC_READ, share, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  LARGE_INTEGER size;
  if (!file.IsOpen() || !GetFileSizeEx(file.Get(), &size) || size.QuadPart > kMaxFileBytes) return false;
  // A working buffer that may be refused without ending the program.
  std::unique_ptr<char[]> buffer(new (std::nothrow) char[static_cast<size_t>(size.QuadPart) + 1]);
  DWORD got = 0;
  if (!buffer || !ReadFile(file.Get(), buffer.get(), static_cast<DWORD>(size.QuadPart), &got, nullptr))
    return false;
  // A file that shrank since it was measured gives what arrived.
  bytes.assign(buffer.get(), got);
  return true;
}

std::wstring FolderOf(const std::wstring& path) {
  DWORD n = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
  if (n == 0) return {};
  std::wstring full(n, L'\0');
  n = GetFullPathNameW(path.c_str(), n, full.data(), nullptr);
  full.resize(n);
  const size_t slash = full.find_last_of(L"\\/");
  return slash == std::wstring::npos ? std::wstring() : full.substr(0, slash + 1);
}

// Creates a new, unshared file with a name of its own in folder.
HANDLE CreateScratchFile(const std::wstring& folder, std::wstring& name) {
  static unsigned counter = 0;
  for (int attempt = 0; attempt < 100; ++attempt) {
    wchar_t unique[32];
    swprintf(unique, 32, L"~tessavia-%lx-%x.tmp", GetCurrentProcessId(), GetTickCount() + ++counter);
    name = folder + unique;
    HANDLE file =
        CreateFileW(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE || GetLastError() != ERROR_FILE_EXISTS) return file;
  }
  return INVALID_HANDLE_VALUE;
}

bool WriteAll(HANDLE file, const ByteSetHeader* bytes) {
  if (!bytes || bytes->length <= 0) return true;
  DWORD written = 0;
  return WriteFile(file, ByteSetData(bytes), static_cast<DWORD>(bytes->length), &written, nullptr) &&
         written == static_cast<DWORD>(bytes->length);
}

// An existing target must be one that a write without any sharing could open and cut: not a
// folder, not read-only, hidden or system (which creating over it refuses), and held open by nobody.
bool CanReplace(const std::wstring& target) {
  const DWORD attributes = GetFileAttributesW(target.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return true;  // a new file; its name is tried by the move
  if (attributes &
      (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) {
    return false;
  }
  FileHandle probe(
      CreateFileW(target.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  return probe.IsOpen();
}

// Skips the leading spaces and control bytes (0x01..0x20) of a text.
const char* SkipLeadingBlanks(const char* text) {
  while (text && *text >= 0x01 && *text <= 0x20) ++text;
  return text;
}

// The settings file's text as GBK: the platform reader takes a file with a UTF-8 or UTF-16 byte
// order mark as Unicode and any other as the system's code page; the program's own is GBK.
std::string SettingsTextAsGbk(const std::string& bytes) {
  if (bytes.compare(0, 3, "\xEF\xBB\xBF") == 0) {
    const int n =
        MultiByteToWideChar(CP_UTF8, 0, bytes.data() + 3, static_cast<int>(bytes.size() - 3), nullptr, 0);
    std::wstring wide(static_cast<size_t>(n), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, bytes.data() + 3, static_cast<int>(bytes.size() - 3), wide.data(), n);
    return WideToGbk(wide);
  }
  if (bytes.size() >= 2 && (bytes.compare(0, 2, "\xFF\xFE") == 0 || bytes.compare(0, 2, "\xFE\xFF") == 0)) {
    const bool bigEndian = bytes[0] == '\xFE';
    std::wstring wide((bytes.size() - 2) / 2, L'\0');
    for (size_t i = 0; i < wide.size(); ++i) {
      const auto first = static_cast<unsigned char>(bytes[2 + 2 * i]);
      const auto second = static_cast<unsigned char>(bytes[3 + 2 * i]);
      wide[i] = static_cast<wchar_t>(bigEndian ? first << 8 | second : second << 8 | first);
    }
    return WideToGbk(wide);
  }
  return bytes;
}

}  // namespace

ByteSet ReadFileBytes(const char* path) {
  if (!path || !*path) return nullptr;
  // Others may read along, but a file that anyone holds open for writing is refused.
  std::string bytes;
  if (!ReadWholeFile(GbkToWide(path), FILE_SHARE_READ, bytes) || bytes.empty()) return nullptr;
  return MakeByteSet(bytes.data(), static_cast<int32_t>(bytes.size()));
}

int32_t WriteFileBytes(const char* path, std::initializer_list<const ByteSetHeader*> sets) {
  if (!path || !*path) return 0;
  const std::wstring target = GbkToWide(path);
  if (!CanReplace(target)) return 0;
  // The new bytes go to a scratch file beside the target, reach the disk, and only then take the
  // target's name in one rename: until that moment the old file is whole, and after it the new one.
  // The scratch file shares its folder so that the rename never has to copy between volumes.
  std::wstring scratch;
  FileHandle file(CreateScratchFile(FolderOf(target), scratch));
  if (!file.IsOpen()) return 0;  // missing folder, or one that cannot be written
  bool written = true;
  for (const ByteSetHeader* bytes : sets) {
    if (!(written = WriteAll(file.Get(), bytes))) break;
  }
  written = written && FlushFileBuffers(file.Get());
  written = file.Close() && written;
  if (!written ||
      !MoveFileExW(scratch.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    DeleteFileW(scratch.c_str());
    return 0;
  }
  return 1;
}

Text GetCurrentDir() {
  // Asked for its size first, so that a directory of any length comes back whole.
  DWORD n = GetCurrentDirectoryW(0, nullptr);
  std::wstring directory(n, L'\0');
  n = n ? GetCurrentDirectoryW(n, directory.data()) : 0;
  if (n == 0 || n >= directory.size()) return nullptr;
  directory.resize(n);
  const std::string gbk = WideToGbk(directory);
  return MakeText(gbk.data(), static_cast<int32_t>(gbk.size()));
}

Text ReadIniValue(const char* fileName, const char* section, const char* key, const char* defaultValue) {
  fileName = SkipLeadingBlanks(fileName);
  section = SkipLeadingBlanks(section);
  key = SkipLeadingBlanks(key);
  if (!fileName || !*fileName || !section || !*section || !key || !*key) return nullptr;
  // Read here rather than by GetPrivateProfileStringW, which takes a file without a byte order mark
  // in the system's ANSI code page: on an English system GBK names and values would not survive.
  // Shared as the platform reader shares it; a file that cannot be read counts as missing.
  std::string bytes;
  if (!ReadWholeFile(GbkToWide(fileName), FILE_SHARE_READ | FILE_SHARE_WRITE, bytes)) bytes.clear();
  const std::string value = LookUpIniValue(SettingsTextAsGbk(bytes), section, key, OrEmpty(defaultValue));
  return MakeText(value.data(), static_cast<int32_t>(value.size()));
}

}  // namespace tessavia
