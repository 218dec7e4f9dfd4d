// The lookup command: inputs are taken in batches; the host names of a batch are resolved
// together on a bounded pool, then every input is answered in order into one buffer.
#include "cli/lookup.h"

#include <istream>
#include <memory>
#include <optional>
#include <ostream>

#include "base/codec.h"
#include "base/error.h"
#include "ipdb/qqwry.h"

namespace {

// Inputs read before answering: enough to keep the pool busy, few enough that a long
// input is answered as it streams in.
constexpr size_t kBatchLines = 4096;
constexpr size_t kFlushBytes = 1 << 16;

// Digits and dots only: an address typed as such, looked up without asking the resolver
// (so odd forms such as 1.2.3.256 never turn into name queries).
bool LooksLikeAddress(const std::string& text) {
  if (text.empty()) return false;
  for (const char c : text) {
    if (!(c >= '0' && c <= '9') && c != '.') return false;
  }
  return true;
}

class Lookup {
public:
  Lookup(const TLookupOptions& options, std::ostream& out, std::ostream& err, const TResolverPool::TResolve& resolve)
      : FOptions(options), FOut(out), FErr(err), FResolve(resolve) {}

  bool Open() {
    try {
      FReader = std::make_unique<TQQWry>(FOptions.Database);
      return true;
    } catch (const Exception& e) {
      FErr << "corvana: " << e.Message() << "\n";
      return false;
    }
  }

  void Batch(const std::vector<std::string>& inputs) {
    std::vector<std::string> names;
    for (const std::string& input : inputs) {
      if (!LooksLikeAddress(input)) names.push_back(input);
    }
    std::optional<TResolverPool> pool;
    if (!names.empty()) pool.emplace(std::move(names), FResolve, FOptions.Jobs);
    size_t name = 0;
    for (const std::string& input : inputs) {
      Answer(input, LooksLikeAddress(input) ? input : pool->Get(name++));
      if (FBuffer.size() >= kFlushBytes) Flush();
    }
    Flush();
  }

  bool Failed() const { return FFailed; }

private:
  void Answer(const std::string& input, const std::string& address) {
    try {
      // Checked here first, so a bad line never closes the reader (and drops its index
      // table); the messages are the reader's own.
      AddressToNumber(address);
      if (!FReader || !FReader->IsOpen()) FReader = std::make_unique<TQQWry>(FOptions.Database);
      const std::int64_t record = FReader->FindRecord(address);
      if (record < 1 || record > FReader->RecordCount()) throw Exception(kMsgBadRecord);
      FReader->GetFields(FFields, record);
    } catch (const Exception& e) {
      Fail(input, e.Message());
      return;
    }
    FTexts.clear();
    size_t ends[4];
    for (int k = 0; k < 4; ++k) {
      AppendGbkAsUtf8(FFields[k], FTexts);
      ends[k] = FTexts.size();
    }
    const std::string_view texts = FTexts;
    TLookupResult result{input, texts.substr(0, ends[0]), texts.substr(ends[0], ends[1] - ends[0]),
                         texts.substr(ends[1], ends[2] - ends[1]), texts.substr(ends[2], ends[3] - ends[2])};
    if (FOptions.Gbk) {
      std::string line;
      AppendResult(FOptions.Format, result, line);
      FBuffer += Utf8ToGbk(line);
    } else {
      AppendResult(FOptions.Format, result, FBuffer);
    }
  }

  void Fail(const std::string& input, const std::string& message) {
    FFailed = true;
    if (FOptions.Format == TOutputFormat::Json) {
      AppendJsonError(input, message, FBuffer);
      return;
    }
    Flush();
    FErr << input << ": " << message << "\n";
  }

  void Flush() {
    FOut.write(FBuffer.data(), static_cast<std::streamsize>(FBuffer.size()));
    FOut.flush();
    FBuffer.clear();
  }

  const TLookupOptions& FOptions;
  std::ostream& FOut;
  std::ostream& FErr;
  const TResolverPool::TResolve& FResolve;
  std::unique_ptr<TQQWry> FReader;
  TStringList FFields;
  std::string FTexts;
  std::string FBuffer;
  bool FFailed = false;
};

// Reads the next batch of lines; false at the end of the input. A batch also ends where
// the input has nothing more waiting, so lines typed by hand are answered at once.
bool ReadBatch(std::istream& in, std::vector<std::string>& lines) {
  lines.clear();
  std::string line;
  while (lines.size() < kBatchLines && std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(std::move(line));
    if (in.rdbuf()->in_avail() <= 0) break;
  }
  return !lines.empty();
}

}  // namespace

int RunLookup(const TLookupOptions& options, std::istream& in, std::ostream& out, std::ostream& err,
              const TResolverPool::TResolve& resolve) {
  Lookup lookup(options, out, err, resolve);
  if (!lookup.Open()) return 2;
  if (!options.Operands.empty()) {
    for (size_t i = 0; i < options.Operands.size(); i += kBatchLines) {
      const size_t end = std::min(options.Operands.size(), i + kBatchLines);
      lookup.Batch(std::vector<std::string>(options.Operands.begin() + static_cast<std::ptrdiff_t>(i),
                                            options.Operands.begin() + static_cast<std::ptrdiff_t>(end)));
    }
  } else {
    std::vector<std::string> lines;
    while (ReadBatch(in, lines)) lookup.Batch(lines);
  }
  return lookup.Failed() ? 1 : 0;
}
