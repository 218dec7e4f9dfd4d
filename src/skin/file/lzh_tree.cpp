// The adaptive Huffman tree of the LZHUF coding: initial tree, rebuild and update.
#include "skin/file/lzh_tree.h"

#include <algorithm>

namespace lzh {

void TCodeTree::Init() {
  for (int i = 0; i < kSymbols; ++i) {
    Frequency[i] = 1;
    Child[i] = static_cast<std::int16_t>(i + kTreeSize);
    Parent[i + kTreeSize] = static_cast<std::int16_t>(i);
  }
  for (int i = 0, j = kSymbols; j <= kRoot; i += 2, ++j) {
    Frequency[j] = static_cast<std::uint16_t>(Frequency[i] + Frequency[i + 1]);
    Child[j] = static_cast<std::int16_t>(i);
    Parent[i] = Parent[i + 1] = static_cast<std::int16_t>(j);
  }
  Frequency[kTreeSize] = 0xFFFF;
  Parent[kRoot] = 0;
  Rebuilds = 0;
}

void TCodeTree::Rebuild() {
  ++Rebuilds;
  // Leaves to the front, their frequencies halved (rounding up, so none becomes 0).
  int j = 0;
  for (int i = 0; i < kTreeSize; ++i) {
    if (Child[i] >= kTreeSize) {
      Frequency[j] = static_cast<std::uint16_t>((Frequency[i] + 1) / 2);
      Child[j] = Child[i];
      ++j;
    }
  }
  // Pair the two lowest remaining nodes into each inner node, keeping the order.
  for (int i = 0, node = kSymbols; node < kTreeSize; i += 2, ++node) {
    const unsigned f = Frequency[i] + Frequency[i + 1];
    int k = node - 1;
    while (k >= 0 && f < Frequency[k]) --k;
    ++k;
    std::copy_backward(Frequency.begin() + k, Frequency.begin() + node, Frequency.begin() + node + 1);
    std::copy_backward(Child.begin() + k, Child.begin() + node, Child.begin() + node + 1);
    Frequency[k] = static_cast<std::uint16_t>(f);
    Child[k] = static_cast<std::int16_t>(i);
  }
  for (int i = 0; i < kTreeSize; ++i) {
    const int k = Child[i];
    if (k >= kTreeSize) {
      Parent[k] = static_cast<std::int16_t>(i);
    } else {
      Parent[k] = Parent[k + 1] = static_cast<std::int16_t>(i);
    }
  }
}

void TCodeTree::Bump(int symbol) {
  if (Frequency[kRoot] == kMaxFrequency) Rebuild();
  int n = Parent[symbol + kTreeSize];
  do {
    const unsigned k = ++Frequency[n];
    if (k > Frequency[n + 1]) {
      // Swap with the last node of lower frequency. It is mostly near; otherwise, as
      // frequencies never fall along the table, bisection finds it. The sentinel bounds both.
      int l = n + 1;
      while (l < n + 4 && k > Frequency[l + 1]) ++l;
      if (l == n + 4)
        l = static_cast<int>(std::lower_bound(Frequency.begin() + l + 1, Frequency.end(), k) - Frequency.begin()) - 1;
      Frequency[n] = Frequency[l];
      Frequency[l] = static_cast<std::uint16_t>(k);
      const int a = Child[n];
      Parent[a] = static_cast<std::int16_t>(l);
      if (a < kTreeSize) Parent[a + 1] = static_cast<std::int16_t>(l);
      const int b = Child[l];
      Child[l] = static_cast<std::int16_t>(a);
      Parent[b] = static_cast<std::int16_t>(n);
      if (b < kTreeSize) Parent[b + 1] = static_cast<std::int16_t>(n);
      Child[n] = static_cast<std::int16_t>(b);
      n = l;
    }
    n = Parent[n];
  } while (n != 0);
}

}  // namespace lzh
