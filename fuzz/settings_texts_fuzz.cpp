// Fuzz target for the byte parsers of files and dialogs: an INI lookup and a dialog filter list
// built from arbitrary bytes, with the limits that their callers rely on checked.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "runtime/filter_list.h"
#include "runtime/ini_format.h"

namespace {

using namespace tessavia;

void Check(bool holds, const char* what) {
  if (!holds) {
    std::fprintf(stderr, "settings texts: %s\n", what);
    std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > (1 << 20)) return 0;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);

  // The first two bytes give the lengths of a section and a key taken from the end; the rest is the file.
  if (size >= 2) {
    std::string_view rest = bytes.substr(2);
    const size_t sectionLength = std::min<size_t>(data[0] % 16, rest.size());
    const std::string_view section = rest.substr(rest.size() - sectionLength);
    rest.remove_suffix(sectionLength);
    const size_t keyLength = std::min<size_t>(data[1] % 16, rest.size());
    const std::string_view key = rest.substr(rest.size() - keyLength);
    rest.remove_suffix(keyLength);
    const std::string value = LookUpIniValue(rest, section, key, "default");
    Check(value.size() < kIniValueBufferBytes, "a value longer than the buffer");
  }

  const std::string list = BuildFilterList(bytes);
  if (!list.empty()) {
    Check(list.size() >= 2 && list[list.size() - 1] == '\0' && list[list.size() - 2] == '\0',
          "a filter list not ended by two NULs");
    Check(list.size() <= size + 2, "a filter list longer than its filter and the appended pair");
  }
  return 0;
}
