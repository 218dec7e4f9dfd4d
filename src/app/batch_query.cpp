// The batch query's loop: results are kept in order and written in pieces on a clock.
#include "app/batch_query.h"

#include "app/lookup.h"
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

TBatchQuery::TBatchQuery(std::vector<std::wstring> lines, std::string database, std::unique_ptr<TQQWry>& reader,
                         TResolverPool::TResolve resolve, int jobs)
    : FLines(std::move(lines)), FDatabase(std::move(database)), FReader(reader), FResolve(std::move(resolve)),
      FJobs(jobs) {}

TBatchEnd TBatchQuery::Run(TBatchHost& host, TBatchPace pace) {
  using Clock = std::chrono::steady_clock;
  std::vector<std::string> names;
  names.reserve(FLines.size());
  for (const std::wstring& line : FLines) names.push_back(AnsiText(line));
  TResolverPool pool(std::move(names), FResolve, FJobs);

  std::vector<std::wstring> ready;
  Clock::time_point lastPump = Clock::now(), lastWrite = lastPump;
  TBatchEnd end = TBatchEnd::Finished;
  FDone = 0;
  try {
    for (size_t i = 0; i < FLines.size() && end == TBatchEnd::Finished; ++i) {
      std::optional<std::string> address;
      while (!(address = pool.TryGet(i, pace.pump))) {
        lastPump = Clock::now();
        if (host.Pump()) {
          end = TBatchEnd::Stopped;
          break;
        }
      }
      if (!address) break;
      FReader = std::make_unique<TQQWry>(FDatabase);
      const std::int64_t record = FReader->FindRecord(*address);
      TStringList fields;
      FReader->GetFields(fields, record);
      FReader.reset();
      ready.push_back(ResultLine(fields));
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
  } catch (const Exception&) {
    // A reader whose lookup failed has closed itself; one that failed to open never existed.
    end = TBatchEnd::Failed;
  }
  FReader.reset();
  host.Write(ready, FDone, FLines.size());
  return end;
}
