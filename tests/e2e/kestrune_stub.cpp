// A stand-in for the updater: leaves a mark in its working folder and ends.
#include "base/win32.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int show) {
  HANDLE mark = CreateFileW(L"kestrune-ran.txt", GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (mark != INVALID_HANDLE_VALUE) {
    char text[16];
    const int n = wsprintfA(text, "%d", show);
    DWORD written = 0;
    WriteFile(mark, text, static_cast<DWORD>(n), &written, nullptr);
    CloseHandle(mark);
  }
  return 0;
}
