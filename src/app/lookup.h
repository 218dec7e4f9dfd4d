// The lookup steps of the main window that need no window: one result line per input line,
// the database facts, the update page, the updater and the saved result file.
#pragma once

#include <string>
#include <vector>

#include "base/strings.h"

// "IP:<end> 国家:<country> 地区:<area>" from the location fields (GBK) of one record.
std::wstring ResultLine(const TStringList& fields);

// The first status-bar panel while a long batch runs, and after Esc stopped it.
std::wstring BatchProgressText(size_t done, size_t total);
std::wstring BatchStoppedText(size_t done, size_t total);

// The text of the empty-input message.
std::wstring ExampleMessage();

// The update page for a version text: http://<update host>/?qq=<version>, the version
// placed as it is.
std::wstring UpdatePageAddress(const std::wstring& version);

// The updater's path: the folder of the program file, then "\Kestrune.exe".
std::wstring UpdaterPath(const std::wstring& programFile);

// The command line that starts a program at path: the path in quotes, so a folder with
// blanks cannot make another program start.
std::wstring QuotedCommand(const std::wstring& path);

// The result pane's lines as a file: UTF-8 with a byte-order mark, lines ended by CR LF.
std::string ResultFileBytes(const std::vector<std::wstring>& lines);
