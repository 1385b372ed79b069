#pragma once

class QWidget;

namespace velkarn {

// Names and captions one of the program's secondary windows. They live for the whole run and
// closing them only hides them, so none of them keeps the program running.
void setUpWindow(QWidget* window, const char* name, const char* caption);

// Places a window in the middle of the primary screen, first fitting its size to its contents
// unless it was given a size of its own.
void centreOnScreen(QWidget* window, bool fitToContents = true);

// Makes a button's caption bold, as the main action of a window is shown.
void makeBold(QWidget* widget);

} // namespace velkarn
