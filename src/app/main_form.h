// TForm1: the main window — the batch query, the database tab and the update actions.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "ipdb/qqwry.h"
#include "ui/dialogs.h"
#include "ui/extctrls.h"
#include "ui/form.h"
#include "ui/pagecontrol.h"
#include "ui/statusbar.h"
#include "ui/stdctrls.h"

class TForm1 : public TForm {
  CORVANA_CLASS(TForm1)

public:
  // Reads the window from its stored description and runs FormCreate.
  explicit TForm1(TComponent* owner);
  ~TForm1() override;

  TNotifyEvent FindMethod(std::string_view name) override;

  // Adds the skin submenu to the system menu and puts on the skin: runSkin for this run when
  // given (--skin), otherwise the remembered choice. The program calls it once, before showing.
  void StartSkinChoice(const std::optional<std::wstring>& runSkin);

  // The components of the description, in declaration order.
  TSaveDialog* SaveDialog1 = nullptr;
  TPageControl* PageControl1 = nullptr;
  TTabSheet* TabSheet1 = nullptr;
  TTabSheet* TabSheet2 = nullptr;
  TButton* Button_IPVer = nullptr;
  TMemo* Memo1 = nullptr;
  TStatusBar* StatusBar1 = nullptr;
  TComponent* SkinData1 = nullptr;  // the skin component, when the description holds one
  TEdit* Edit_Ver = nullptr;
  TButton* Button3 = nullptr;
  TPanel* Panel2 = nullptr;
  TMemo* Memo_IPLog = nullptr;
  TMemo* Memo_IPList = nullptr;
  TPanel* Panel1 = nullptr;
  TLabel* Label1 = nullptr;
  TLabel* Label2 = nullptr;
  TButton* Button_TCPUDP = nullptr;
  TButton* Button2 = nullptr;
  TButton* Button1 = nullptr;
  TLabel* Label3 = nullptr;

  void FormCreate(TObject* sender);
  void Button_TCPUDPClick(TObject* sender);
  void Button2Click(TObject* sender);
  void Button_IPVerClick(TObject* sender);
  void Button1Click(TObject* sender);
  void Button3Click(TObject* sender);
  void Label3Click(TObject* sender);

  // The database file the actions open (a name without folder: the current directory).
  static constexpr const char* kDatabase = "QQWry.Dat";

protected:
  void WndProc(TMessage& message) override;

private:
  class TBatchWindow;
  template <class T>
  T* Field(const char* name);
  // The reader of the running action; it lives only within that action.
  std::unique_ptr<TQQWry> FReader;
  bool FBatchRunning = false;
  std::unique_ptr<class TSkinMenu> FSkinMenu;
};

