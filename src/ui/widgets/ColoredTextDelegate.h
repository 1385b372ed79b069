#pragma once

#include <QStyledItemDelegate>
#include <string>

namespace velkarn {

// The item data role that holds a text with the game's color codes, as 8-bit bytes.
constexpr int CodedTextRole = Qt::UserRole + 1;

// Draws items that hold a coded text (CodedTextRole) in the game's colors on the view's own
// ground, each colour made readable on it; the display text (without codes) stays for sorting
// and reading aloud. Other items are drawn as usual.
class ColoredTextDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    // Room for the margins the colored text is drawn with.
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

} // namespace velkarn
