// The batch query of the main window: every input line looked up in order with a reader
// opened for that line, host names resolved ahead on a pool, and the result lines handed to
// the window in a few large pieces while the window keeps handling its messages.
#pragma once

#include <chrono>
#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "base/resolver_pool.h"
#include "ipdb/qqwry.h"

enum class TBatchEnd {
  Finished,  // every line has its result
  Failed,    // a line could not be resolved or found: the batch ends there, silently
  Stopped,   // the user stopped it; the lines done so far keep their results
};

// What a batch needs of the window it runs in.
class TBatchHost {
public:
  virtual ~TBatchHost() = default;
  // Handles the window's waiting messages; true when the batch is to stop.
  virtual bool Pump() = 0;
  // Result lines that are ready, in input order, with how many of all lines are done.
  virtual void Write(const std::vector<std::wstring>& results, size_t done, size_t total) = 0;
};

struct TBatchPace {
  std::chrono::milliseconds pump{50};    // the longest the window waits for its messages
  std::chrono::milliseconds write{250};  // the longest a ready result waits for the pane
};

class TBatchQuery {
public:
  // The reader of each line lives in `reader` (the window's field for the running action)
  // and is gone again before the window's messages are handled.
  TBatchQuery(std::vector<std::wstring> lines, std::string database, std::unique_ptr<TQQWry>& reader,
              TResolverPool::TResolve resolve, int jobs = TResolverPool::kDefaultJobs);

  TBatchEnd Run(TBatchHost& host, TBatchPace pace = {});
  size_t Total() const { return FLines.size(); }
  size_t Done() const { return FDone; }

private:
  std::vector<std::wstring> FLines;
  std::string FDatabase;
  std::unique_ptr<TQQWry>& FReader;
  TResolverPool::TResolve FResolve;
  int FJobs;
  size_t FDone = 0;
};

// A line in the ANSI code page, as the platform's resolver takes it.
std::string AnsiText(const std::wstring& line);
