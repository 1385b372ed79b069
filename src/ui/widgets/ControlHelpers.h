#pragma once

#include <QAbstractItemView>
#include <QFont>
#include <QLabel>
#include <QPushButton>
#include <QString>
#include <string>
#include <vector>

// Small pieces the windows share: named controls and labels, the fixed-pitch list font, named
// buttons and the selected rows of a list.
namespace velkarn {

// Gives a control its object name, the name the program's code and tests know it by.
template <typename Control> Control* named(Control* control, const char* name) {
    control->setObjectName(name);
    return control;
}

// A label with its object name, tied to the control it names when there is one (so its
// mnemonic and screen readers reach that control).
QLabel* namedLabel(const QString& caption, const char* name, QWidget* parent,
                   QWidget* buddy = nullptr);

// "Courier New" where installed, otherwise the system's monospace font.
QFont fixedPitchFont();

// A button with its object name; bold when it is the main action of its group.
QPushButton* namedButton(const QString& caption, const char* name, QWidget* parent,
                         bool bold = false);

// The selected rows of a view, in row order.
std::vector<int> selectedRows(const QAbstractItemView& view);

} // namespace velkarn
