#pragma once

class QWidget;

namespace velkarn {

// Places a window in the middle of the primary screen (after its size is settled).
void centreOnScreen(QWidget* window);

// Makes a button's caption bold, as the main action of a window is shown.
void makeBold(QWidget* widget);

} // namespace velkarn
