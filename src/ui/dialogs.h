// TSaveDialog: the platform's file-save dialog.
#pragma once

#include "ui/component.h"

class TSaveDialog : public TComponent {
  CORVANA_CLASS(TSaveDialog)

public:
  explicit TSaveDialog(TComponent* owner) : TComponent(owner) {}
  // Shows the dialog; true when the user confirmed a file name (then in FileName).
  bool Execute();

  std::wstring DefaultExt() const { return FDefaultExt; }
  void SetDefaultExt(const std::wstring& value) { FDefaultExt = value; }
  // "description|pattern|description|pattern".
  std::wstring Filter() const { return FFilter; }
  void SetFilter(const std::wstring& value) { FFilter = value; }
  int FilterIndex() const { return FFilterIndex; }
  void SetFilterIndex(int value) { FFilterIndex = value; }
  std::wstring FileName() const { return FFileName; }
  void SetFileName(const std::wstring& value) { FFileName = value; }
  std::wstring InitialDir() const { return FInitialDir; }
  void SetInitialDir(const std::wstring& value) { FInitialDir = value; }
  std::wstring Title() const { return FTitle; }
  void SetTitle(const std::wstring& value) { FTitle = value; }

  // The filter as the platform wants it: pairs separated and ended by NUL characters.
  static std::wstring PlatformFilter(const std::wstring& filter);

private:
  std::wstring FDefaultExt, FFilter, FFileName, FInitialDir, FTitle;
  int FFilterIndex = 1;
};
