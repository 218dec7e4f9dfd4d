// The skin manager's rules for taking windows over: which windows are candidates, which skin
// component draws them, the scheduled skin-all / unskin-all / refresh actions over the form
// skinners it owns, and the popup rules.
#include <algorithm>
#include <cctype>

#include "skin/model/skin_data.h"
#include "skin/model/skin_manage.h"
#include "ui/application.h"
#include "ui/form.h"
#include "ui/skin_messages.h"

namespace {

// A form with this Tag is never skinned, whatever DisableTag says.
constexpr int kNeverSkinTag = 99;
// "#32770" dialogs with this style bit (DS_CONTROL: a dialog inside another) stay unskinned.
constexpr LONG kDialogControlStyle = 0x200;

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

std::string ClassNameOf(HWND window) {
  char name[256] = {};
  GetClassNameA(window, name, 256);
  return name;
}

TCustomForm* ApplicationFormOf(HWND window) {
  for (int i = 0; i < Screen()->FormCount(); ++i) {
    TCustomForm* form = Screen()->Forms(i);
    if (form->HandleAllocated() && form->Handle() == window) return form;
  }
  return nullptr;
}

}  // namespace

void TSkinManage::SetFormSkinnerFactory(TFormSkinnerFactory factory) { FFactory = std::move(factory); }

TFormSkinnerBase* TSkinManage::FormSkinnerOf(HWND window) const {
  for (TFormSkinnerBase* skinner : FFormSkinners) {
    if (skinner->WindowHandle() == window) return skinner;
  }
  return nullptr;
}

void TSkinManage::RemoveFormSkinner(TFormSkinnerBase* skinner) {
  if (ActivationCount == kManagerClosingCount) return;
  FFormSkinners.erase(std::remove(FFormSkinners.begin(), FFormSkinners.end(), skinner), FFormSkinners.end());
}

void TSkinManage::Purge() {
  for (TFormSkinnerBase* skinner : std::vector<TFormSkinnerBase*>(FFormSkinners)) {
    if (!skinner->WindowGone()) continue;
    FFormSkinners.erase(std::remove(FFormSkinners.begin(), FFormSkinners.end(), skinner), FFormSkinners.end());
    skinner->Free();
  }
}

bool TSkinManage::WindowClassAllowed(HWND window, const std::string& cls) {
  bool doSkin = true;
  if (!FMainSkinData) return true;
  const std::string lower = Lower(cls);
  if (!FMainSkinData->HasOption(xoPreview) && lower.find("preview") != std::string::npos) doSkin = false;
  if (cls == "#32770" && (GetWindowLongW(window, GWL_STYLE) & kDialogControlStyle)) doSkin = false;
  if (lower == "tpopupdbtreeview") doSkin = false;
  FMainSkinData->ShouldSkinWindow(window, cls, doSkin);
  return doSkin;
}

TSkinData* TSkinManage::ChooseSkinData(HWND window) const {
  TSkinData* chosen = nullptr;
  for (TSkinData* data : FSkinDatas) {
    auto* owner = dynamic_cast<TWinControl*>(data->Owner());
    if (data->SkinFormtype() == sfOnlyThisForm && owner && owner->HandleAllocated() && owner->Handle() == window)
      chosen = data;
  }
  if (chosen) return chosen;
  const std::string lower = Lower(ClassNameOf(window));
  if (lower == "tmessageform" || lower == "#32770") {
    for (TSkinData* data : FSkinDatas) {
      if (data->SkinFormtype() == sfDialog) chosen = data;
    }
    if (chosen) return chosen;
  }
  for (TSkinData* data : FSkinDatas) {
    if (data->SkinFormtype() == sfMainform) chosen = data;
  }
  if (chosen) return chosen;
  return FSkinDatas.empty() ? nullptr : FSkinDatas.front();
}

bool TSkinManage::SkinWindow(HWND window, bool activateNow) {
  if (!Enabled || !window) return false;
  Purge();
  if (SendMessageW(window, SKINMSG_QUERY, 0, 0) == 1 || FormSkinnerOf(window)) return false;
  TCustomForm* form = ApplicationFormOf(window);
  TControl* control = form ? form : ControlOfWindow(window);
  const LONG style = GetWindowLongW(window, GWL_STYLE);
  const LONG exStyle = GetWindowLongW(window, GWL_EXSTYLE);
  if (!Enumerating && (style & WS_CHILD) && !(exStyle & WS_EX_MDICHILD) &&
      Lower(ClassNameOf(GetParent(window))) != "mdiclient")
    return false;
  const std::string cls = ClassNameOf(window);
  const auto module = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(window, GWLP_HINSTANCE));
  if (!control && module != SkinPlatform().ModuleHandle && cls != "#32770") return false;
  RECT r{};
  GetWindowRect(window, &r);
  const bool hasArea = r.right > r.left && r.bottom > r.top;
  if (!hasArea && !(exStyle & WS_EX_MDICHILD)) return false;
  if (control && control->Tag() == kNeverSkinTag) return false;
  if (cls.find("TcxPopupEditPopupWindow") != std::string::npos || cls.find("TTERenderWindow") != std::string::npos ||
      cls == "TApplication" || !WindowClassAllowed(window, cls))
    return false;
  TSkinData* data = ChooseSkinData(window);
  if (!data || data->SkinPending() || !FFactory) return false;
  auto* owningForm = dynamic_cast<TCustomForm*>(control);
  TFormSkinnerBase* skinner = FFactory(owningForm);
  if (!skinner) return false;
  skinner->Prepare(window, data, cls);
  FFormSkinners.push_back(skinner);
  ++AttachState;
  if (owningForm) skinner->AttachToForm(data, owningForm);
  else skinner->AttachToWindow(data);
  --AttachState;
  // A skinner that could not take the window over must not stand in the way of a later try.
  if (!skinner->Hooked()) {
    FFormSkinners.erase(std::remove(FFormSkinners.begin(), FFormSkinners.end(), skinner), FFormSkinners.end());
    skinner->Free();
    return false;
  }
  if (activateNow) SendMessageW(window, SKINMSG_ACTIVATE, 0, kActivateParam);
  else PostMessageW(window, SKINMSG_ACTIVATE, 0, kActivateParam);
  return true;
}

bool TSkinManage::SkinBeforeShow(TCustomForm* form) {
  if (!FHook || !form || !form->HandleAllocated()) return false;
  const HWND window = form->Handle();
  if (IsWindowVisible(window) || (GetWindowLongW(window, GWL_STYLE) & WS_CHILD)) return false;
  if (!SkinWindow(window, true)) return false;
  // A window is taken over: from now on skin-all and unskin-all run on the timer.
  if (ActivationCount == 0) ActivationCount = 1;
  return true;
}

bool TSkinManage::SkinForm(TCustomForm* form) {
  if (!form || !form->HandleAllocated() || !IsWindowVisible(form->Handle())) return false;
  if (GetWindowLongW(form->Handle(), GWL_STYLE) & WS_CHILD) return false;
  return SkinWindow(form->Handle());
}

void TSkinManage::UnskinOne(TFormSkinnerBase* skinner) {
  const HWND window = skinner->WindowHandle();
  skinner->Unskin();
  FFormSkinners.erase(std::remove(FFormSkinners.begin(), FFormSkinners.end(), skinner), FFormSkinners.end());
  skinner->Free();
  if (IsWindow(window)) {
    InvalidateRect(window, nullptr, TRUE);
    RedrawWindow(window, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  }
}

void TSkinManage::RunWindowAction(TSkinAction action, TSkinData* data) {
  const bool onlyThisForm = data->SkinFormtype() == sfOnlyThisForm;
  switch (action) {
    case saSkinAll:
      Enabled = true;
      Enumerating = true;
      if (!onlyThisForm) Purge();
      for (int i = Screen()->FormCount() - 1; i >= 0; --i) {
        TCustomForm* form = Screen()->Forms(i);
        if (onlyThisForm) {
          if (data->Owner() == form) {
            SkinForm(form);
            break;
          }
        } else {
          SkinForm(form);
        }
      }
      Enumerating = false;
      break;
    case saUnskinAll:
      Enabled = false;
      Purge();
      if (onlyThisForm) {
        for (auto it = FFormSkinners.rbegin(); it != FFormSkinners.rend(); ++it) {
          if ((*it)->SkinDataOf() == data) {
            UnskinOne(*it);
            break;
          }
        }
      } else {
        while (!FFormSkinners.empty()) UnskinOne(FFormSkinners.front());
      }
      break;
    case saRefreshAll: {
      Purge();
      std::vector<TFormSkinnerBase*> users;
      for (TFormSkinnerBase* skinner : FFormSkinners) {
        if (skinner->SkinDataOf() == data) users.push_back(skinner);
      }
      if (onlyThisForm && users.size() > 1) users.resize(1);
      const bool fresh = FFreshData == data && FFreshGeneration == data->Generation();
      for (TFormSkinnerBase* skinner : users) {
        if (fresh && std::find(FFreshUsers.begin(), FFreshUsers.end(), skinner) != FFreshUsers.end()) continue;
        skinner->ComputeFrameMetrics();
        skinner->ReskinForm();
      }
      FFreshUsers.clear();
      FFreshData = nullptr;
      for (TFormSkinnerBase* skinner : users) skinner->RepaintFrame();
      break;
    }
    default: break;
  }
}

void TSkinManage::RefreshUsers() {
  FFreshUsers.clear();
  FFreshData = PendingSkinData;
  FFreshGeneration = PendingSkinData ? PendingSkinData->Generation() : -1;
  for (TFormSkinnerBase* skinner : FFormSkinners) {
    if (skinner->SkinDataOf() == PendingSkinData) {
      skinner->ComputeFrameMetrics();
      skinner->ReskinForm();
      FFreshUsers.push_back(skinner);
    }
  }
}

void TSkinManage::SetMdiMaximized(bool maximized) {
  if (maximized == MdiMaximized) return;
  MdiMaximized = maximized;
  if (FMainSkinData && FMainSkinData->HasOption(xoMDIChildBorder)) return;
  for (TFormSkinnerBase* skinner : FFormSkinners) {
    if (skinner->IsMdiChild()) skinner->MdiChildStateChanged(maximized);
  }
}

void TSkinManage::SizeGripCreated(HWND parent, HWND grip) {
  if (TFormSkinnerBase* skinner = FormSkinnerOf(parent)) skinner->SizeGripCreated(grip);
}

bool TSkinManage::PopupAllowed(HWND window) {
  if (!Enabled || SendMessageW(window, SKINMSG_QUERY, 0, 0) == 1) return false;
  TSkinData* data = ChooseSkinData(window);
  if (!data || data->SkinPending()) return false;
  switch (PopupMode) {
    case 0: return data->HasControl(xcPopupMenu);
    case 1: return data->HasControl(xcMainMenu) || data->HasControl(xcMenuItem);
    case 2: return data->HasControl(xcSystemMenu);
    default: return true;
  }
}
