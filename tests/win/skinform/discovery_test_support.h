// Shared pieces of the discovery tests: a counting skinner and its factories, a form skinner
// stand-in, and a discovery site over them.
#pragma once

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "skin/form/discovery.h"
#include "skin/model/skin_data.h"
#include "ui/skin_messages.h"
#include "win/support/ui_test.h"

// A skinner that only records that it was made and attached.
class TFakeSkinner : public TSkinControl {
public:
  using TSkinControl::TSkinControl;
  static int& Made() {
    static int made = 0;
    return made;
  }
};

inline TSkinControl* MakeFakeSkinner(TComponent* owner) {
  ++TFakeSkinner::Made();
  return new TFakeSkinner(owner);
}

// The form skinner's list of control skinners.
class TTestHost : public ISkinnerHost {
public:
  bool AddControlSkinner(TSkinControl* skinner) override {
    if (std::find(List.begin(), List.end(), skinner) != List.end()) return true;
    List.push_back(skinner);
    return false;
  }
  void RemoveControlSkinner(TSkinControl* skinner) override {
    const auto it = std::find(List.rbegin(), List.rend(), skinner);
    if (it != List.rend()) List.erase(std::next(it).base());
  }
  std::vector<TSkinControl*> List;
};

// Registers fake factories for some skinner classes while it lives.
class TFakeFactories {
public:
  explicit TFakeFactories(std::vector<std::string> skinners) : FSkinners(std::move(skinners)) {
    for (const std::string& s : FSkinners) RegisterSkinnerKind(s, &MakeFakeSkinner);
  }
  ~TFakeFactories() {
    for (const std::string& s : FSkinners) RegisterSkinnerKind(s, nullptr);
  }
  TFakeFactories(const TFakeFactories&) = delete;
  TFakeFactories& operator=(const TFakeFactories&) = delete;

private:
  std::vector<std::string> FSkinners;
};

inline TDiscoverySite SiteOf(TSkinData* data, TTestHost& host, TComponent* formSkinner) {
  TDiscoverySite site;
  site.SkinData = data;
  site.Host = &host;
  site.FormSkinner = formSkinner;
  site.ControlSkinners = &host.List;
  return site;
}

// "TSkinButton built", "TSkinEdit chosen", "none" — the state of one record.
inline std::string Outcome(const TDiscoveryRecord* record) {
  if (!record) return "unclassified";
  if (record->Decision.Skinner.empty()) return "none";
  return record->Decision.Skinner + (record->Built ? " built" : " chosen");
}
