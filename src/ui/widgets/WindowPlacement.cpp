#include "ui/widgets/WindowPlacement.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QWidget>
#include <algorithm>

namespace velkarn {

namespace {

QString placementKey(const QWidget& window) {
    return "placement/" + window.objectName();
}

// Keeps its window's geometry whenever the window is hidden.
class PlacementKeeper : public QObject {
public:
    explicit PlacementKeeper(QWidget* window) : QObject(window), window_(window) {
        window->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == window_ && event->type() == QEvent::Hide)
            QSettings().setValue(placementKey(*window_), window_->saveGeometry());
        return false;
    }

private:
    QWidget* window_;
};

// Keeps its window's height at what the contents ask for, whenever they lay themselves out anew.
class HeightKeeper : public QObject {
public:
    explicit HeightKeeper(QWidget* window) : QObject(window), window_(window) {
        window->installEventFilter(this);
        keepHeight();
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == window_ && event->type() == QEvent::LayoutRequest)
            keepHeight();
        return false;
    }

private:
    void keepHeight() { window_->setFixedHeight(window_->sizeHint().height()); }

    QWidget* window_;
};

} // namespace

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

namespace {

void keepOnScreen(QWidget* window) {
    const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    // Room left for the title bar the window manager adds above the window.
    constexpr int TitleBar = 32;
    const QRect available = screen->availableGeometry().adjusted(0, TitleBar, 0, 0);
    QRect placed = window->geometry();
    placed.setSize(placed.size().boundedTo(available.size()).expandedTo(window->minimumSize()));
    placed.moveLeft(std::clamp(placed.left(), available.left(),
                               std::max(available.left(), available.right() + 1 - placed.width())));
    placed.moveTop(std::clamp(placed.top(), available.top(),
                              std::max(available.top(), available.bottom() + 1 - placed.height())));
    window->setGeometry(placed);
}

} // namespace

void rememberPlacement(QWidget* window, QSize defaultSize) {
    window->resize(defaultSize);
    if (!window->restoreGeometry(QSettings().value(placementKey(*window)).toByteArray()))
        centreOnScreen(window, false);
    // A placement kept on a larger screen, or at a smaller scale, must still show the whole
    // window.
    keepOnScreen(window);
    new PlacementKeeper(window);
}

void rememberPlacementGrowingInWidth(QWidget* window, int defaultWidth) {
    const QSize wanted = window->sizeHint();
    rememberPlacement(window, QSize(std::max(defaultWidth, wanted.width()), wanted.height()));
    new HeightKeeper(window);
}

void makeBold(QWidget* widget) {
    QFont font = widget->font();
    font.setBold(true);
    widget->setFont(font);
}

} // namespace velkarn
