// The BIG5 pass: every BIG5 pair replaced by its GBK entry in Big5ToGbkTable.
#include <cstring>

#include "convert/conversion.h"
#include "convert/table_pass.h"

namespace tessavia {

size_t Big5PassSpan(unsigned char* bytes, size_t n) { return TablePassSpan(bytes, n, Big5ToGbkPairs); }

void Big5Pass(char* text) { Big5PassSpan(reinterpret_cast<unsigned char*>(text), std::strlen(text)); }

}  // namespace tessavia
