// The batch query of the main window: every input line resolved and looked up with a reader
// opened for that line, lines worked ahead side by side on a pool (opening and mapping the
// database per line is mostly waiting on the system), results taken in input order and handed
// to the window in a few large pieces while the window keeps handling its messages.
#pragma once

#include <chrono>
#include <cstddef>
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
  // Each line's reader lives on the worker doing that line, never in the window's own
  // reader field, so the window may use that field while a batch runs.
  TBatchQuery(std::vector<std::wstring> lines, std::string database, TResolverPool::TResolve resolve,
              int jobs = TResolverPool::kDefaultJobs);

  TBatchEnd Run(TBatchHost& host, TBatchPace pace = {});
  size_t Total() const { return FLines.size(); }
  size_t Done() const { return FDone; }

private:
  std::vector<std::wstring> FLines;
  std::string FDatabase;
  TResolverPool::TResolve FResolve;
  int FJobs;
  size_t FDone = 0;
};

// A line in the ANSI code page, as the platform's resolver takes it.
std::string AnsiText(const std::wstring& line);
