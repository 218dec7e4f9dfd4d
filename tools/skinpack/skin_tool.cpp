// The commands of the skin tool.
#include "skin_tool.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>

#include "base/error.h"
#include "base/stream.h"
#include "lzh_encoder.h"
#include "skin/file/lzh.h"
#include "skin/file/skin_reader.h"
#include "skin_check.h"
#include "skin_writer.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* kUsage =
    "usage: corvana-skin pack DIR ARCHIVE [--format VERSION]\n"
    "       corvana-skin list ARCHIVE\n"
    "       corvana-skin extract ARCHIVE DIR\n"
    "       corvana-skin check ARCHIVE\n"
    "       corvana-skin compress IN OUT\n"
    "       corvana-skin decompress IN OUT\n"
    "  pack: the description (.ini) and every bitmap (.bmp) of DIR; VERSION is 20000, 30000,\n"
    "  40000, 50000, 60000 or 70000 (the default).\n";

struct TUsageError : Exception {
  using Exception::Exception;
};

std::vector<std::uint8_t> ReadFile(const fs::path& name) {
  std::error_code ec;
  if (fs::is_directory(name, ec)) throw Exception("\"" + name.string() + "\" is a folder, not a file");
  const auto size = fs::file_size(name, ec);
  if (ec) throw Exception("cannot read \"" + name.string() + "\": " + ec.message());
  if (size > static_cast<std::uintmax_t>(kMaxSkinContainerSize) * 2)
    throw Exception("\"" + name.string() + "\" is too large for a skin");
  std::ifstream in(name, std::ios::binary);
  std::vector<std::uint8_t> bytes(static_cast<size_t>(size));
  if (!in || !in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size())))
    throw Exception("cannot read \"" + name.string() + "\"");
  return bytes;
}

void WriteFile(const fs::path& name, std::span<const std::uint8_t> bytes) {
  std::ofstream out(name, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  out.close();
  if (!out) throw Exception("cannot write \"" + name.string() + "\"");
}

bool HasExtension(const fs::path& file, const char* extension) {
  return LowerAscii(file.extension().string()) == extension;
}

int Pack(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  std::vector<std::string> operands;
  std::int32_t version = 70000;
  for (size_t i = 1; i < args.size(); ++i) {
    if (args[i] == "--format") {
      if (i + 1 >= args.size() || !TryStrToInt(args[i + 1], version)) throw TUsageError("--format needs a version");
      ++i;
    } else {
      operands.push_back(args[i]);
    }
  }
  if (operands.size() != 2) throw TUsageError("pack needs DIR and ARCHIVE");
  if (SkinSkippedBlockSize(version) < 0) throw TUsageError(FormatText("unknown format %d", version));
  const fs::path dir = operands[0];
  std::error_code ec;
  if (!fs::is_directory(dir, ec)) throw Exception("\"" + operands[0] + "\" is not a folder");

  std::vector<fs::path> descriptions, bitmaps;
  for (const fs::directory_entry& file : fs::directory_iterator(dir)) {
    if (!file.is_regular_file()) continue;
    if (HasExtension(file.path(), ".ini")) {
      descriptions.push_back(file.path());
    } else if (HasExtension(file.path(), ".bmp")) {
      bitmaps.push_back(file.path());
    } else {
      err << "corvana-skin: skipping " << file.path().filename().string() << " (neither .ini nor .bmp)\n";
    }
  }
  if (descriptions.size() != 1)
    throw Exception(FormatText("\"%s\" must hold exactly one description (.ini), not %zu", operands[0].c_str(),
                               descriptions.size()));
  std::sort(bitmaps.begin(), bitmaps.end());
  // The description goes first: the program finds it as the first entry whose name holds
  // ".ini", and a bitmap such as "a.ini.bmp" must not come before it.
  std::vector<TSkinEntry> entries;
  entries.push_back(TSkinEntry{descriptions[0].filename().string(), ReadFile(descriptions[0])});
  for (const fs::path& bitmap : bitmaps) entries.push_back(TSkinEntry{bitmap.filename().string(), ReadFile(bitmap)});
  const std::vector<std::uint8_t> archive = BuildSkinArchive(entries, version);
  WriteFile(operands[1], archive);
  out << "packed " << entries.size() << " entries into " << operands[1] << " (format " << version << ", "
      << archive.size() << " bytes)\n";
  return 0;
}

// Loads an archive file; a refused one is reported as a failure with the reason.
void LoadArchive(const std::string& name, TSkinReader& reader) {
  TMemoryStream archive(ReadFile(name));
  // The reason of a refusal is reported below; no message box for a console tool.
  TSkinReader::OnMessageBox = [](const std::string&) {};
  const bool loaded = reader.Load(archive);
  TSkinReader::OnMessageBox = nullptr;
  if (!loaded) throw Exception(name + ": " + reader.LastError());
}

int List(const std::vector<std::string>& args, std::ostream& out) {
  if (args.size() != 2) throw TUsageError("list needs ARCHIVE");
  TSkinReader reader;
  LoadArchive(args[1], reader);
  std::int64_t total = 0;
  for (int i = 0; i < reader.Count(); ++i) total += reader.EntrySize(i);
  out << "format " << reader.Version() << ", " << reader.Count() << " entries, " << total << " bytes\n";
  for (int i = 0; i < reader.Count(); ++i)
    out << FormatText("%10d  %s\n", reader.EntrySize(i), reader.Names()[i].c_str());
  return 0;
}

// A name that cannot leave the target folder or name something else than a plain file.
bool IsSafeEntryName(const std::string& name) {
  if (name.empty() || name == "." || name == "..") return false;
  return std::none_of(name.begin(), name.end(), [](char c) {
    return c == '/' || c == '\\' || c == ':' || static_cast<unsigned char>(c) < 32 || c == '*' || c == '?' ||
           c == '"' || c == '<' || c == '>' || c == '|';
  });
}

int Extract(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (args.size() != 3) throw TUsageError("extract needs ARCHIVE and DIR");
  TSkinReader reader;
  LoadArchive(args[1], reader);
  const fs::path dir = args[2];
  fs::create_directories(dir);
  int status = 0;
  int written = 0;
  std::set<std::string> seen;
  for (int i = 0; i < reader.Count(); ++i) {
    const std::string& name = reader.Names()[i];
    if (!IsSafeEntryName(name)) {
      err << "corvana-skin: entry " << i + 1 << " has the unusable file name \"" << name << "\"; not extracted\n";
      status = 1;
      continue;
    }
    if (!seen.insert(name).second) {
      err << "corvana-skin: entry " << i + 1 << " repeats the name \"" << name
          << "\"; the program only ever reads the first; not extracted\n";
      status = 1;
      continue;
    }
    TMemoryStream entry;
    reader.GetEntryAt(i, entry);
    WriteFile(dir / name, entry.Bytes());
    ++written;
  }
  out << "extracted " << written << " of " << reader.Count() << " entries into " << args[2] << "\n";
  return status;
}

int Check(const std::vector<std::string>& args, std::ostream& out) {
  if (args.size() != 2) throw TUsageError("check needs ARCHIVE");
  TSkinReader reader;
  LoadArchive(args[1], reader);
  const TSkinCheckReport report = CheckSkin(reader);
  for (const TCheckLine& line : report.Lines) {
    const char* status = line.Status == TCheckStatus::Ok        ? "ok"
                         : line.Status == TCheckStatus::Absent  ? "-"
                         : line.Status == TCheckStatus::Warning ? "warning"
                                                                : "PROBLEM";
    out << FormatText("%-8s %-28s %-24s %s\n", status, line.Where.c_str(), line.Image.c_str(), line.Text.c_str());
  }
  out << report.Problems << " problem(s), " << report.Warnings << " warning(s)\n";
  return report.Problems > 0 ? 1 : 0;
}

int Compress(const std::vector<std::string>& args, std::ostream& out) {
  if (args.size() != 3) throw TUsageError("compress needs IN and OUT");
  const std::vector<std::uint8_t> data = ReadFile(args[1]);
  if (static_cast<std::int64_t>(data.size()) > kMaxSkinContainerSize)
    throw Exception(args[1] + " is larger than the 64 MiB a skin may hold");
  const std::vector<std::uint8_t> coded = LzhCompress(data);
  WriteFile(args[2], coded);
  out << data.size() << " -> " << coded.size() << " bytes\n";
  return 0;
}

int Decompress(const std::vector<std::string>& args, std::ostream& out) {
  if (args.size() != 3) throw TUsageError("decompress needs IN and OUT");
  TMemoryStream input(ReadFile(args[1]));
  if (input.Size() < 4) throw Exception(args[1] + " is too short to hold the size word");
  const std::uint8_t* p = input.Memory();
  const std::uint32_t size =
      static_cast<std::uint32_t>(p[0] | p[1] << 8 | p[2] << 16) | static_cast<std::uint32_t>(p[3]) << 24;
  if (size > kMaxSkinContainerSize)
    throw Exception(FormatText("%s announces %u bytes, more than the 64 MiB a skin may hold", args[1].c_str(), size));
  TMemoryStream output;
  output.Reserve(size);
  input.SetPosition(4);
  TLZH lzh(&input, &output);
  lzh.Decode(static_cast<std::int32_t>(size));
  // A match may run past the size; the size word is what the data holds.
  output.SetSize(size);
  WriteFile(args[2], output.Bytes());
  out << input.Size() << " -> " << size << " bytes\n";
  return 0;
}

}  // namespace

int RunSkinTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  try {
    if (args.empty()) throw TUsageError("no command");
    const std::string& command = args[0];
    if (command == "pack") return Pack(args, out, err);
    if (command == "list") return List(args, out);
    if (command == "extract") return Extract(args, out, err);
    if (command == "check") return Check(args, out);
    if (command == "compress") return Compress(args, out);
    if (command == "decompress") return Decompress(args, out);
    throw TUsageError("unknown command \"" + command + "\"");
  } catch (const TUsageError& e) {
    err << "corvana-skin: " << e.Message() << "\n" << kUsage;
    return 2;
  } catch (const Exception& e) {
    err << "corvana-skin: " << e.Message() << "\n";
    return 1;
  } catch (const std::exception& e) {
    err << "corvana-skin: " << e.what() << "\n";
    return 1;
  }
}
