#pragma once

namespace velkarn {

// Gives every window the program's icon and ties the running program to its desktop entry, so
// docks and window lists show it under the entry's name and icon. Call once the QApplication
// exists.
void applyDesktopIdentity();

} // namespace velkarn
