// Where the user's settings live and how they are read and written.
#pragma once

#include <string>

#include "skinchoice/skin_settings.h"

// The settings file: "Corvana\settings.ini" in the user's application-data folder (%APPDATA%,
// else the platform's CSIDL_APPDATA); empty when neither is known.
std::wstring SettingsFilePath();

// The remembered choice; the default (follow the system) when the file is missing, unreadable
// or damaged.
TSkinChoice LoadSkinChoice(const std::wstring& settingsFile);

// Writes the choice through a temporary file that then replaces the old one, so a crash or a
// full disk never leaves half a file. False when it could not be written.
bool SaveSkinChoice(const std::wstring& settingsFile, const TSkinChoice& choice);

// The folder of the running program (no trailing separator).
std::wstring ProgramFolder();
// Its "skins" folder.
std::wstring SkinsFolder();
