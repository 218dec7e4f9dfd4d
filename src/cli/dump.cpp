// The dump command: records out as CSV rows, CIDR blocks or JSON objects.
#include "cli/dump.h"

#include <ostream>
#include <vector>

#include "base/codec.h"
#include "base/csv.h"
#include "base/error.h"
#include "cli/result_format.h"
#include "ipdb/cidr.h"
#include "ipdb/qqwry.h"

namespace {

constexpr size_t kFlushBytes = 1 << 16;

const char* HeaderLine(const TDumpOptions& options) {
  switch (options.Format) {
    case TDumpFormat::Csv:
      return options.Numeric ? "start_int,end_int,start,end,country,area\n" : "start,end,country,area\n";
    case TDumpFormat::Cidr:
      return "network,country,area\n";
    case TDumpFormat::Jsonl:
      break;
  }
  return "";
}

class Dumper {
public:
  Dumper(const TDumpOptions& options, std::ostream& out, std::ostream& err) : FOptions(options), FOut(out), FErr(err) {}

  // One record in the chosen format; false when it cannot be written.
  bool Record(std::int64_t number, const TRawRecord& record) {
    FCountry.clear();
    FArea.clear();
    AppendGbkAsUtf8(record.Country, FCountry);
    AppendGbkAsUtf8(record.Area, FArea);
    const std::string start = DottedAddress(record.StartAddress);
    const std::string end = DottedAddress(record.EndAddress);
    switch (FOptions.Format) {
      case TDumpFormat::Csv:
        if (FOptions.Numeric) {
          FBuffer += CsvLine(
              {std::to_string(record.StartAddress), std::to_string(record.EndAddress), start, end, FCountry, FArea});
        } else {
          FBuffer += CsvLine({start, end, FCountry, FArea});
        }
        FBuffer += '\n';
        break;
      case TDumpFormat::Cidr:
        if (record.EndAddress < record.StartAddress) {
          Flush();
          FErr << "corvana: record " << number << " (" << start << " - " << end
               << ") ends before it starts and has no blocks\n";
          return false;
        }
        Blocks(record);
        break;
      case TDumpFormat::Jsonl:
        FBuffer += "{\"start_int\":" + std::to_string(record.StartAddress) +
                   ",\"end_int\":" + std::to_string(record.EndAddress) + ',';
        AppendJsonMember("start", start, FBuffer);
        FBuffer += ',';
        AppendJsonMember("end", end, FBuffer);
        FBuffer += ',';
        AppendJsonMember("country", FCountry, FBuffer);
        FBuffer += ',';
        AppendJsonMember("area", FArea, FBuffer);
        FBuffer += "}\n";
        break;
    }
    if (FBuffer.size() >= kFlushBytes) Flush();
    return true;
  }

  void Text(const char* text) { FBuffer += text; }

  void Flush() {
    FOut.write(FBuffer.data(), static_cast<std::streamsize>(FBuffer.size()));
    FOut.flush();
    FBuffer.clear();
  }

private:
  // Every block of the range with the record's texts; the quoted texts are the same on each.
  void Blocks(const TRawRecord& record) {
    FBlocks.clear();
    AppendCidrBlocks(record.StartAddress, record.EndAddress, FBlocks);
    const std::string texts = CsvLine({FCountry, FArea});
    for (const TCidrBlock& block : FBlocks) {
      AppendCidrText(block, FBuffer);
      FBuffer += ',';
      FBuffer += texts;
      FBuffer += '\n';
    }
  }

  const TDumpOptions& FOptions;
  std::ostream& FOut;
  std::ostream& FErr;
  std::string FBuffer;
  std::string FCountry;
  std::string FArea;
  std::vector<TCidrBlock> FBlocks;
};

}  // namespace

bool ParseDumpFormat(std::string_view name, TDumpFormat& format) {
  if (name == "csv")
    format = TDumpFormat::Csv;
  else if (name == "cidr")
    format = TDumpFormat::Cidr;
  else if (name == "jsonl")
    format = TDumpFormat::Jsonl;
  else
    return false;
  return true;
}

int RunDump(const TDumpOptions& options, std::ostream& out, std::ostream& err) {
  Dumper dumper(options, out, err);
  bool failed = false;
  try {
    TQQWry reader(options.Database);
    const bool keepVersion = options.All || (options.Format == TDumpFormat::Csv && !options.Numeric);
    const std::int64_t last = reader.RecordCount() - (keepVersion ? 0 : 1);
    if (options.Header) dumper.Text(HeaderLine(options));
    for (std::int64_t r = 1; r <= last; ++r) {
      if (!dumper.Record(r, reader.ReadRecord(r))) failed = true;
    }
    dumper.Flush();
  } catch (const Exception& e) {
    dumper.Flush();
    err << "corvana: " << e.Message() << "\n";
    return 2;
  }
  return failed ? 1 : 0;
}
