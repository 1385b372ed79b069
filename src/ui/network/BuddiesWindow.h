#pragma once

#include <QDialog>

class QLineEdit;
class QListView;
class QPushButton;
class QStringListModel;

namespace velkarn {

class BuddyBook;

// "Buddies": the names of the players looked for on the servers, one a line of buddies.txt.
// Names are added from a field and removed from the list; OK saves them, Cancel forgets the
// changes.
class BuddiesWindow : public QDialog {
    Q_OBJECT
public:
    explicit BuddiesWindow(BuddyBook& buddies, QWidget* parent = nullptr);

private:
    void addTypedName();
    void removeSelectedNames();
    void saveAndClose();

    BuddyBook& buddies_;
    QStringListModel* names_;
    QListView* buddyList_;
    QLineEdit* buddyNameEdit_;
    QPushButton* addBuddyButton_;
    QPushButton* removeBuddyButton_;
};

// Shows the buddies window modally (through the dialog seam).
void editBuddies(BuddyBook& buddies);

} // namespace velkarn
