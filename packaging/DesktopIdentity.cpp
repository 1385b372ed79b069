#include "packaging/DesktopIdentity.h"

#include <QGuiApplication>
#include <QIcon>

namespace velkarn {

void applyDesktopIdentity() {
    // Built in rather than looked up in the icon theme, so a program run from its build folder
    // shows the icon too.
    QIcon icon;
    for (const int size : {48, 128, 256})
        icon.addFile(QStringLiteral(":/velkarn/icons/velkarn-%1.png").arg(size), QSize(size, size));
    QGuiApplication::setWindowIcon(icon);
    QGuiApplication::setDesktopFileName(QStringLiteral(VELKARN_APP_ID));
}

} // namespace velkarn
