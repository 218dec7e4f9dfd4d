// Portable builds have no message box; callers that want the text install a hook.
#include "skin/file/skin_notice.h"

void ShowSkinFileMessage(const std::string&) {}
