#include "ui/main/SplashWindow.h"

#include "ui/widgets/Artwork.h"
#include "ui/widgets/WindowPlacement.h"

#include <QLabel>
#include <QVBoxLayout>

namespace velkarn {

SplashWindow::SplashWindow(QWidget* parent)
    : QDialog(parent, Qt::SplashScreen | Qt::FramelessWindowHint), closeTimer_(this) {
    setObjectName("splashWindow");
    setAttribute(Qt::WA_QuitOnClose, false);
    auto* picture = new QLabel(this);
    picture->setPixmap(bannerPicture(480, 240));
    picture->setAccessibleName("Velkarn banner");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(picture);
    adjustSize();
    centreOnScreen(this);
    closeTimer_.setSingleShot(true);
    closeTimer_.setTimerType(Qt::PreciseTimer); // a coarse timer may run 5 % (0.1 s) late
    closeTimer_.setInterval(IntervalMs);
    connect(&closeTimer_, &QTimer::timeout, this, &QDialog::close);
}

// Counting from here, not from creation: a start slowed before the window appears must still
// see it closed by the timer rather than shown with nothing left to close it.
void SplashWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    closeTimer_.start();
}

void SplashWindow::mousePressEvent(QMouseEvent*) {
    close();
}

void SplashWindow::keyPressEvent(QKeyEvent*) {
    close();
}

} // namespace velkarn
