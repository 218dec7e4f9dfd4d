// Writes the starting corpus of the database fuzz target: small databases in every form.
#include <fstream>
#include <string>

#include "base/codec.h"
#include "qqwry_writer.h"

namespace {

void Save(const std::string& dir, const std::string& name, const std::vector<std::uint8_t>& bytes) {
  std::ofstream out(dir + "/" + name, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) return 2;
  const std::string dir = argv[1];
  const auto g = [](const char* s) { return Utf8ToGbk(s); };
  Save(dir, "shared", BuildDatabase({{0x01000000, 0x010000FF, g("中国"), g("电信")},
                                     {0x01000100, 0x010001FF, g("中国"), g("联通")},
                                     {0x01000200, 0x010002FF, g("中国"), g("电信")},
                                     {0x01000300, 0x010003FF, g("中国"), g("联通")},
                                     {0x01000400, 0x010004FF, g("日本"), g("未知地区")},
                                     {0xFFFFFF00, 0xFFFFFFFF, g("示例网络"), g("2010年5月20日IP数据")}}));
  Save(dir, "single", BuildDatabase({{0, 0xFFFFFFFF, "x", ""}}));
  TQQWryWriter w;
  const std::uint32_t country = w.PutString("c");
  const std::uint32_t location = w.LocationCountryElsewhere(country, TAreaForm::Redirect(0, 1));
  w.AddIndexEntry(5, w.RecordLocationElsewhere(9, location));
  w.AddIndexEntry(10, w.RecordCountryElsewhere(20, country, TAreaForm::Redirect(country, 2)));
  Save(dir, "forms", w.Finish());
  return 0;
}
