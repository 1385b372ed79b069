#include "ui/widgets/ControlHelpers.h"

#include "ui/widgets/WindowPlacement.h"

#include <algorithm>

namespace velkarn {

QFont fixedPitchFont() {
    QFont font("Courier New");
    font.setStyleHint(QFont::Monospace);
    font.setFixedPitch(true);
    return font;
}

QLabel* namedLabel(const QString& caption, const char* name, QWidget* parent, QWidget* buddy) {
    auto* label = named(new QLabel(caption, parent), name);
    if (buddy)
        label->setBuddy(buddy);
    return label;
}

QPushButton* namedButton(const QString& caption, const char* name, QWidget* parent, bool bold) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    if (bold)
        makeBold(button);
    return button;
}

std::vector<int> selectedRows(const QListWidget& list) {
    std::vector<int> rows;
    for (int row = 0; row < list.count(); ++row)
        if (list.item(row)->isSelected())
            rows.push_back(row);
    return rows;
}

void markNavigation(QListWidgetItem& item, Navigation navigation) {
    if (navigation == Navigation::Missing) {
        item.setForeground(QColor(160, 0, 0));
        item.setToolTip("No bot navigation: no archive holds maps/NAME.aas");
    } else {
        item.setData(Qt::ForegroundRole, QVariant());
        item.setToolTip(QString());
    }
}

} // namespace velkarn
