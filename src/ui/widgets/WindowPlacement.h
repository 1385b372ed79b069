#pragma once

#include <QSize>

class QWidget;

namespace velkarn {

// Names and captions one of the program's secondary windows. They live for the whole run and
// closing them only hides them, so none of them keeps the program running.
void setUpWindow(QWidget* window, const char* name, const char* caption);

// Places a window in the middle of the primary screen, first fitting its size to its contents
// unless it was given a size of its own.
void centreOnScreen(QWidget* window, bool fitToContents = true);

// Gives a resizable window the size and place it had when it was last hidden, kept with QSettings
// under its object name; the first time `defaultSize` in the middle of the screen. Keeps them
// again each time the window is hidden (closing and the end of the program hide it too).
void rememberPlacement(QWidget* window, QSize defaultSize);

// The same for a window that only has a use for more width (a form of one-line fields): its
// height stays what its contents ask for, also when they change; the first time it is at least
// `defaultWidth` wide.
void rememberPlacementGrowingInWidth(QWidget* window, int defaultWidth);

// Makes a button's caption bold, as the main action of a window is shown.
void makeBold(QWidget* widget);

} // namespace velkarn
