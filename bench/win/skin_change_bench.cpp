// What a live skin change costs a skin author: the skin viewer with every page built, switched
// between two skins, and its skinning switched off and on again, each as the median of many. The
// manager's scheduling pause before it runs an action (a fixed wait by design) is left out: the
// action is run at once, and the time runs until every window has painted its new look.
// A Windows program; run it under Wine on a display (make bench-window).
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "base/codec.h"
#include "base/stream.h"
#include "skin/model/skin_data.h"
#include "skin/model/skin_manage.h"
#include "skinview/viewer_form.h"
#include "ui/application.h"
#include "ui/skin_messages.h"
#include "window_bench.h"

namespace {

// Runs the action the last call scheduled, then lets every window paint.
void Settle(HWND window) {
  if (TSkinManage* manager = SkinManager(); manager && manager->PendingAction != saNone) manager->RunScheduledAction();
  RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
  Pump();
}

// The second skin: another skin beside the program when there is one, else the first again.
std::wstring SecondSkin(const std::wstring& first) {
  wchar_t self[MAX_PATH]{};
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  std::error_code error;
  const std::filesystem::path folder = std::filesystem::path(self).parent_path() / L"skins";
  for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
    if (entry.path().extension() == L".skin") return entry.path().wstring();
  }
  return first;
}

}  // namespace

int main() {
  TApplication app;
  app.Initialize();
  TSkinViewForm::OnError = [](const std::wstring& text) { std::fwprintf(stderr, L"viewer: %ls\n", text.c_str()); };
  auto* form = new TSkinViewForm(&app, L"");
  app.SetMainForm(form);
  form->Show();
  SetForegroundWindow(form->Handle());
  for (int i = 0; i < 100 && SendMessageW(form->Handle(), SKINMSG_QUERY, 0, 0) != 1; ++i) {
    Pump();
    Sleep(20);
  }
  // Every page built and shown once, so every skinner exists.
  for (int i = 0; i < form->Pages()->PageCount(); ++i) {
    form->Pages()->SetActivePageIndex(i);
    Pump();
  }
  form->Pages()->SetActivePageIndex(0);
  Pump();

  wchar_t temp[MAX_PATH]{};
  GetTempPathW(MAX_PATH, temp);
  const std::wstring first = std::wstring(temp) + L"corvana-bench-default.skin";
  {
    TMemoryStream archive;
    archive.LoadFromStream(form->SkinData()->StoredStream());
    archive.SaveToFile(WideToUtf8(first));
  }
  const std::wstring second = SecondSkin(first);
  const std::wstring skins[] = {first, second};
  form->OpenSkinFile(second);
  Settle(form->Handle());

  const int runs = 21;
  std::vector<double> change, offOn;
  for (int i = 0; i < runs; ++i) {
    const auto start = Clock::now();
    if (!form->OpenSkinFile(skins[i % 2])) {
      std::printf("the viewer refused a skin\n");
      return 1;
    }
    Settle(form->Handle());
    change.push_back(Ms(Clock::now() - start));
  }
  for (int i = 0; i < runs; ++i) {
    const auto start = Clock::now();
    form->SetSkinning(false);
    Settle(form->Handle());
    form->SetSkinning(true);
    Settle(form->Handle());
    offOn.push_back(Ms(Clock::now() - start));
  }
  std::printf("viewer skin change, every page built (%s and back): median %.1f ms, best %.1f ms (%d runs)\n",
              second == first ? "the same skin again" : WideToUtf8(std::filesystem::path(second).filename().wstring()).c_str(),
              Median(change), *std::min_element(change.begin(), change.end()), runs);
  std::printf("viewer skinning off and on again: median %.1f ms, best %.1f ms (%d runs)\n", Median(offOn),
              *std::min_element(offOn.begin(), offOn.end()), runs);
  DeleteFileW(first.c_str());
  FreeSkinManager();
  return 0;
}
