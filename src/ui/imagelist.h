// TImageList: equally sized images with masks, loaded from a bitmap resource.
#pragma once

#include "ui/canvas.h"
#include "ui/component.h"

class TImageList : public TComponent {
  CORVANA_CLASS(TImageList)

public:
  explicit TImageList(TComponent* owner);
  ~TImageList() override;
  int Width() const { return FWidth; }
  void SetWidth(int value);
  int Height() const { return FHeight; }
  void SetHeight(int value);
  int Count() const;
  HIMAGELIST Handle();
  // Cuts a bitmap resource into images of Width x Height; pixels of the mask colour are
  // transparent. False when the resource does not exist.
  bool LoadFromResourceName(HINSTANCE instance, const wchar_t* name, TColor maskColor);
  void Clear();
  void Draw(TCanvas& canvas, int x, int y, int index, bool enabled = true);

protected:
  void BeforeDestruction() override;

private:
  int FWidth = 16;
  int FHeight = 16;
  HIMAGELIST FHandle = nullptr;
};
