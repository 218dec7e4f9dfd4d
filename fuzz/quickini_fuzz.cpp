// Any description text: loading and every kind of query answer without fault.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "base/stream.h"
#include "skin/file/quick_ini.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
  TMemoryStream stream(std::span<const std::uint8_t>(data, size));
  TQuickIni ini;
  ini.LoadFromStream(&stream);
  TStringList sections;
  ini.GetSections(&sections);
  // Queries use the texts the description itself holds; a few of each keep a run short.
  const int sectionCount = std::min(sections.Count(), 16);
  const int lineCount = std::min(ini.Lines().Count(), 32);
  for (int s = 0; s < sectionCount; ++s) {
    if (ini.SectionIndex(sections[s]) < -1) std::abort();
    for (int l = 0; l < lineCount; ++l) {
      const std::string& line = ini.Lines()[l];
      const std::string key = line.substr(0, line.find('='));
      ini.ReadString(sections[s], key, "default");
      ini.ReadInteger(sections[s], key, -7);
    }
  }
  ini.ReadInteger("Buttons", "Frame", 0);
  ini.ReadString("", "", "");
  return 0;
}
