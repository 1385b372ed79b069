#include "ui/widgets/Legacy.h"

#include "core/platform/Process.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>

namespace velkarn {

TLegacy::TLegacy(const QString& caption, QWidget* parent) : QLabel(caption, parent) {
    opener = [](const std::string& address) { return openUrl(address); };
    setFocusPolicy(Qt::TabFocus); // reachable by keyboard; Enter or Space opens it
    savedColor_ = palette().color(QPalette::WindowText);
}

std::string TLegacy::target() const {
    if (AdressType == atWWW && !Adress.empty())
        return Adress;
    return "mailto:" + Adress;
}

void TLegacy::setUnderline(bool on) {
    QFont f = font();
    f.setUnderline(on);
    setFont(f);
}

void TLegacy::setTextColor(const QColor& color) {
    QPalette p = palette();
    p.setColor(QPalette::WindowText, color);
    setPalette(p);
}

void TLegacy::mouseEntered() {
    savedColor_ = palette().color(QPalette::WindowText);
    setUnderline(true);
    setCursor(Qt::PointingHandCursor);
    setTextColor(ActiveColor);
    emit OnMouseEnter(this);
}

void TLegacy::mouseLeft() {
    unsetCursor();
    setUnderline(false);
    setTextColor(savedColor_);
    emit OnMouseExit(this);
}

void TLegacy::activate() {
    QApplication::setOverrideCursor(Qt::BusyCursor);
    if (opener)
        opener(target());
    QApplication::restoreOverrideCursor();
    emit OnClick(this);
}

void TLegacy::enterEvent(QEnterEvent* event) {
    QLabel::enterEvent(event);
    mouseEntered();
}

void TLegacy::leaveEvent(QEvent* event) {
    QLabel::leaveEvent(event);
    mouseLeft();
}

void TLegacy::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        activate();
}

void TLegacy::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter ||
        event->key() == Qt::Key_Space)
        activate();
    else
        QLabel::keyPressEvent(event);
}

} // namespace velkarn
