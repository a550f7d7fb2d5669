// Files and settings: whole files in and out as byte sets, the current directory, one INI value.
#pragma once

#include <cstdint>
#include <initializer_list>

#include "runtime/text_values.h"

namespace tessavia {

// The whole file as a new ByteSet, or null: for an empty path, a file that is missing, a folder,
// empty, 2 GiB or larger, unreadable, or held open for writing by anyone. Others may go on reading
// it while it is read.
ByteSet ReadFileBytes(const char* path);

// Writes the byte sets one after the other as the file's whole content and returns 1, or 0. The
// existing file is replaced only once every byte is on disk, so a failure leaves it as it was.
// 0 without touching anything for an empty path, a missing folder, an invalid name, a read-only,
// hidden or system file, a folder, or a file that anyone holds open.
int32_t WriteFileBytes(const char* path, std::initializer_list<const ByteSetHeader*> sets);
template <typename... More>
int32_t WriteFileBytes(const char* path, const ByteSetHeader* first, More... more) {
  return WriteFileBytes(path, {first, more...});
}

// The process's current directory, without a trailing separator except at a drive's root ("C:\");
// null when the platform cannot give it.
Text GetCurrentDir();

// The value of key in section of an INI settings file, or defaultValue when the file, the section
// or the key is missing; null when that is empty, and null without reading anything when the file
// name, section or key is empty once its leading spaces and control bytes are skipped.
Text ReadIniValue(const char* fileName, const char* section, const char* key,
                  const char* defaultValue = EmptyText);

}  // namespace tessavia
