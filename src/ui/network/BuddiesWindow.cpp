#include "ui/network/BuddiesWindow.h"

#include "core/network/BuddyBook.h"
#include "ui/widgets/ControlHelpers.h"
#include "ui/widgets/Dialogs.h"
#include "ui/widgets/Guard.h"
#include "ui/widgets/LocalText.h"
#include "ui/widgets/WindowPlacement.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QStringListModel>
#include <algorithm>

namespace velkarn {

BuddiesWindow::BuddiesWindow(BuddyBook& buddies, QWidget* parent)
    : QDialog(parent), buddies_(buddies), names_(new QStringListModel(this)) {
    setObjectName("buddiesWindow");
    setWindowTitle("Buddies");
    QStringList names;
    for (const std::string& name : buddies.list().names())
        names << local(name);
    names_->setStringList(names);
    buddyList_ = named(new QListView(this), "buddyList");
    buddyList_->setModel(names_);
    buddyList_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    buddyList_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    spoken(buddyList_, "Buddies", "The players looked for on the servers");
    buddyNameEdit_ = named(new QLineEdit(this), "buddyNameEdit");
    buddyNameEdit_->setPlaceholderText("A player's name; color codes and case do not count");
    addBuddyButton_ = namedButton("&Add", "addBuddyButton", this);
    removeBuddyButton_ = namedButton("&Remove", "removeBuddyButton", this);
    auto* buttons = named(
        new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this), "buttonBox");

    auto* layout = new QGridLayout(this);
    layout->addWidget(namedLabel("&Name", "buddyNameLabel", this, buddyNameEdit_), 0, 0);
    layout->addWidget(buddyNameEdit_, 0, 1);
    layout->addWidget(addBuddyButton_, 0, 2);
    layout->addWidget(buddyList_, 1, 0, 1, 2);
    layout->addWidget(removeBuddyButton_, 1, 2, Qt::AlignTop);
    layout->addWidget(buttons, 2, 0, 1, 3);
    rememberPlacement(this, QSize(420, 360));

    // Enter in the name field adds the typed name; with nothing typed it closes as OK does.
    addBuddyButton_->setAutoDefault(false);
    connect(buddyNameEdit_, &QLineEdit::returnPressed, this, [this] {
        runGuarded([this] {
            if (buddyNameEdit_->text().trimmed().isEmpty())
                saveAndClose();
            else
                addTypedName();
        });
    });
    connectGuarded(addBuddyButton_, &QPushButton::clicked, this, [this] { addTypedName(); });
    connectGuarded(removeBuddyButton_, &QPushButton::clicked, this,
                   [this] { removeSelectedNames(); });
    connectGuarded(buttons, &QDialogButtonBox::accepted, this, [this] { saveAndClose(); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    buddyNameEdit_->setFocus();
}

void BuddiesWindow::addTypedName() {
    const std::string name = bytes(buddyNameEdit_->text());
    requireBuddyName(name);
    QStringList names = names_->stringList();
    const bool listed = std::any_of(names.begin(), names.end(), [&name](const QString& other) {
        return foldedName(bytes(other)) == foldedName(name);
    });
    if (!listed) {
        names << local(name);
        names_->setStringList(names);
    }
    buddyNameEdit_->clear();
}

void BuddiesWindow::removeSelectedNames() {
    QModelIndexList rows = buddyList_->selectionModel()->selectedRows();
    std::sort(rows.rbegin(), rows.rend());
    for (const QModelIndex& row : rows)
        names_->removeRow(row.row());
}

void BuddiesWindow::saveAndClose() {
    std::vector<std::string> names;
    for (const QString& name : names_->stringList())
        names.push_back(bytes(name));
    buddies_.save(std::move(names));
    accept();
}

void editBuddies(BuddyBook& buddies) {
    BuddiesWindow window(buddies);
    dialogs().runModal(window);
}

} // namespace velkarn
