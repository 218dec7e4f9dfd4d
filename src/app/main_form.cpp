// TForm1: reading the window, and its event handlers.
#include "app/main_form.h"

#include "app/batch_query.h"
#include "app/lookup.h"
#include "app/skin_menu.h"
#include "base/codec.h"
#include "base/error.h"
#include "base/filemap.h"
#include "base/resolver.h"
#include "base/stream.h"
#include "skin/form/control_skinners.h"
#include "skin/form/form_skinner.h"
#include "skin/model/skin_data.h"
#include "ui/application.h"
#include "ui/reader.h"

const TClassInfo& TForm1::StaticClassInfo() {
  static const TClassInfo info("TForm1", &TForm::StaticClassInfo(), {});
  return info;
}

// The window side of a running batch: its messages, Esc, the result pane and the progress.
class TForm1::TBatchWindow : public TBatchHost {
public:
  explicit TBatchWindow(TForm1& form) : FForm(form), FSaved(Application()->OnMessage) {
    Application()->OnMessage = [this](MSG& msg, bool& handled) {
      // Esc anywhere in the main window stops the batch; other windows keep their Esc.
      if (msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE && FForm.HandleAllocated() &&
          GetAncestor(msg.hwnd, GA_ROOT) == FForm.Handle()) {
        FStopAsked = true;
        handled = true;
        return;
      }
      if (FSaved) FSaved(msg, handled);
    };
    // What the panel said of an earlier batch is stale now.
    ShowStatus(std::wstring());
  }
  ~TBatchWindow() override { Application()->OnMessage = FSaved; }

  bool Pump() override {
    Application()->ProcessMessages();
    return FStopAsked || Application()->Terminated();
  }

  void Write(const std::vector<std::wstring>& results, size_t done, size_t total) override {
    FForm.Memo_IPLog->Lines()->AddLines(results);
    if (done < total) ShowStatus(BatchProgressText(done, total));
  }

  // A batch that ended by itself says nothing, as a short one never did.
  void Finish(TBatchEnd end, size_t done, size_t total) {
    ShowStatus(end == TBatchEnd::Stopped ? BatchStoppedText(done, total) : std::wstring());
  }

private:
  void ShowStatus(const std::wstring& text) { FForm.StatusBar1->Panel(0)->SetText(text); }

  TForm1& FForm;
  std::function<void(MSG&, bool&)> FSaved;
  bool FStopAsked = false;
};

template <class T>
T* TForm1::Field(const char* name) {
  T* component = FindComponentAs<T>(name);
  if (!component) throw Exception(std::string("The main window's description lacks ") + name);
  return component;
}

TForm1::TForm1(TComponent* owner) : TForm(owner) {
  // The description holds the skin component; its class must be known before reading, and
  // the manager it starts must be able to make form skinners.
  RegisterSkinModelClasses();
  TWinSkinForm::Register();
  RegisterControlSkinners();
  ReadComponentResource(this, L"TFORM1");
  SaveDialog1 = Field<TSaveDialog>("SaveDialog1");
  PageControl1 = Field<TPageControl>("PageControl1");
  TabSheet1 = Field<TTabSheet>("TabSheet1");
  TabSheet2 = Field<TTabSheet>("TabSheet2");
  Button_IPVer = Field<TButton>("Button_IPVer");
  Memo1 = Field<TMemo>("Memo1");
  StatusBar1 = Field<TStatusBar>("StatusBar1");
  SkinData1 = FindComponent("SkinData1");
  Edit_Ver = Field<TEdit>("Edit_Ver");
  Button3 = Field<TButton>("Button3");
  Panel2 = Field<TPanel>("Panel2");
  Memo_IPLog = Field<TMemo>("Memo_IPLog");
  Memo_IPList = Field<TMemo>("Memo_IPList");
  Panel1 = Field<TPanel>("Panel1");
  Label1 = Field<TLabel>("Label1");
  Label2 = Field<TLabel>("Label2");
  Button_TCPUDP = Field<TButton>("Button_TCPUDP");
  Button2 = Field<TButton>("Button2");
  Button1 = Field<TButton>("Button1");
  Label3 = Field<TLabel>("Label3");
  DoCreate();
}

TForm1::~TForm1() = default;

TNotifyEvent TForm1::FindMethod(std::string_view name) {
  using Handler = void (TForm1::*)(TObject*);
  static const std::pair<const char*, Handler> handlers[] = {
      {"FormCreate", &TForm1::FormCreate},       {"Button_TCPUDPClick", &TForm1::Button_TCPUDPClick},
      {"Button2Click", &TForm1::Button2Click},   {"Button_IPVerClick", &TForm1::Button_IPVerClick},
      {"Button1Click", &TForm1::Button1Click},   {"Button3Click", &TForm1::Button3Click},
      {"Label3Click", &TForm1::Label3Click},
  };
  for (const auto& [handlerName, method] : handlers) {
    if (name == handlerName) return [this, method](TObject* sender) { (this->*method)(sender); };
  }
  return nullptr;
}

void TForm1::FormCreate(TObject*) { SetCaption(Caption() + L" Ver:" + Edit_Ver->Text()); }

void TForm1::StartSkinChoice(const std::optional<std::wstring>& runSkin) {
  auto* data = dynamic_cast<TSkinData*>(SkinData1);
  if (!data || FSkinMenu) return;
  FSkinMenu = std::make_unique<TSkinMenu>(Handle(), *data,
                                          [this](const std::wstring& text) { StatusBar1->Panel(0)->SetText(text); });
  FSkinMenu->Start(runSkin);
}

void TForm1::WndProc(TMessage& message) {
  if (FSkinMenu) {
    switch (message.Msg) {
      case WM_SYSCOMMAND:
        if (FSkinMenu->SystemCommand(message.WParam)) {
          message.Result = 0;
          return;
        }
        break;
      case WM_COMMAND:
        // Wine reports an item of a system-menu submenu as a menu command, not a system one.
        if (HIWORD(message.WParam) == 0 && message.LParam == 0 && FSkinMenu->SystemCommand(LOWORD(message.WParam))) {
          message.Result = 0;
          return;
        }
        break;
      case WM_SETTINGCHANGE:
      case WM_SYSCOLORCHANGE:
        FSkinMenu->SystemSettingsChanged();
        break;
      case WM_INITMENU:
        // The platform's own system menu (no skin) is about to open.
        FSkinMenu->RefreshMenu();
        break;
      case WM_ACTIVATEAPP:
        // Back in the program: skins may have been dropped into the folder meanwhile.
        if (message.WParam) FSkinMenu->RefreshMenu();
        break;
      default:
        break;
    }
  }
  TForm::WndProc(message);
}

void TForm1::Button_TCPUDPClick(TObject*) {
  // The window stays live while a batch runs; a second press must not start another.
  if (FBatchRunning) return;
  const std::wstring input = Memo_IPList->Text();
  if (input.empty()) {
    MessageBoxW(Application()->Handle(), ExampleMessage().c_str(), Application()->Title().c_str(), MB_OK);
    return;
  }
  FBatchRunning = true;
  struct Running {
    bool& flag;
    ~Running() { flag = false; }
  } running{FBatchRunning};
  Memo_IPLog->Lines()->Clear();
  Application()->ProcessMessages();
  // The lines as typed, not as the pane wraps them: a long host name is one line.
  TBatchQuery batch(SplitTextLines(input), kDatabase, ResolveHost);
  TBatchWindow window(*this);
  // The first failing line ends the batch silently; what was written stays.
  const TBatchEnd end = batch.Run(window);
  window.Finish(end, batch.Done(), batch.Total());
}

void TForm1::Button_IPVerClick(TObject*) {
  Memo1->Lines()->Clear();
  // The database is closed again whatever happens, so the updater can replace it.
  struct Close {
    std::unique_ptr<TQQWry>& reader;
    ~Close() { reader.reset(); }
  } close{FReader};
  FReader = std::make_unique<TQQWry>(kDatabase);
  Memo1->Lines()->Add(Utf8ToWide(FormatText("文件大小：%lld字节", static_cast<long long>(FReader->FileSize()))));
  Memo1->Lines()->Add(Utf8ToWide(FormatText("记录总数：%lld条", static_cast<long long>(FReader->RecordCount()))));
  const int year = FReader->ReleaseDate().Year;
  const int month = FReader->ReleaseDate().Month;
  const int day = FReader->ReleaseDate().Day;
  Memo1->Lines()->Add(L"更新日期：" + Utf8ToWide(FormatText("%d年%d月%d日", year, month, day)));
  Memo1->Lines()->Add(L"数据库版本：" + GbkToWide(FReader->DatabaseVersion()));
}

void TForm1::Button1Click(TObject*) {
  ShellExecuteW(Handle(), L"open", UpdatePageAddress(Edit_Ver->Text()).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

void TForm1::Label3Click(TObject* sender) { Button1Click(sender); }

void TForm1::Button3Click(TObject*) {
  std::wstring program(MAX_PATH, L'\0');
  for (;;) {
    const DWORD n = GetModuleFileNameW(nullptr, program.data(), static_cast<DWORD>(program.size()));
    if (n < program.size()) {
      program.resize(n);
      break;
    }
    program.resize(program.size() * 2);
  }
  const std::wstring path = UpdaterPath(program);
  if (!FileExists(WideToUtf8(path))) return;
  const std::wstring command = QuotedCommand(path);
  // A path the ANSI code page cannot hold would not start through the ANSI call.
  BOOL lossy = FALSE;
  const int n = WideCharToMultiByte(CP_ACP, 0, command.c_str(), -1, nullptr, 0, nullptr, &lossy);
  if (!lossy && n > 0) {
    std::string ansi(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(CP_ACP, 0, command.c_str(), -1, ansi.data(), n, nullptr, nullptr);
    WinExec(ansi.c_str(), SW_SHOW);
    return;
  }
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_SHOW;
  PROCESS_INFORMATION process{};
  std::wstring line = command;
  if (CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
  }
}

void TForm1::Button2Click(TObject*) {
  if (!SaveDialog1->Execute()) return;
  const std::wstring file = SaveDialog1->FileName();
  const std::string bytes = ResultFileBytes(Memo_IPLog->Lines()->ToVector());
  try {
    TFileStream out(WideToUtf8(file), TFileMode::Create);
    out.WriteBuffer(bytes.data(), static_cast<std::int64_t>(bytes.size()));
  } catch (const Exception&) {
    throw Exception("无法保存文件 " + WideToUtf8(file) + "，查询结果仍在窗口中");
  }
  MessageBoxW(Handle(), (L"连接表信息已保存到文件 " + file + L" 中。").c_str(), L"保存完毕", MB_OK | MB_ICONINFORMATION);
}
