// The command-line tool. Its lookup line is the window's result line; unlike the window
// it goes on after a failing input and reports it on standard error.
#include "cli/cli.h"

#include <istream>
#include <memory>
#include <ostream>

#include "base/codec.h"
#include "base/csv.h"
#include "base/error.h"
#include "base/resolver.h"
#include "ipdb/qqwry.h"

namespace {

constexpr const char* kUsage =
    "usage: corvana lookup [--db FILE] [--gbk] [ADDRESS|HOST ...]\n"
    "       corvana info [--db FILE] [--gbk]\n"
    "       corvana dump [--db FILE]\n"
    "Without operands, lookup reads one address or host name per line from standard input.\n"
    "The database defaults to QQWry.Dat in the current directory.\n";

struct Options {
  std::string command;
  std::string database = "QQWry.Dat";
  bool gbk = false;
  std::vector<std::string> operands;
};

bool ParseOptions(const std::vector<std::string>& args, Options& options, std::ostream& err) {
  if (args.empty()) return false;
  options.command = args[0];
  for (size_t i = 1; i < args.size(); ++i) {
    if (args[i] == "--db") {
      if (i + 1 >= args.size()) {
        err << "corvana: --db needs a file name\n";
        return false;
      }
      options.database = args[++i];
    } else if (args[i] == "--gbk") {
      options.gbk = true;
    } else if (args[i].size() > 2 && args[i].compare(0, 2, "--") == 0) {
      err << "corvana: unknown option " << args[i] << "\n";
      return false;
    } else {
      options.operands.push_back(args[i]);
    }
  }
  return options.command == "lookup" || options.command == "info" || options.command == "dump";
}

// Text in UTF-8 (the program's own texts) written in the chosen encoding.
class Writer {
public:
  Writer(std::ostream& out, bool gbk) : FOut(out), FGbk(gbk) {}
  void Line(const std::string& utf8) { FOut << (FGbk ? Utf8ToGbk(utf8) : utf8) << "\n"; }

private:
  std::ostream& FOut;
  bool FGbk;
};

// Digits and dots only: an address typed as such, looked up without asking the resolver
// (so odd forms such as 1.2.3.256 never turn into name queries).
bool LooksLikeAddress(const std::string& text) {
  if (text.empty()) return false;
  for (const char c : text) {
    if (!(c >= '0' && c <= '9') && c != '.') return false;
  }
  return true;
}

// Opens the database, or says why not; null then.
std::unique_ptr<TQQWry> OpenDatabase(const Options& options, std::ostream& err) {
  try {
    return std::make_unique<TQQWry>(options.database);
  } catch (const Exception& e) {
    err << "corvana: " << e.Message() << "\n";
    return nullptr;
  }
}

int Lookup(const Options& options, std::istream& in, std::ostream& out, std::ostream& err) {
  std::unique_ptr<TQQWry> reader = OpenDatabase(options, err);
  if (!reader) return 2;
  Writer writer(out, options.gbk);
  bool failed = false;
  auto one = [&](std::string input) {
    try {
      if (!reader->IsOpen()) reader = std::make_unique<TQQWry>(options.database);
      const std::string address = LooksLikeAddress(input) ? input : ResolveHost(input);
      TStringList fields;
      reader->GetFields(fields, reader->FindRecord(address));
      writer.Line("IP:" + GbkToUtf8(fields[1]) + " 国家:" + GbkToUtf8(fields[2]) + " 地区:" + GbkToUtf8(fields[3]));
    } catch (const Exception& e) {
      failed = true;
      out.flush();
      err << input << ": " << e.Message() << "\n";
    }
  };
  if (options.operands.empty()) {
    std::string line;
    while (std::getline(in, line)) {
      if (!line.empty() && line.back() == '\r') line.pop_back();
      one(line);
    }
  } else {
    for (const std::string& operand : options.operands) one(operand);
  }
  return failed ? 1 : 0;
}

int Info(const Options& options, std::ostream& out, std::ostream& err) {
  Writer writer(out, options.gbk);
  std::unique_ptr<TQQWry> reader = OpenDatabase(options, err);
  if (!reader) return 2;
  try {
    writer.Line(FormatText("文件大小：%lld字节", static_cast<long long>(reader->FileSize())));
    writer.Line(FormatText("记录总数：%lld条", static_cast<long long>(reader->RecordCount())));
    const TDate date = reader->ReleaseDate();
    writer.Line("更新日期：" + FormatText("%d年%d月%d日", date.Year, date.Month, date.Day));
    writer.Line("数据库版本：" + GbkToUtf8(reader->DatabaseVersion()));
  } catch (const Exception& e) {
    out.flush();
    err << "corvana: " << e.Message() << "\n";
    return 1;
  }
  return 0;
}

int Dump(const Options& options, std::ostream& out, std::ostream& err) {
  try {
    TQQWry reader(options.database);
    for (std::int64_t r = 1; r <= reader.RecordCount(); ++r) {
      const TRawRecord record = reader.ReadRecord(r);
      out << CsvLine({DottedAddress(record.StartAddress), DottedAddress(record.EndAddress),
                      GbkToUtf8(record.Country), GbkToUtf8(record.Area)})
          << "\n";
    }
  } catch (const Exception& e) {
    out.flush();
    err << "corvana: " << e.Message() << "\n";
    return 2;
  }
  return 0;
}

}  // namespace

int RunCli(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err) {
  Options options;
  if (!ParseOptions(args, options, err)) {
    err << kUsage;
    return 2;
  }
  if (options.command == "lookup") return Lookup(options, in, out, err);
  if (options.command == "info") return Info(options, out, err);
  return Dump(options, out, err);
}
