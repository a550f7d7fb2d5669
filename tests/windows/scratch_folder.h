// A fresh folder with a Chinese name for one test, and plain helpers to put and look at files in it.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "runtime/gbk_wide.h"

namespace tessavia::testing {

// Made under the system's temporary folder and removed with everything in it afterwards. Paths are
// GBK, as the program's texts are.
class ScratchFolder {
 public:
  ScratchFolder() {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    static int serial = 0;
    wide_ = std::wstring(temp) + L"tessavia-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
            std::to_wstring(++serial) + L"-" + GbkToWide("临时文件夹");
    CreateDirectoryW(wide_.c_str(), nullptr);
    path_ = WideToGbk(wide_);
  }
  ~ScratchFolder() { RemoveTree(wide_); }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  const std::string& Path() const { return path_; }
  // The GBK path of a name inside the folder.
  std::string operator/(const std::string& name) const { return path_ + "\\" + name; }

  // The names in the folder, sorted by the platform.
  std::vector<std::string> Names() const {
    std::vector<std::string> names;
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((wide_ + L"\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
      const std::wstring name = found.cFileName;
      if (name != L"." && name != L"..") names.push_back(WideToGbk(name));
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return names;
  }

 private:
  static void RemoveTree(const std::wstring& folder) {
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
      do {
        const std::wstring name = found.cFileName;
        if (name == L"." || name == L"..") continue;
        const std::wstring path = folder + L"\\" + name;
        SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
          RemoveTree(path);
        } else {
          DeleteFileW(path.c_str());
        }
      } while (FindNextFileW(search, &found));
      FindClose(search);
    }
    RemoveDirectoryW(folder.c_str());
  }

  std::wstring wide_;
  std::string path_;
};

// Writes bytes to a GBK path directly through the platform; true when it worked.
inline bool PutFile(const std::string& path, const std::string& bytes) {
  HANDLE file = CreateFileW(GbkToWide(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  const bool ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
                  written == bytes.size();
  return CloseHandle(file) && ok;
}

// The whole content of a file, or "<missing>" when it cannot be opened.
inline std::string FileContent(const std::string& path) {
  HANDLE file = CreateFileW(GbkToWide(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                            nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return "<missing>";
  std::string bytes;
  char chunk[4096];
  DWORD got = 0;
  while (ReadFile(file, chunk, sizeof chunk, &got, nullptr) && got > 0) bytes.append(chunk, got);
  CloseHandle(file);
  return bytes;
}

}  // namespace tessavia::testing
