#include "ui/widgets/Artwork.h"

#include <QLinearGradient>
#include <QPainter>

namespace velkarn {

QPixmap bannerPicture(int width, int height) {
    QPixmap picture(width, height);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, height);
    sky.setColorAt(0, QColor(40, 10, 10));
    sky.setColorAt(1, QColor(150, 40, 20));
    painter.fillRect(picture.rect(), sky);
    QFont title("Sans", height / 4, QFont::Black);
    painter.setFont(title);
    painter.setPen(QColor(0, 0, 0, 120));
    painter.drawText(picture.rect().translated(3, 3), Qt::AlignCenter, "VELKARN");
    painter.setPen(QColor(255, 200, 80));
    painter.drawText(picture.rect(), Qt::AlignCenter, "VELKARN");
    return picture;
}

} // namespace velkarn
