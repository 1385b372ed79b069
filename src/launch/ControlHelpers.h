#pragma once

#include <QFont>
#include <QListWidget>
#include <QPushButton>
#include <QString>
#include <string>
#include <vector>

// Small pieces the network groups share: text conversion between the 8-bit core and the
// controls, the fixed-pitch list font, bold buttons and the selected rows of a list.
namespace velkarn {

inline QString localText(const std::string& bytes) {
    return QString::fromLocal8Bit(bytes);
}

inline std::string bytesOf(const QString& text) {
    return text.toLocal8Bit().toStdString();
}

// "Courier New" where installed, otherwise the system's monospace font.
QFont fixedPitchFont();

// A button with its object name; bold when it is the main action of its group.
QPushButton* namedButton(const QString& caption, const char* name, QWidget* parent,
                         bool bold = false);

// The selected rows in list order.
std::vector<int> selectedRows(const QListWidget& list);

} // namespace velkarn
