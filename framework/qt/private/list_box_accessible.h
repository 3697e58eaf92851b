// What assistive technology (a screen reader, through Qt's AT-SPI bridge) sees of a list box:
// a list whose children are its rows, list items named by their text, as Windows presents a
// list box. Not Qt's own view of a list widget, a one-column table: Qt 6.4's bridge asks that
// table for the cell of any row a screen reader names and uses the answer unchecked, so a row
// outside the list (-1 while no row is current, or a row of a list emptied since) ends the
// program (IsSelected, GetRowExtentAt, GetColumnExtentAt, GetRowColumnExtentsAtIndex). A list
// without the table interface answers such a request with an error instead.
#pragma once

namespace framework {

// Makes every list widget use it from now on; only the first call does anything.
void InstallListBoxAccessible();

} // namespace framework
