#pragma once

class QAbstractItemView;

namespace velkarn {

// Lets the keyboard use `view` as the pointer does: Tab leaves it for the next control instead
// of walking its cells, and a view reached by Tab with nothing chosen chooses the row it shows as
// current, so Enter and the buttons act on the row the user sees.
void useTableByKeyboard(QAbstractItemView* view);

} // namespace velkarn
