// The viewer's pages, one per control family; a skinner that lands adds its page here.
#pragma once

#include <vector>

#include "base/win32.h"

class TSkinData;
class TSkinViewForm;
class TTabSheet;

struct TViewerPage {
  const wchar_t* Title;
  // Fills the page with controls owned by the form.
  void (*Fill)(TSkinViewForm& form, TTabSheet& page);
};

// The pages in the order they are shown.
const std::vector<TViewerPage>& ViewerPages();

void FillFramePage(TSkinViewForm& form, TTabSheet& page);
void FillTextPage(TSkinViewForm& form, TTabSheet& page);
void FillButtonsPage(TSkinViewForm& form, TTabSheet& page);
void FillChecksPage(TSkinViewForm& form, TTabSheet& page);
void FillContainersPage(TSkinViewForm& form, TTabSheet& page);
void FillInputsPage(TSkinViewForm& form, TTabSheet& page);
void FillTabsPage(TSkinViewForm& form, TTabSheet& page);
// Skinners the pages choose themselves (for controls no skin kind names), set on the skin
// component once it exists.
void ChooseViewerSkinners(TSkinViewForm& form, TSkinData& skin);
void FillMenusPage(TSkinViewForm& form, TTabSheet& page);
// Opens (or brings forward) the raw MDI frame of the menu page; its window.
HWND ShowMdiSample(TSkinViewForm& viewer);
// A media player with a tone the viewer writes to the temp folder (viewer_media_page.cpp).
void FillMediaPage(TSkinViewForm& form, TTabSheet& page);
// A report list view, a header control, scroll bars and a scroll box (viewer_lists_page.cpp).
void FillListsPage(TSkinViewForm& form, TTabSheet& page);
void FillAboutPage(TSkinViewForm& form, TTabSheet& page);
