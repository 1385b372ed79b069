#include "ui/widgets/WindowPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace velkarn {

void setUpWindow(QWidget* window, const char* name, const char* caption) {
    window->setObjectName(name);
    window->setWindowTitle(caption);
    window->setAttribute(Qt::WA_QuitOnClose, false);
}

void centreOnScreen(QWidget* window, bool fitToContents) {
    if (fitToContents)
        window->adjustSize();
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        window->move(screen->availableGeometry().center() - window->rect().center());
}

void makeBold(QWidget* widget) {
    QFont font = widget->font();
    font.setBold(true);
    widget->setFont(font);
}

} // namespace velkarn
