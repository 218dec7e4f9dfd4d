// Window-procedure instances: a few bytes of code in executable memory that put the
// instance's address where the platform passes the window handle and jump to one shared
// procedure.
#include "ui/window_thunk.h"

#include <cstring>
#include <new>
#include <utility>

#include "base/error.h"
#include "ui/application.h"

struct TWindowProcInstance::TBlock {
  unsigned char Code[32];  // first: the block's address is the procedure's address
  HWND Window = nullptr;
  WNDPROC Old = nullptr;
  bool Unicode = true;
  TWndMethod Handler;
  int Depth = 0;          // messages of this instance being processed right now
  bool Detached = false;  // the owner let go: everything passes to the saved procedure
  bool Unhooked = false;  // the saved procedure is the window's procedure again
  bool Dead = false;      // the window got WM_NCDESTROY
};

namespace {

int g_LiveInstances = 0;

HANDLE ExecutableHeap() {
  static const HANDLE heap = HeapCreate(HEAP_CREATE_ENABLE_EXECUTE, 0, 0);
  return heap;
}

using TBlock = TWindowProcInstance::TBlock;

LRESULT CallSaved(const TBlock& b, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (!b.Old) return 0;
  return b.Unicode ? CallWindowProcW(b.Old, b.Window, msg, wParam, lParam)
                   : CallWindowProcA(b.Old, b.Window, msg, wParam, lParam);
}

void FreeBlock(TBlock* b) {
  b->~TBlock();
  HeapFree(ExecutableHeap(), 0, b);
  --g_LiveInstances;
}

// Frees the block once nothing runs inside it and no window can call it any more.
void FreeIfDone(TBlock* b) {
  if (b->Detached && b->Depth == 0 && (b->Unhooked || b->Dead)) FreeBlock(b);
}

// Called through an instance's code with the instance in place of the window handle.
LRESULT CALLBACK SharedProc(TBlock* self, UINT msg, WPARAM wParam, LPARAM lParam) noexcept {
  ++self->Depth;
  LRESULT result = 0;
  if (self->Detached || !self->Handler) {
    result = CallSaved(*self, msg, wParam, lParam);
  } else {
    TMessage message{msg, wParam, lParam, 0};
    try {
      self->Handler(message);
    } catch (const Exception& e) {
      ShowDispatchError(e.Message());
    } catch (const std::exception& e) {
      ShowDispatchError(e.what());
    } catch (...) {
      ShowDispatchError("Unexpected error");
    }
    result = message.Result;
  }
  --self->Depth;
  if (msg == WM_NCDESTROY) self->Dead = true;
  FreeIfDone(self);
  return result;
}

void WriteCode(TBlock* b) {
  unsigned char* p = b->Code;
  auto put = [&p](const void* bytes, size_t n) {
    std::memcpy(p, bytes, n);
    p += n;
  };
  const auto self = reinterpret_cast<std::uintptr_t>(b);
  const auto target = reinterpret_cast<std::uintptr_t>(&SharedProc);
#if defined(__x86_64__) || defined(_M_X64)
  // mov rcx, self; mov rax, SharedProc; jmp rax  (rcx carries the window handle)
  const unsigned char movRcx[] = {0x48, 0xB9}, movRax[] = {0x48, 0xB8}, jmpRax[] = {0xFF, 0xE0};
  put(movRcx, 2);
  put(&self, 8);
  put(movRax, 2);
  put(&target, 8);
  put(jmpRax, 2);
#else
  // mov dword [esp+4], self; jmp SharedProc  (the first stack argument is the window handle)
  const unsigned char movArg[] = {0xC7, 0x44, 0x24, 0x04}, jmp[] = {0xE9};
  const auto self32 = static_cast<std::uint32_t>(self);
  put(movArg, 4);
  put(&self32, 4);
  put(jmp, 1);
  const auto rel = static_cast<std::int32_t>(target - (reinterpret_cast<std::uintptr_t>(p) + 4));
  put(&rel, 4);
#endif
  FlushInstructionCache(GetCurrentProcess(), b->Code, sizeof b->Code);
}

LONG_PTR CurrentProc(const TBlock& b) {
  return b.Unicode ? GetWindowLongPtrW(b.Window, GWLP_WNDPROC) : GetWindowLongPtrA(b.Window, GWLP_WNDPROC);
}

}  // namespace

int LiveWindowProcInstances() { return g_LiveInstances; }

TWindowProcInstance::TWindowProcInstance(TWindowProcInstance&& other) noexcept
    : FBlock(std::exchange(other.FBlock, nullptr)) {}

TWindowProcInstance& TWindowProcInstance::operator=(TWindowProcInstance&& other) noexcept {
  if (this != &other) {
    Remove();
    FBlock = std::exchange(other.FBlock, nullptr);
  }
  return *this;
}

bool TWindowProcInstance::Install(HWND window, TWndMethod handler) {
  if (FBlock || !window || !IsWindow(window) || !ExecutableHeap()) return false;
  void* memory = HeapAlloc(ExecutableHeap(), 0, sizeof(TBlock));
  if (!memory) return false;
  auto* b = new (memory) TBlock();
  ++g_LiveInstances;
  b->Window = window;
  b->Unicode = IsWindowUnicode(window) != FALSE;
  b->Handler = std::move(handler);
  WriteCode(b);
  const auto proc = reinterpret_cast<LONG_PTR>(b->Code);
  // The saved procedure is read in the same character set as it is called with.
  b->Old = reinterpret_cast<WNDPROC>(b->Unicode ? SetWindowLongPtrW(window, GWLP_WNDPROC, proc)
                                                : SetWindowLongPtrA(window, GWLP_WNDPROC, proc));
  if (!b->Old) {
    FreeBlock(b);
    return false;
  }
  FBlock = b;
  return true;
}

void TWindowProcInstance::Remove() {
  if (!FBlock) return;
  TBlock* b = std::exchange(FBlock, nullptr);
  b->Detached = true;
  if (!IsWindow(b->Window)) {
    b->Dead = true;
  } else if (CurrentProc(*b) == reinterpret_cast<LONG_PTR>(b->Code)) {
    if (b->Unicode)
      SetWindowLongPtrW(b->Window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(b->Old));
    else
      SetWindowLongPtrA(b->Window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(b->Old));
    b->Unhooked = true;
  }
  FreeIfDone(b);
}

WNDPROC TWindowProcInstance::Proc() const { return FBlock ? reinterpret_cast<WNDPROC>(FBlock->Code) : nullptr; }
WNDPROC TWindowProcInstance::OldProc() const { return FBlock ? FBlock->Old : nullptr; }
bool TWindowProcInstance::Unicode() const { return FBlock ? FBlock->Unicode : true; }
HWND TWindowProcInstance::Window() const { return FBlock ? FBlock->Window : nullptr; }

LRESULT TWindowProcInstance::CallOld(UINT msg, WPARAM wParam, LPARAM lParam) const {
  return FBlock ? CallSaved(*FBlock, msg, wParam, lParam) : 0;
}
