// The built-in default skin and the checks a skin file passes before the viewer uses it.
#include "skinchoice/skin_source.h"

#include <filesystem>
#include <functional>

#include "base/codec.h"
#include "base/error.h"
#include "base/win32.h"
#include "skin/file/skin_reader.h"

namespace {

constexpr const wchar_t* kDefaultSkinResource = L"DEFAULTSKIN";

// Routes the reader's own "older skin file" box into the problem text while checking, so the
// user sees one message and the check never blocks on a box of its own.
class TReaderBoxCatcher {
public:
  explicit TReaderBoxCatcher(std::string& text) : FSaved(TSkinReader::OnMessageBox) {
    TSkinReader::OnMessageBox = [&text](const std::string& message) { text = message; };
  }
  ~TReaderBoxCatcher() { TSkinReader::OnMessageBox = FSaved; }
  TReaderBoxCatcher(const TReaderBoxCatcher&) = delete;
  TReaderBoxCatcher& operator=(const TReaderBoxCatcher&) = delete;

private:
  std::function<void(const std::string&)> FSaved;
};

}  // namespace

bool ReadDefaultSkin(TMemoryStream& out) {
  HMODULE module = GetModuleHandleW(nullptr);
  HRSRC found = FindResourceW(module, kDefaultSkinResource, MAKEINTRESOURCEW(10));  // RT_RCDATA
  if (!found) return false;
  HGLOBAL loaded = LoadResource(module, found);
  const void* bytes = loaded ? LockResource(loaded) : nullptr;
  const DWORD size = SizeofResource(module, found);
  if (!bytes || size == 0) return false;
  out.Clear();
  out.WriteBuffer(bytes, size);
  out.SetPosition(0);
  return true;
}

std::wstring SkinArchiveProblem(TMemoryStream& archive) {
  std::string readerText;
  TReaderBoxCatcher catcher(readerText);
  TSkinReader reader;
  bool opened = false;
  archive.SetPosition(0);
  try {
    opened = reader.Load(archive);
  } catch (const Exception& e) {
    readerText = e.Message();
  }
  archive.SetPosition(0);
  if (!opened) {
    std::wstring text = L"这不是皮肤文件，或文件已损坏。";
    if (!readerText.empty()) text += L"\n" + Utf8ToWide(readerText);
    return text;
  }
  TMemoryStream description;
  std::string name;
  reader.FindEntry(".ini", description, name);
  if (name.empty()) return L"皮肤文件里没有皮肤描述（.ini）。";
  return {};
}

bool ReadSkinFile(const std::wstring& path, TMemoryStream& out, std::wstring& problem) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(std::filesystem::path(path), error)) {
    problem = L"找不到文件。";
    return false;
  }
  // A skin is far smaller than this; a bigger file is not read into memory at all.
  const auto size = std::filesystem::file_size(std::filesystem::path(path), error);
  if (error || size > static_cast<std::uintmax_t>(kMaxSkinContainerSize)) {
    problem = L"这不是皮肤文件：文件太大。";
    return false;
  }
  try {
    out.LoadFromFile(WideToUtf8(path));
  } catch (const Exception& e) {
    problem = L"无法读取文件：" + Utf8ToWide(e.Message());
    return false;
  }
  problem = SkinArchiveProblem(out);
  return problem.empty();
}
