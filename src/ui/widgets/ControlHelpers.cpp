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
    if (buddy) {
        label->setBuddy(buddy);
        // Other controls find their label themselves, and follow its changes.
        if (qobject_cast<QAbstractItemView*>(buddy) && buddy->accessibleName().isEmpty())
            buddy->setAccessibleName(spokenCaption(caption));
    }
    return label;
}

QString withMnemonic(const QString& caption, const QString& key) {
    QString marked = caption;
    const qsizetype at = marked.indexOf(key);
    return at < 0 ? marked : marked.insert(at, '&');
}

QString spokenCaption(const QString& caption) {
    QString spoken;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&' && i + 1 < caption.size())
            ++i; // "&&" is one ampersand; "&x" is x with its mnemonic
        spoken += caption[i];
    }
    spoken = spoken.trimmed();
    while (spoken.endsWith(':') || spoken.endsWith(' '))
        spoken.chop(1);
    return spoken;
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
