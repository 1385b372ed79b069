#include "ui/main/SplashWindow.h"

#include "ui/widgets/Artwork.h"
#include "ui/widgets/WindowPlacement.h"

#include <QLabel>
#include <QVBoxLayout>

namespace velkarn {

TfmSplash::TfmSplash(QWidget* parent)
    : QDialog(parent, Qt::SplashScreen | Qt::FramelessWindowHint) {
    setObjectName("fmSplash");
    setAttribute(Qt::WA_QuitOnClose, false);
    auto* picture = new QLabel(this);
    picture->setPixmap(bannerPicture(480, 240));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(picture);
    adjustSize();
    centreOnScreen(this);

    Timer1 = new QTimer(this);
    Timer1->setInterval(IntervalMs);
    connect(Timer1, &QTimer::timeout, this, &TfmSplash::Timer1Timer);
    Timer1->start();
}

void TfmSplash::Timer1Timer() {
    Timer1->stop();
    close();
}

} // namespace velkarn
