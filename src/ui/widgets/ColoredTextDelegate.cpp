#include "ui/widgets/ColoredTextDelegate.h"

#include "core/setup/PlayerName.h"
#include "core/setup/ReadableColor.h"
#include "ui/widgets/LocalText.h"

#include <QApplication>
#include <QPainter>

namespace velkarn {

namespace {

constexpr int TextMargin = 3;

QColor toColor(const Rgb& rgb) {
    return {rgb.r, rgb.g, rgb.b};
}

Rgb toRgb(const QColor& color) {
    return {color.red(), color.green(), color.blue()};
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
    // The cell keeps the view's own ground (alternating rows, selection); each colour is
    // shifted as far as it takes to be read on it.
    styled.text.clear();
    const QWidget* view = option.widget;
    QStyle* style = view ? view->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &styled, painter, view);
    const bool selected = option.state & QStyle::State_Selected;
    const QPalette::ColorRole groundRole = selected ? QPalette::Highlight
                                           : (styled.features & QStyleOptionViewItem::Alternate)
                                               ? QPalette::AlternateBase
                                               : QPalette::Base;
    const Rgb ground = toRgb(option.palette.color(groundRole));
    painter->save();
    painter->setFont(styled.font);
    const QFontMetrics metrics(styled.font);
    // The text follows the item's icon (a server's flag), which the style has drawn.
    const int left =
        (styled.features & QStyleOptionViewItem::HasDecoration)
            ? style->subElementRect(QStyle::SE_ItemViewItemDecoration, &styled, view).right()
            : option.rect.left();
    int x = left + TextMargin;
    const int baseline =
        option.rect.top() + (option.rect.height() + metrics.ascent() - metrics.descent()) / 2;
    // Runs of one color are drawn together, so multi-byte characters stay whole.
    std::size_t start = 0;
    while (start < text.visible.size() && x < option.rect.right()) {
        std::size_t end = start + 1;
        while (end < text.visible.size() && text.colors[end] == text.colors[start])
            ++end;
        const QString run = local(text.visible.substr(start, end - start));
        painter->setPen(toColor(readableOn(text.colors[start], ground)));
        painter->drawText(x, baseline, run);
        x += metrics.horizontalAdvance(run);
        start = end;
    }
    painter->restore();
}

} // namespace velkarn
