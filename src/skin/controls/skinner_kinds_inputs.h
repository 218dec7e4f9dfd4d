// Registration of the range skinners (progress bar, track bar, up-down) and the input
// skinners (edit, combo box, date-time picker) with discovery's kind table.
#pragma once

void RegisterRangeSkinners();
void RegisterInputSkinners();
