// Realistic GBK text for the benchmarks: Chinese prose with ASCII words, punctuation and line breaks.
#pragma once

#include <cstddef>
#include <string>

namespace tessavia::bench {

// n bytes of the same deterministic text on every run: mostly GB2312 characters, about one in
// eight a Traditional character from the GBK extension areas, an ASCII word or number now and
// then, full-width punctuation, and CR LF about every 60 characters.
std::string SampleText(size_t n);

}  // namespace tessavia::bench
