// The global allocation functions of this test program, with a quarantine for freed blocks.
#include "win/hardening/quarantine.h"

#include <cstdlib>
#include <cstring>
#include <new>

namespace {

constexpr unsigned char kFreedByte = 0xDD;
// A header before every block keeps its size, so a freed block can be filled and checked.
constexpr std::size_t kHeader = 16;
constexpr std::size_t kMaxKept = 1 << 16;

struct TKept {
  unsigned char* Block;
  std::size_t Size;
};

bool g_Keeping = false;
TKept* g_Kept = nullptr;
std::size_t g_KeptCount = 0;

void* Allocate(std::size_t size) {
  auto* raw = static_cast<unsigned char*>(std::malloc(size + kHeader));
  if (!raw) throw std::bad_alloc();
  std::memcpy(raw, &size, sizeof size);
  return raw + kHeader;
}

void Release(void* memory) noexcept {
  if (!memory) return;
  unsigned char* raw = static_cast<unsigned char*>(memory) - kHeader;
  std::size_t size = 0;
  std::memcpy(&size, raw, sizeof size);
  if (g_Keeping && g_KeptCount < kMaxKept) {
    std::memset(memory, kFreedByte, size);
    g_Kept[g_KeptCount++] = TKept{raw, size};
    return;
  }
  std::free(raw);
}

void FreeKept() {
  for (std::size_t i = 0; i < g_KeptCount; ++i) std::free(g_Kept[i].Block);
  g_KeptCount = 0;
}

}  // namespace

void StartQuarantine() {
  if (!g_Kept) g_Kept = static_cast<TKept*>(std::malloc(sizeof(TKept) * kMaxKept));
  g_Keeping = false;
  FreeKept();
  g_Keeping = g_Kept != nullptr;
}

bool StopQuarantineIntact() {
  g_Keeping = false;
  bool intact = true;
  for (std::size_t i = 0; i < g_KeptCount && intact; ++i) {
    const unsigned char* user = g_Kept[i].Block + kHeader;
    for (std::size_t b = 0; b < g_Kept[i].Size; ++b) {
      if (user[b] != kFreedByte) {
        intact = false;
        break;
      }
    }
  }
  FreeKept();
  return intact;
}

std::size_t QuarantinedBlocks() { return g_KeptCount; }

void* operator new(std::size_t size) { return Allocate(size); }
void* operator new[](std::size_t size) { return Allocate(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
  try {
    return Allocate(size);
  } catch (...) {
    return nullptr;
  }
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
  try {
    return Allocate(size);
  } catch (...) {
    return nullptr;
  }
}
void operator delete(void* memory) noexcept { Release(memory); }
void operator delete[](void* memory) noexcept { Release(memory); }
void operator delete(void* memory, std::size_t) noexcept { Release(memory); }
void operator delete[](void* memory, std::size_t) noexcept { Release(memory); }
void operator delete(void* memory, const std::nothrow_t&) noexcept { Release(memory); }
void operator delete[](void* memory, const std::nothrow_t&) noexcept { Release(memory); }
