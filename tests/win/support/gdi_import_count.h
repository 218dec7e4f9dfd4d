// Counts the GDI objects and memory DCs the program's own code creates and frees, at its
// import table: Wine answers 0 to GetGuiResources, so the process cannot be asked.
#pragma once

#include <string>

struct TGdiImportCounts {
  // Objects returned by the counted creators (regions, brushes, pens, fonts, bitmaps, DCs).
  long Created = 0;
  // Counted objects freed by DeleteObject or DeleteDC, or given to a window by SetWindowRgn
  // (the system frees a window's region with the window).
  long Deleted = 0;
  // Of Deleted: regions handed to windows.
  long HandedToWindows = 0;
  // DeleteObject or DeleteDC that succeeded on a handle not counted here (stock objects,
  // objects made before counting began or by the system).
  long ForeignDeletes = 0;

  long Live() const { return Created - Deleted; }
};

// Patches the creators and deleters into the program's import table (once; later calls do
// nothing). False when the table holds none of them.
bool InstallGdiImportCounting();
// The counts since installation.
TGdiImportCounts GdiImportCounts();
// The counted objects alive now, grouped by the call that made them ("CreateRectRgn 2, ...");
// empty when there are none. For the message of a failed balance.
std::string LiveGdiObjectsByCreator();
// How many import entries were patched.
int PatchedGdiImports();
