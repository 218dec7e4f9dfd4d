// Drives the real corvana.exe from outside, as an automation client would: starts it in a
// folder, finds its windows by class, caption and place, types, clicks and reads back.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "base/win32.h"

class TAppDriver {
public:
  TAppDriver() = default;
  ~TAppDriver();
  TAppDriver(const TAppDriver&) = delete;
  TAppDriver& operator=(const TAppDriver&) = delete;

  // Starts the program in a folder, with arguments after its name; false when it does not start.
  bool Start(const std::wstring& program, const std::wstring& folder, const std::wstring& arguments = L"");
  // Waits for the main window ("TForm1" of this process); null after the timeout.
  HWND WaitMainWindow(int milliseconds = 15000);
  // Waits for the process to end; false when it still runs after the timeout.
  bool WaitExit(int milliseconds);
  void Kill();
  DWORD ProcessId() const { return FProcess.dwProcessId; }
  HANDLE Process() const { return FProcess.hProcess; }
  HWND MainWindow() const { return FMain; }

  // Children of the main window.
  std::vector<HWND> Children(const wchar_t* className) const;
  HWND Button(const std::wstring& caption) const;
  // The memos of the query tab: input on the left, results on the right.
  HWND InputMemo() const;
  HWND ResultMemo() const;
  // The information memo of the database tab.
  HWND InfoMemo() const;
  HWND PageControl() const;
  void SelectTab(int index);
  // A tab of the page control on the screen (read inside the program's own memory).
  RECT TabScreenRect(int index) const;

  // A message box of this process (class "#32770"), or null.
  HWND FindDialog(const std::wstring& caption = L"") const;
  HWND WaitDialog(const std::wstring& caption, int milliseconds);
  static std::wstring DialogText(HWND dialog);
  static void PressDialogButton(HWND dialog, int id);

  static std::wstring Text(HWND window);
  static void SetText(HWND window, const std::wstring& text);
  static std::vector<std::wstring> Lines(HWND memo);
  // Presses a button without waiting for its handler (which may open a modal box).
  static void Click(HWND button);
  // Presses a button and waits until its handler has returned; false after the timeout.
  static bool ClickAndWait(HWND button, int milliseconds);
  // The first panel of the main window's status bar.
  std::wstring StatusText() const;
  // Waits until a condition holds; false after the timeout.
  static bool WaitUntil(const std::function<bool()>& condition, int milliseconds);
  static RECT ScreenRect(HWND window);
  // The mouse through the system's input queue, as a user moves it: a left click at a screen
  // point, and a left-button drag from one point to another in steps.
  static void MouseClick(POINT at);
  static void MouseDrag(POINT from, POINT to, int steps = 8);
  // Saves the window's area of the screen as a 24-bit BMP file.
  static bool SaveScreenshot(HWND window, const std::wstring& file);

private:
  PROCESS_INFORMATION FProcess{};
  HWND FMain = nullptr;
};

// Windows of a class that belong to a process (visible top-level ones).
std::vector<HWND> TopLevelWindows(DWORD processId, const wchar_t* className);
// Every top-level window of a class, of any process.
int CountTopLevelWindows(const wchar_t* className);
// The folder of the running test program.
std::wstring ProgramFolder();
// Runs a console program with standard input from a file and standard output to a file;
// its exit code, or -1 when it does not start or end within the time.
int RunConsoleProgram(const std::wstring& commandLine, const std::wstring& folder, const std::wstring& input,
                      const std::wstring& output, int milliseconds);
