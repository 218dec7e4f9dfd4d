// Form description texts: any input parses or raises the general error; what parses writes
// out and parses again to the same tree.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "base/error.h"
#include "base/form_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  try {
    const TFormObject tree = ParseFormText(text);
    const std::string written = WriteFormText(tree);
    if (WriteFormText(ParseFormText(written)) != written) std::abort();
  } catch (const Exception&) {
  }
  return 0;
}
