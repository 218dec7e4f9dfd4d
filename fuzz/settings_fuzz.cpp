// Any settings file: the choice read from it is valid and survives being written and read again.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "skinchoice/skin_settings.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const TSkinChoice choice = ParseSkinSettings(text);
  if (choice.kind == TSkinChoice::Kind::File && !IsSkinFileName(choice.file)) std::abort();
  if (choice.kind != TSkinChoice::Kind::File && !choice.file.empty()) std::abort();
  if (!(ParseSkinSettings(FormatSkinSettings(choice)) == choice)) std::abort();
  return 0;
}
