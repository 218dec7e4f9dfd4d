// The batch query's loop: results are kept in order and written in pieces on a clock.
#include "app/batch_query.h"

#include "app/lookup.h"
#include "base/codec.h"
#include "base/error.h"
#include "base/win32.h"

std::string AnsiText(const std::wstring& line) {
  std::string ansi;
  if (!line.empty()) {
    const int size = static_cast<int>(line.size());
    const int n = WideCharToMultiByte(CP_ACP, 0, line.data(), size, nullptr, 0, nullptr, nullptr);
    ansi.resize(static_cast<size_t>(n));
    WideCharToMultiByte(CP_ACP, 0, line.data(), size, ansi.data(), n, nullptr, nullptr);
  }
  return ansi;
}

TBatchQuery::TBatchQuery(std::vector<std::wstring> lines, std::string database, TResolverPool::TResolve resolve,
                         int jobs)
    : FLines(std::move(lines)), FDatabase(std::move(database)), FResolve(std::move(resolve)), FJobs(jobs) {}

namespace {

// One line's whole work: resolve, open, look up, close. The answer is the result line in
// UTF-8, or nothing when the line ends the batch (a result line is never empty).
std::string LineResult(const std::string& database, const TResolverPool::TResolve& resolve, const std::string& name) {
  try {
    const std::string address = resolve(name);
    TQQWry reader(database);
    TStringList fields;
    reader.GetFields(fields, reader.FindRecord(address));
    return WideToUtf8(ResultLine(fields));
  } catch (const Exception&) {
    return std::string();
  }
}

}  // namespace

TBatchEnd TBatchQuery::Run(TBatchHost& host, TBatchPace pace) {
  using Clock = std::chrono::steady_clock;
  std::vector<std::string> names;
  names.reserve(FLines.size());
  for (const std::wstring& line : FLines) names.push_back(AnsiText(line));
  TResolverPool pool(
      std::move(names),
      [database = FDatabase, resolve = FResolve](const std::string& name) { return LineResult(database, resolve, name); },
      FJobs);

  std::vector<std::wstring> ready;
  Clock::time_point lastPump = Clock::now(), lastWrite = lastPump;
  TBatchEnd end = TBatchEnd::Finished;
  FDone = 0;
  for (size_t i = 0; i < FLines.size() && end == TBatchEnd::Finished; ++i) {
    std::optional<std::string> result;
    while (!(result = pool.TryGet(i, pace.pump))) {
      lastPump = Clock::now();
      if (host.Pump()) {
        end = TBatchEnd::Stopped;
        break;
      }
    }
    if (!result) break;
    // The first line that cannot be resolved or found ends the batch silently.
    if (result->empty()) {
      end = TBatchEnd::Failed;
      break;
    }
    ready.push_back(Utf8ToWide(*result));
    ++FDone;

    const Clock::time_point now = Clock::now();
    if (now - lastWrite >= pace.write) {
      host.Write(ready, FDone, FLines.size());
      ready.clear();
      lastWrite = now;
    }
    if (now - lastPump >= pace.pump) {
      lastPump = now;
      if (host.Pump()) end = TBatchEnd::Stopped;
    }
  }
  host.Write(ready, FDone, FLines.size());
  return end;
}
