// The Windows message box for skin file notices when the caller installed no hook.
#include "base/codec.h"
#include "base/win32.h"
#include "skin/file/skin_notice.h"

void ShowSkinFileMessage(const std::string& text) {
  MessageBoxW(nullptr, Utf8ToWide(text).c_str(), L"", MB_OK);
}
