// Loading another skin at run time the way the component's SkinFile does, with a way back.
#include "skinchoice/skin_switch.h"

#include "base/codec.h"
#include "skin/model/skin_data.h"
#include "skinchoice/skin_source.h"

TSkinSwitch::TSkinSwitch(TSkinData& data) : FData(data) {
  FBuiltIn.LoadFromStream(data.StoredStream());
}

void TSkinSwitch::UseBuiltIn() {
  if (FFile.empty() && !FData.SkinPending()) return;
  FData.StoredStream().LoadFromStream(FBuiltIn);
  FData.LoadSkinFromStore();
  FData.RefreshSkin();
  FFile.clear();
}

bool TSkinSwitch::UseFile(const std::wstring& path, std::wstring& problem) {
  if (!FFile.empty() && FFile == path && !FData.SkinPending()) return true;
  TMemoryStream checked;
  if (!ReadSkinFile(path, checked, problem)) return false;
  // The component reads the file itself so its refresh path runs; the archive in use is kept
  // to go back to when the description turns out unusable half way.
  TMemoryStream previous;
  previous.LoadFromStream(FData.StoredStream());
  FData.SetSkinFile(WideToUtf8(path));
  if (FData.SkinPending()) {
    FData.SetSkinFile("");
    FData.StoredStream().LoadFromStream(previous);
    FData.LoadSkinFromStore();
    FData.RefreshSkin();
    problem = L"皮肤描述无法使用。";
    return false;
  }
  FFile = path;
  return true;
}

void TSkinSwitch::SetSkinned(bool on) {
  if (on && FData.SkinPending()) UseBuiltIn();
  FData.SetActive(on);
}

bool TSkinSwitch::Skinned() const {
  return FData.Active();
}
