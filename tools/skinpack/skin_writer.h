// Writes skin archives: a container of named entries (bitmaps and the description text)
// coded with the LZHUF encoder.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct TSkinEntry {
  std::string Name;
  std::vector<std::uint8_t> Data;
};

// The pieces of a container as they are laid out, unchecked, so tests can also make
// damaged ones.
struct TSkinContainerLayout {
  std::int32_t Version = 70000;
  std::string NameList;
  std::optional<std::uint32_t> NameListLength;  // the length word; the list's own when unset
  std::uint32_t Reserved[2] = {0, 0};           // the two words after it, never read
  std::optional<int> SkippedLength;             // the version's block size when unset
  std::vector<std::int32_t> Sizes;
  std::vector<std::uint8_t> Data;
};

std::vector<std::uint8_t> LayOutContainer(const TSkinContainerLayout& layout);

// A container of the entries in order: names one per line (each ending in CR LF), the
// sizes, the data, a zero-filled block of the version's size. Raises Exception for an
// unknown version, more than 1001 entries, a name with a line break, two names that differ
// only in case (the second could never be read), or an entry of 2 GiB or more.
std::vector<std::uint8_t> BuildSkinContainer(const std::vector<TSkinEntry>& entries, std::int32_t version = 70000);

// The container, coded: what the program loads.
std::vector<std::uint8_t> BuildSkinArchive(const std::vector<TSkinEntry>& entries, std::int32_t version = 70000);
