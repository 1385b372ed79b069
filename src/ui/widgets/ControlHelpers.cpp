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

std::vector<int> selectedRows(const QAbstractItemView& view) {
    std::vector<int> rows;
    if (!view.selectionModel())
        return rows;
    for (const QModelIndex& index : view.selectionModel()->selectedIndexes())
        if (index.column() == 0)
            rows.push_back(index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

} // namespace velkarn
