#include "ui/main/SplashWindow.h"

#include "ui/widgets/Artwork.h"
#include "ui/widgets/WindowPlacement.h"

#include <QLabel>
#include <QVBoxLayout>

namespace velkarn {

SplashWindow::SplashWindow(QWidget* parent)
    : QDialog(parent, Qt::SplashScreen | Qt::FramelessWindowHint) {
    setObjectName("splashWindow");
    setAttribute(Qt::WA_QuitOnClose, false);
    auto* picture = new QLabel(this);
    picture->setPixmap(bannerPicture(480, 240));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(picture);
    adjustSize();
    centreOnScreen(this);

    closeTimer = new QTimer(this);
    closeTimer->setInterval(IntervalMs);
    connect(closeTimer, &QTimer::timeout, this, &SplashWindow::closeSplash);
    closeTimer->start();
}

void SplashWindow::closeSplash() {
    closeTimer->stop();
    close();
}

} // namespace velkarn
