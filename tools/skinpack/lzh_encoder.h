// The LZHUF encoder of the skin tool: the counterpart of the program's decoder (TLZH).
#pragma once

#include <cstdint>
#include <span>
#include <vector>

// The coded data alone: literals and match lengths through the adaptive Huffman tree,
// distances through the fixed prefix code, over the same ring with 4036 leading spaces.
// Empty input gives empty output.
std::vector<std::uint8_t> LzhEncode(std::span<const std::uint8_t> data);

// The classic layout: the size as four bytes little-endian, then the coded data. Raises
// Exception for input of 2 GiB or more, whose size the format cannot carry.
std::vector<std::uint8_t> LzhCompress(std::span<const std::uint8_t> data);
