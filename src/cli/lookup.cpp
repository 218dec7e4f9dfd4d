// The lookup command: inputs are taken in batches; the host names of a batch are resolved
// together on a bounded pool, then every input is answered in order into one buffer.
#include "cli/lookup.h"

#include <istream>
#include <memory>
#include <ostream>

#include "base/codec.h"
#include "base/error.h"
#include "ipdb/qqwry.h"

namespace {

// Inputs read before answering: enough to keep the pool busy, few enough that a long
// input is answered as it streams in.
constexpr size_t kBatchLines = 4096;
constexpr size_t kFlushBytes = 1 << 16;
// How many lines each stage runs behind the first (which starts loading the index table).
constexpr size_t kEntriesLag = 8;
constexpr size_t kFindLag = 16;
constexpr size_t kLocationLag = 20;
constexpr size_t kAnswerLag = 24;

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

  // Answers a batch in order. Each line passes through stages a fixed number of lines
  // apart (index table, index entries, record, location, answer), each stage loading what
  // a later one reads, so the lookups wait for memory together instead of one by one.
  void Batch(const std::vector<std::string>& inputs) {
    const size_t count = inputs.size();
    std::vector<std::string> names;
    for (const std::string& input : inputs) {
      if (!LooksLikeAddress(input)) names.push_back(input);
    }
    std::vector<std::string> resolved(names.size());
    if (!names.empty()) {
      TResolverPool pool(std::move(names), FResolve, FOptions.Jobs);
      for (size_t k = 0; k < resolved.size(); ++k) resolved[k] = pool.Get(k);
    }
    FLines.assign(count, Line{});
    for (size_t i = 0, k = 0; i < count; ++i) {
      const std::string& address = LooksLikeAddress(inputs[i]) ? inputs[i] : resolved[k++];
      try {
        FLines[i].value = AddressToNumber(address);
      } catch (const Exception& e) {
        FLines[i].error = e.Message();
      }
    }
    for (size_t step = 0; step < count + kAnswerLag; ++step) {
      if (FReader && FReader->IsOpen()) {
        const TQQWryView& view = FReader->View();
        if (step < count) view.PrefetchIndexTable(FLines[step].value);
        if (const Line* line = Lagging(step, kEntriesLag, count)) view.PrefetchAddress(line->value);
        if (Line* line = Lagging(step, kFindLag, count)) {
          Find(*line);
          view.PrefetchRecord(line->record);
        }
        if (const Line* line = Lagging(step, kLocationLag, count)) view.PrefetchLocation(line->record);
      } else if (Line* line = Lagging(step, kFindLag, count)) {
        Find(*line);
      }
      if (step >= kAnswerLag) {
        Answer(inputs[step - kAnswerLag], FLines[step - kAnswerLag]);
        if (FBuffer.size() >= kFlushBytes) Flush();
      }
    }
    Flush();
  }

  bool Failed() const { return FFailed; }

private:
  struct Line {
    std::int64_t value = 0;
    std::int64_t record = 0;
    std::string error;
  };

  // The line `lag` steps behind `step`, if there is one.
  Line* Lagging(size_t step, size_t lag, size_t count) {
    return step >= lag && step - lag < count ? &FLines[step - lag] : nullptr;
  }

  void Find(Line& line) {
    if (!line.error.empty() || !EnsureOpen(line)) return;
    line.record = FReader->FindAddress(line.value);
    if (line.record < 1 || line.record > FReader->RecordCount()) line.error = kMsgBadRecord;
  }

  // Opens the reader again after a failure closed it; false (the line failing) if it cannot.
  bool EnsureOpen(Line& line) {
    if (FReader && FReader->IsOpen()) return true;
    try {
      FReader = std::make_unique<TQQWry>(FOptions.Database);
      return true;
    } catch (const Exception& e) {
      line.error = e.Message();
      return false;
    }
  }

  void Answer(const std::string& input, Line& line) {
    if (line.error.empty() && EnsureOpen(line)) {
      try {
        FReader->GetFields(FFields, line.record);
      } catch (const Exception& e) {
        line.error = e.Message();
      }
    }
    if (!line.error.empty()) {
      Fail(input, line.error);
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
      std::string text;
      AppendResult(FOptions.Format, result, text);
      FBuffer += Utf8ToGbk(text);
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
  std::vector<Line> FLines;
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
