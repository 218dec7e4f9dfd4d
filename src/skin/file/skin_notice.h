// The message box a skin file reader shows when no hook is installed (platform side).
#pragma once

#include <string>

// A modal box with an OK button on Windows; nothing elsewhere.
void ShowSkinFileMessage(const std::string& text);
