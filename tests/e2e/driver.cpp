// The automation driver of corvana.exe.
#include "driver.h"

#include <algorithm>
#include <chrono>
#include <thread>

namespace {

std::wstring ClassOf(HWND window) {
  wchar_t name[128]{};
  GetClassNameW(window, name, 128);
  return name;
}

struct EnumState {
  DWORD process;
  const wchar_t* cls;
  std::vector<HWND> found;
};

BOOL CALLBACK CollectTopLevel(HWND window, LPARAM data) {
  auto* state = reinterpret_cast<EnumState*>(data);
  DWORD pid = 0;
  GetWindowThreadProcessId(window, &pid);
  if ((state->process == 0 || pid == state->process) && ClassOf(window) == state->cls && IsWindowVisible(window))
    state->found.push_back(window);
  return TRUE;
}

}  // namespace

std::vector<HWND> TopLevelWindows(DWORD processId, const wchar_t* className) {
  EnumState state{processId, className, {}};
  EnumWindows(CollectTopLevel, reinterpret_cast<LPARAM>(&state));
  return state.found;
}

int CountTopLevelWindows(const wchar_t* className) {
  return static_cast<int>(TopLevelWindows(0, className).size());
}

std::wstring ProgramFolder() {
  wchar_t path[MAX_PATH]{};
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring folder = path;
  return folder.substr(0, folder.find_last_of(L"\\/"));
}

TAppDriver::~TAppDriver() { Kill(); }

bool TAppDriver::Start(const std::wstring& program, const std::wstring& folder, const std::wstring& arguments) {
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  std::wstring command = L"\"" + program + L"\"";
  if (!arguments.empty()) command += L" " + arguments;
  return CreateProcessW(program.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(),
                        &startup, &FProcess) != 0;
}

HWND TAppDriver::WaitMainWindow(int milliseconds) {
  WaitUntil(
      [&] {
        const auto found = TopLevelWindows(FProcess.dwProcessId, L"TForm1");
        FMain = found.empty() ? nullptr : found.front();
        return FMain != nullptr;
      },
      milliseconds);
  // Let the first paint and the message loop settle.
  if (FMain) WaitForInputIdle(FProcess.hProcess, 5000);
  return FMain;
}

bool TAppDriver::WaitExit(int milliseconds) {
  return FProcess.hProcess && WaitForSingleObject(FProcess.hProcess, static_cast<DWORD>(milliseconds)) == WAIT_OBJECT_0;
}

void TAppDriver::Kill() {
  if (!FProcess.hProcess) return;
  if (WaitForSingleObject(FProcess.hProcess, 0) != WAIT_OBJECT_0) {
    if (FMain) PostMessageW(FMain, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(FProcess.hProcess, 5000) != WAIT_OBJECT_0) TerminateProcess(FProcess.hProcess, 1);
  }
  CloseHandle(FProcess.hThread);
  CloseHandle(FProcess.hProcess);
  FProcess = PROCESS_INFORMATION{};
  FMain = nullptr;
}

std::vector<HWND> TAppDriver::Children(const wchar_t* className) const {
  struct State {
    const wchar_t* cls;
    std::vector<HWND> found;
  } state{className, {}};
  EnumChildWindows(
      FMain,
      [](HWND w, LPARAM data) -> BOOL {
        auto* s = reinterpret_cast<State*>(data);
        if (ClassOf(w) == s->cls) s->found.push_back(w);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&state));
  return state.found;
}

HWND TAppDriver::Button(const std::wstring& caption) const {
  for (HWND b : Children(L"TButton")) {
    if (Text(b) == caption) return b;
  }
  return nullptr;
}

HWND TAppDriver::PageControl() const {
  const auto pages = Children(L"TPageControl");
  return pages.empty() ? nullptr : pages.front();
}

namespace {

// The memos whose parent is a given tab sheet (by its caption), left to right.
std::vector<HWND> MemosOfSheet(const TAppDriver& driver, const std::wstring& sheetCaption) {
  std::vector<HWND> memos;
  for (HWND memo : driver.Children(L"TMemo")) {
    if (TAppDriver::Text(GetParent(memo)) == sheetCaption) memos.push_back(memo);
  }
  std::sort(memos.begin(), memos.end(),
            [](HWND a, HWND b) { return TAppDriver::ScreenRect(a).left < TAppDriver::ScreenRect(b).left; });
  return memos;
}

}  // namespace

HWND TAppDriver::InputMemo() const {
  const auto memos = MemosOfSheet(*this, L"IP/域名 所在地查询");
  return memos.size() == 2 ? memos[0] : nullptr;
}

HWND TAppDriver::ResultMemo() const {
  const auto memos = MemosOfSheet(*this, L"IP/域名 所在地查询");
  return memos.size() == 2 ? memos[1] : nullptr;
}

HWND TAppDriver::InfoMemo() const {
  const auto memos = MemosOfSheet(*this, L"IP数据库升级");
  return memos.size() == 1 ? memos[0] : nullptr;
}

RECT TAppDriver::TabScreenRect(int index) const {
  const HWND tabs = PageControl();
  void* remote = VirtualAllocEx(FProcess.hProcess, nullptr, sizeof(RECT), MEM_COMMIT, PAGE_READWRITE);
  RECT r{};
  if (remote && SendMessageW(tabs, TCM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(remote)))
    ReadProcessMemory(FProcess.hProcess, remote, &r, sizeof r, nullptr);
  if (remote) VirtualFreeEx(FProcess.hProcess, remote, 0, MEM_RELEASE);
  MapWindowPoints(tabs, nullptr, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

void TAppDriver::SelectTab(int index) {
  // Click the tab as a user would: its rectangle is read inside the program's own memory.
  const HWND tabs = PageControl();
  RECT r = TabScreenRect(index);
  MapWindowPoints(nullptr, tabs, reinterpret_cast<POINT*>(&r), 2);
  const LPARAM at = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
  PostMessageW(tabs, WM_LBUTTONDOWN, MK_LBUTTON, at);
  PostMessageW(tabs, WM_LBUTTONUP, 0, at);
  WaitUntil([&] { return SendMessageW(tabs, TCM_GETCURSEL, 0, 0) == index; }, 3000);
}

HWND TAppDriver::FindDialog(const std::wstring& caption) const {
  for (HWND dialog : TopLevelWindows(FProcess.dwProcessId, L"#32770")) {
    if (caption.empty() || Text(dialog) == caption) return dialog;
  }
  return nullptr;
}

HWND TAppDriver::WaitDialog(const std::wstring& caption, int milliseconds) {
  HWND found = nullptr;
  WaitUntil(
      [&] {
        found = FindDialog(caption);
        return found != nullptr;
      },
      milliseconds);
  return found;
}

std::wstring TAppDriver::DialogText(HWND dialog) {
  std::wstring text;
  EnumChildWindows(
      dialog,
      [](HWND w, LPARAM data) -> BOOL {
        if (ClassOf(w) == L"Static") {
          const std::wstring t = Text(w);
          if (!t.empty()) *reinterpret_cast<std::wstring*>(data) += t;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&text));
  return text;
}

void TAppDriver::PressDialogButton(HWND dialog, int id) {
  PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

std::wstring TAppDriver::Text(HWND window) {
  const LRESULT length = SendMessageW(window, WM_GETTEXTLENGTH, 0, 0);
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  const LRESULT got = SendMessageW(window, WM_GETTEXT, static_cast<WPARAM>(text.size()), reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<size_t>(got));
  return text;
}

void TAppDriver::SetText(HWND window, const std::wstring& text) {
  SendMessageW(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

std::vector<std::wstring> TAppDriver::Lines(HWND memo) {
  const std::wstring text = Text(memo);
  std::vector<std::wstring> lines;
  size_t pos = 0;
  while (pos < text.size()) {
    size_t end = text.find(L"\r\n", pos);
    if (end == std::wstring::npos) end = text.size();
    lines.push_back(text.substr(pos, end - pos));
    pos = end + 2;
  }
  return lines;
}

void TAppDriver::Click(HWND button) { PostMessageW(button, BM_CLICK, 0, 0); }

bool TAppDriver::ClickAndWait(HWND button, int milliseconds) {
  DWORD_PTR result = 0;
  return SendMessageTimeoutW(button, BM_CLICK, 0, 0, SMTO_NORMAL, static_cast<UINT>(milliseconds), &result) != 0;
}

std::wstring TAppDriver::StatusText() const {
  // A status bar answers WM_GETTEXT with the text of its first part.
  const auto bars = Children(L"TStatusBar");
  return bars.empty() ? std::wstring() : Text(bars.front());
}

int RunConsoleProgram(const std::wstring& commandLine, const std::wstring& folder, const std::wstring& input,
                      const std::wstring& output, int milliseconds) {
  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  HANDLE in = CreateFileW(input.c_str(), GENERIC_READ, FILE_SHARE_READ, &inherit, OPEN_EXISTING, 0, nullptr);
  HANDLE out = CreateFileW(output.c_str(), GENERIC_WRITE, 0, &inherit, CREATE_ALWAYS, 0, nullptr);
  int code = -1;
  if (in != INVALID_HANDLE_VALUE && out != INVALID_HANDLE_VALUE) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = in;
    startup.hStdOutput = out;
    startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    PROCESS_INFORMATION process{};
    std::wstring line = commandLine;
    if (CreateProcessW(nullptr, line.data(), nullptr, nullptr, TRUE, 0, nullptr, folder.c_str(), &startup, &process)) {
      DWORD exitCode = 0;
      if (WaitForSingleObject(process.hProcess, static_cast<DWORD>(milliseconds)) == WAIT_OBJECT_0 &&
          GetExitCodeProcess(process.hProcess, &exitCode))
        code = static_cast<int>(exitCode);
      else
        TerminateProcess(process.hProcess, 1);
      CloseHandle(process.hThread);
      CloseHandle(process.hProcess);
    }
  }
  if (in != INVALID_HANDLE_VALUE) CloseHandle(in);
  if (out != INVALID_HANDLE_VALUE) CloseHandle(out);
  return code;
}

bool TAppDriver::WaitUntil(const std::function<bool()>& condition, int milliseconds) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
  while (!condition()) {
    if (std::chrono::steady_clock::now() >= end) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  return true;
}

RECT TAppDriver::ScreenRect(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return r;
}

namespace {

void MouseButton(DWORD flag) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = flag;
  SendInput(1, &input, sizeof(INPUT));
}

void MouseMoveTo(POINT at) {
  // Absolute moves are given in 0..65535 across the primary screen.
  const int w = GetSystemMetrics(SM_CXSCREEN) - 1, h = GetSystemMetrics(SM_CYSCREEN) - 1;
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dx = MulDiv(at.x, 65535, std::max(w, 1));
  input.mi.dy = MulDiv(at.y, 65535, std::max(h, 1));
  input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  SendInput(1, &input, sizeof(INPUT));
}

}  // namespace

void TAppDriver::MouseClick(POINT at) {
  SetCursorPos(at.x, at.y);
  Sleep(50);
  MouseButton(MOUSEEVENTF_LEFTDOWN);
  Sleep(50);
  MouseButton(MOUSEEVENTF_LEFTUP);
}

void TAppDriver::MouseDrag(POINT from, POINT to, int steps) {
  SetCursorPos(from.x, from.y);
  Sleep(50);
  MouseButton(MOUSEEVENTF_LEFTDOWN);
  Sleep(80);
  for (int i = 1; i <= steps; ++i) {
    MouseMoveTo(POINT{from.x + (to.x - from.x) * i / steps, from.y + (to.y - from.y) * i / steps});
    Sleep(30);
  }
  Sleep(80);
  MouseButton(MOUSEEVENTF_LEFTUP);
}

bool TAppDriver::SaveScreenshot(HWND window, const std::wstring& file) {
  const RECT r = ScreenRect(window);
  const int w = r.right - r.left, h = r.bottom - r.top;
  if (w <= 0 || h <= 0) return false;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = w;
  info.bmiHeader.biHeight = h;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, w, h, screen, r.left, r.top, SRCCOPY);
  GdiFlush();
  const DWORD stride = static_cast<DWORD>((w * 3 + 3) & ~3);
  BITMAPFILEHEADER header{};
  header.bfType = 0x4D42;
  header.bfOffBits = sizeof header + sizeof info.bmiHeader;
  header.bfSize = header.bfOffBits + stride * static_cast<DWORD>(h);
  bool ok = false;
  HANDLE out = CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (out != INVALID_HANDLE_VALUE) {
    DWORD written = 0;
    ok = WriteFile(out, &header, sizeof header, &written, nullptr) &&
         WriteFile(out, &info.bmiHeader, sizeof info.bmiHeader, &written, nullptr) &&
         WriteFile(out, bits, stride * static_cast<DWORD>(h), &written, nullptr);
    CloseHandle(out);
  }
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return ok;
}
