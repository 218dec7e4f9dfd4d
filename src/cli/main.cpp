// Entry point of the command-line tool.
#include <iostream>

#include "cli/cli.h"

#ifdef _WIN32
#include "base/codec.h"
#include "base/win32.h"
#endif

int main(int argc, char** argv) {
  std::vector<std::string> args;
#ifdef _WIN32
  // The ANSI argv cannot hold every character of a file name; take the wide command line.
  (void)argc;
  (void)argv;
  int count = 0;
  if (wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count)) {
    for (int i = 1; i < count; ++i) args.push_back(WideToUtf8(wide[i]));
    LocalFree(wide);
  }
  if (GetFileType(GetStdHandle(STD_OUTPUT_HANDLE)) == FILE_TYPE_CHAR) SetConsoleOutputCP(CP_UTF8);
#else
  for (int i = 1; i < argc; ++i) args.emplace_back(argv[i]);
#endif
  // The streams' own buffers; the tool does its own buffering of whole answers.
  std::ios::sync_with_stdio(false);
  return RunCli(args, std::cin, std::cout, std::cerr);
}
