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
// mnemonic and screen readers reach that control: lists and tables take no name from a label by
// themselves, so the caption becomes their accessible name).
QLabel* namedLabel(const QString& caption, const char* name, QWidget* parent,
                   QWidget* buddy = nullptr);

// `caption` with its mnemonic on the first letter of `key`, which it holds.
QString withMnemonic(const QString& caption, const QString& key);

// A caption as a screen reader says it: without its mnemonic marks and trailing colon.
QString spokenCaption(const QString& caption);

// Gives a control the name (and description) a screen reader announces it by.
template <typename Control>
Control* spoken(Control* control, const QString& name, const QString& description = {}) {
    control->setAccessibleName(name);
    if (!description.isEmpty())
        control->setAccessibleDescription(description);
    return control;
}

// "Courier New" where installed, otherwise the system's monospace font.
QFont fixedPitchFont();

// A button with its object name; bold when it is the main action of its group.
QPushButton* namedButton(const QString& caption, const char* name, QWidget* parent,
                         bool bold = false);

// The selected rows of a view, in row order.
std::vector<int> selectedRows(const QAbstractItemView& view);

} // namespace velkarn
