#include "ui/widgets/LinkLabel.h"

#include "core/platform/Process.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>

namespace velkarn {

LinkLabel::LinkLabel(const QString& caption, QWidget* parent) : QLabel(caption, parent) {
    opener = [](const std::string& target) { return openUrl(target); };
    setFocusPolicy(Qt::TabFocus); // reachable by keyboard; Enter or Space opens it
    savedColor_ = palette().color(QPalette::WindowText);
}

std::string LinkLabel::target() const {
    if (addressType == Web && !address.empty())
        return address;
    return "mailto:" + address;
}

void LinkLabel::setUnderline(bool on) {
    QFont f = font();
    f.setUnderline(on);
    setFont(f);
}

void LinkLabel::setTextColor(const QColor& color) {
    QPalette p = palette();
    p.setColor(QPalette::WindowText, color);
    setPalette(p);
}

void LinkLabel::mouseEntered() {
    savedColor_ = palette().color(QPalette::WindowText);
    setUnderline(true);
    setCursor(Qt::PointingHandCursor);
    setTextColor(hoverColor);
    emit hoverStarted(this);
}

void LinkLabel::mouseLeft() {
    unsetCursor();
    setUnderline(false);
    setTextColor(savedColor_);
    emit hoverEnded(this);
}

void LinkLabel::activate() {
    QApplication::setOverrideCursor(Qt::BusyCursor);
    if (opener)
        opener(target());
    QApplication::restoreOverrideCursor();
    emit activated(this);
}

void LinkLabel::enterEvent(QEnterEvent* event) {
    QLabel::enterEvent(event);
    mouseEntered();
}

void LinkLabel::leaveEvent(QEvent* event) {
    QLabel::leaveEvent(event);
    mouseLeft();
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        activate();
}

void LinkLabel::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter ||
        event->key() == Qt::Key_Space)
        activate();
    else
        QLabel::keyPressEvent(event);
}

} // namespace velkarn
