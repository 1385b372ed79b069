#pragma once

class QPushButton;
class QWidget;

namespace velkarn {

// Makes `button` the default of `page`, as a dialog's default button is: shown as such, and
// pressed by Enter or Return when no control on the page takes the key itself (an open list
// popup, a text editor). A page of the main window has no dialog to do this for it.
void pressOnEnter(QWidget* page, QPushButton* button);

} // namespace velkarn
