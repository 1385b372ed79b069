#include "ui/widgets/ColoredTextDelegate.h"

#include "core/setup/PlayerName.h"
#include "ui/widgets/LocalText.h"

#include <QPainter>

namespace velkarn {

namespace {

// White and yellow names are unreadable on a light list; the game shows them on dark walls.
const QColor NameGround(48, 48, 48);

constexpr int TextMargin = 3;

QColor toColor(const Rgb& rgb) {
    return {rgb.r, rgb.g, rgb.b};
}

} // namespace

QSize ColoredTextDelegate::sizeHint(const QStyleOptionViewItem& option,
                                    const QModelIndex& index) const {
    const QSize size = QStyledItemDelegate::sizeHint(option, index);
    return index.data(CodedTextRole).isValid() ? size + QSize(2 * TextMargin, 0) : size;
}

void ColoredTextDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                const QModelIndex& index) const {
    const QVariant coded = index.data(CodedTextRole);
    if (!coded.isValid()) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    const ColoredText text = previewPlayerName(coded.toByteArray().toStdString());
    QStyleOptionViewItem styled = option;
    initStyleOption(&styled, index); // the item's own font (bold for a buddy's server)
    painter->save();
    const bool selected = option.state & QStyle::State_Selected;
    painter->fillRect(option.rect, selected ? option.palette.highlight().color() : NameGround);
    painter->setFont(styled.font);
    const QFontMetrics metrics(styled.font);
    int x = option.rect.left() + TextMargin;
    const int baseline =
        option.rect.top() + (option.rect.height() + metrics.ascent() - metrics.descent()) / 2;
    // Runs of one color are drawn together, so multi-byte characters stay whole.
    std::size_t start = 0;
    while (start < text.visible.size() && x < option.rect.right()) {
        std::size_t end = start + 1;
        while (end < text.visible.size() && text.colors[end] == text.colors[start])
            ++end;
        const QString run = local(text.visible.substr(start, end - start));
        painter->setPen(toColor(text.colors[start]));
        painter->drawText(x, baseline, run);
        x += metrics.horizontalAdvance(run);
        start = end;
    }
    painter->restore();
}

} // namespace velkarn
