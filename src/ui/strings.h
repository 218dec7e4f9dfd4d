// TStrings: lists of wide texts (memo lines, the skin's class list ...), and TWideStringList.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "ui/persistent.h"

class TStrings : public TPersistent {
  CORVANA_CLASS(TStrings)

public:
  virtual int Count() const = 0;
  virtual std::wstring Get(int index) const = 0;
  virtual void Put(int index, const std::wstring& text);
  virtual TObject* Objects(int index) const;
  virtual void PutObject(int index, TObject* object);
  virtual void Insert(int index, const std::wstring& text) = 0;
  virtual void Delete(int index) = 0;
  virtual void Clear() = 0;

  std::wstring operator[](int index) const { return Get(index); }
  // A sorted list puts the text where it belongs and answers that index.
  virtual int Add(const std::wstring& text);
  int AddObject(const std::wstring& text, TObject* object);
  void AddStrings(const TStrings& other);
  // Adds lines after the last one; a list kept by a window does it in one edit.
  virtual void AddLines(const std::vector<std::wstring>& lines);
  int IndexOf(std::wstring_view text) const;  // case-insensitive, as the platform compares

  // Lines joined, each followed by CR LF.
  virtual std::wstring Text() const;
  // Lines end at CR, LF or CR LF; a final line end adds no empty line.
  virtual void SetText(std::wstring_view text);
  std::wstring CommaText() const;
  void SetCommaText(std::wstring_view text);
  std::vector<std::wstring> ToVector() const;
  void SetStrings(const std::vector<std::wstring>& lines);

  // Batches of changes: subclasses learn when the first BeginUpdate and last EndUpdate pass.
  void BeginUpdate();
  void EndUpdate();
  int UpdateCount() const { return FUpdateCount; }

  bool Assign(const TPersistent& source) override;

protected:
  virtual void SetUpdateState(bool updating);

private:
  int FUpdateCount = 0;
};

// Lines of a text: they end at CR, LF or CR LF; a final line end adds no empty line.
std::vector<std::wstring> SplitTextLines(std::wstring_view text);

class TWideStringList : public TStrings {
  CORVANA_CLASS(TWideStringList)

public:
  int Count() const override { return static_cast<int>(FItems.size()); }
  std::wstring Get(int index) const override;
  void Put(int index, const std::wstring& text) override;
  TObject* Objects(int index) const override;
  void PutObject(int index, TObject* object) override;
  void Insert(int index, const std::wstring& text) override;
  void Delete(int index) override;
  void Clear() override;

  // Raised after every change that is not inside BeginUpdate/EndUpdate, and once at the end.
  TNotifyEvent OnChange;

protected:
  void SetUpdateState(bool updating) override;

private:
  void Changed();
  struct Item {
    std::wstring text;
    TObject* object = nullptr;
  };
  std::vector<Item> FItems;
};
