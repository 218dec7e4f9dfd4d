// TImageList over the platform's image lists.
#include "ui/imagelist.h"

#include "ui/bitmap.h"

const TClassInfo& TImageList::StaticClassInfo() {
  static const TClassInfo info("TImageList", &TComponent::StaticClassInfo(),
                               {
                                   props::Integer<TImageList>("Height", &TImageList::Height, &TImageList::SetHeight),
                                   props::Integer<TImageList>("Width", &TImageList::Width, &TImageList::SetWidth),
                               },
                               [](TComponent* owner) { return new TImageList(owner); });
  return info;
}

TImageList::TImageList(TComponent* owner) : TComponent(owner) {}

TImageList::~TImageList() { Clear(); }

void TImageList::BeforeDestruction() {
  Clear();
  TComponent::BeforeDestruction();
}

void TImageList::Clear() {
  if (FHandle) ImageList_Destroy(FHandle);
  FHandle = nullptr;
}

void TImageList::SetWidth(int value) {
  if (value == FWidth || value <= 0) return;
  FWidth = value;
  Clear();
}

void TImageList::SetHeight(int value) {
  if (value == FHeight || value <= 0) return;
  FHeight = value;
  Clear();
}

HIMAGELIST TImageList::Handle() {
  if (!FHandle) FHandle = ImageList_Create(FWidth, FHeight, ILC_COLOR24 | ILC_MASK, 4, 4);
  return FHandle;
}

int TImageList::Count() const { return FHandle ? ImageList_GetImageCount(FHandle) : 0; }

bool TImageList::LoadFromResourceName(HINSTANCE instance, const wchar_t* name, TColor maskColor) {
  TBitmap picture;
  try {
    picture.LoadFromResourceName(instance, name);
  } catch (...) {
    return false;
  }
  // Monochrome and palette pictures become colour pictures before they are cut.
  picture.SetPixelFormat(TPixelFormat::pf24bit);
  Clear();
  Handle();
  // The list copies the picture: the handle stays ours and is freed here.
  const TBitmapHandle bitmap(picture.ReleaseHandle());
  ImageList_AddMasked(FHandle, bitmap.Get(), ColorToRGB(maskColor));
  return true;
}

void TImageList::Draw(TCanvas& canvas, int x, int y, int index, bool enabled) {
  if (!FHandle || index < 0 || index >= Count()) return;
  ImageList_DrawEx(FHandle, index, canvas.Handle(), x, y, 0, 0, CLR_NONE, CLR_NONE,
                   enabled ? ILD_TRANSPARENT : (ILD_TRANSPARENT | ILD_BLEND50));
}
