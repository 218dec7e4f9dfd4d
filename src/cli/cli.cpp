// The command-line tool: options, and the info command (lookup and dump have their own files).
#include "cli/cli.h"

#include <istream>
#include <memory>
#include <ostream>

#include "base/codec.h"
#include "base/error.h"
#include "cli/dump.h"
#include "cli/lookup.h"
#include "ipdb/qqwry.h"

namespace {

constexpr const char* kUsage =
    "usage: corvana lookup [--db FILE] [--gbk] [--format text|csv|json] [--jobs N] [ADDRESS|HOST ...]\n"
    "       corvana info [--db FILE] [--gbk]\n"
    "       corvana dump [--db FILE] [--format csv|cidr|jsonl] [--numeric] [--header] [--all]\n"
    "Without operands, lookup reads one address or host name per line from standard input.\n"
    "The database defaults to QQWry.Dat in the current directory.\n";

constexpr int kMaxJobs = 256;

struct Options {
  std::string command;
  TLookupOptions lookup;
  TDumpOptions dump;
};

// The value of an option that takes one, or an error naming what it needs.
bool OptionValue(const std::vector<std::string>& args, size_t& i, const char* needs, std::string& value,
                 std::ostream& err) {
  if (i + 1 >= args.size()) {
    err << "corvana: " << args[i] << " needs " << needs << "\n";
    return false;
  }
  value = args[++i];
  return true;
}

// Combinations the dump cannot honour, refused rather than quietly ignored.
bool CheckDumpOptions(Options& options, std::ostream& err) {
  const TDumpOptions& dump = options.dump;
  if (options.lookup.Gbk) {
    err << "corvana: dump always writes UTF-8; --gbk goes with lookup and info\n";
    return false;
  }
  if (!options.lookup.Operands.empty()) {
    err << "corvana: dump takes no operands; name the database with --db FILE\n";
    return false;
  }
  if (dump.Numeric && dump.Format != TDumpFormat::Csv) {
    err << "corvana: --numeric goes with the csv format\n";
    return false;
  }
  if (dump.Header && dump.Format == TDumpFormat::Jsonl) {
    err << "corvana: --header goes with csv or cidr; JSON lines name their fields\n";
    return false;
  }
  options.dump.Database = options.lookup.Database;
  return true;
}

bool ParseOptions(const std::vector<std::string>& args, Options& options, std::ostream& err) {
  if (args.empty()) return false;
  options.command = args[0];
  TLookupOptions& lookup = options.lookup;
  std::string value;
  for (size_t i = 1; i < args.size(); ++i) {
    if (args[i] == "--db") {
      if (!OptionValue(args, i, "a file name", lookup.Database, err)) return false;
    } else if (args[i] == "--gbk") {
      lookup.Gbk = true;
    } else if (args[i] == "--format" && options.command == "lookup") {
      if (!OptionValue(args, i, "text, csv or json", value, err)) return false;
      if (!ParseOutputFormat(value, lookup.Format)) {
        err << "corvana: unknown format " << value << " (text, csv or json)\n";
        return false;
      }
    } else if (args[i] == "--format" && options.command == "dump") {
      if (!OptionValue(args, i, "csv, cidr or jsonl", value, err)) return false;
      if (!ParseDumpFormat(value, options.dump.Format)) {
        err << "corvana: unknown format " << value << " (csv, cidr or jsonl)\n";
        return false;
      }
    } else if (args[i] == "--numeric" && options.command == "dump") {
      options.dump.Numeric = true;
    } else if (args[i] == "--header" && options.command == "dump") {
      options.dump.Header = true;
    } else if (args[i] == "--all" && options.command == "dump") {
      options.dump.All = true;
    } else if (args[i] == "--jobs" && options.command == "lookup") {
      if (!OptionValue(args, i, "a number", value, err)) return false;
      std::int32_t jobs = 0;
      if (!TryStrToInt(value, jobs) || jobs < 1 || jobs > kMaxJobs) {
        err << "corvana: --jobs needs a number from 1 to " << kMaxJobs << "\n";
        return false;
      }
      lookup.Jobs = jobs;
    } else if (args[i].size() > 2 && args[i].compare(0, 2, "--") == 0) {
      err << "corvana: unknown option " << args[i] << "\n";
      return false;
    } else {
      lookup.Operands.push_back(args[i]);
    }
  }
  if (lookup.Gbk && lookup.Format == TOutputFormat::Json) {
    err << "corvana: JSON is always UTF-8; --gbk goes with text or csv\n";
    return false;
  }
  if (options.command == "dump" && !CheckDumpOptions(options, err)) return false;
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

// Opens the database, or says why not; null then.
std::unique_ptr<TQQWry> OpenDatabase(const Options& options, std::ostream& err) {
  try {
    return std::make_unique<TQQWry>(options.lookup.Database);
  } catch (const Exception& e) {
    err << "corvana: " << e.Message() << "\n";
    return nullptr;
  }
}

int Info(const Options& options, std::ostream& out, std::ostream& err) {
  Writer writer(out, options.lookup.Gbk);
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

}  // namespace

int RunCli(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err,
           const TResolverPool::TResolve& resolve) {
  Options options;
  if (!ParseOptions(args, options, err)) {
    err << kUsage;
    return 2;
  }
  if (options.command == "lookup") return RunLookup(options.lookup, in, out, err, resolve);
  if (options.command == "info") return Info(options, out, err);
  return RunDump(options.dump, out, err);
}
