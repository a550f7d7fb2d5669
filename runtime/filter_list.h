// The file dialog's filter list, built from a "description|pattern|..." text.
#pragma once

#include <string>
#include <string_view>

namespace tessavia {

// The platform's list of NUL-separated description and pattern strings ended by two NULs, or an
// empty string when the filter holds nothing but white space.
std::string BuildFilterList(std::string_view filter);

}  // namespace tessavia
