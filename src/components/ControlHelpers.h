#pragma once

#include <QFont>
#include <QListWidget>
#include <QPushButton>
#include <QString>
#include <string>
#include <vector>

// Small pieces the windows share: the fixed-pitch list font, named buttons and the selected rows
// of a list.
namespace velkarn {

// "Courier New" where installed, otherwise the system's monospace font.
QFont fixedPitchFont();

// A button with its object name; bold when it is the main action of its group.
QPushButton* namedButton(const QString& caption, const char* name, QWidget* parent,
                         bool bold = false);

// The selected rows in list order.
std::vector<int> selectedRows(const QListWidget& list);

} // namespace velkarn
