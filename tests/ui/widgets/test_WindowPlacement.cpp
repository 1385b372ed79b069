#include "ui/widgets/WindowPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QWidget>
#include <gtest/gtest.h>

using namespace velkarn;

// A window kept larger than the screen, or beyond its edge (a bigger monitor, a smaller scale),
// comes back whole on the screen there is.
TEST(WindowPlacement, AKeptPlacementOffTheScreenIsBroughtBackWhole) {
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    QWidget kept;
    kept.setObjectName("placedWindow");
    kept.setGeometry(screen.right() - 50, screen.bottom() - 50, screen.width() * 2,
                     screen.height() * 2);
    QSettings().setValue("placement/placedWindow", kept.saveGeometry());

    QWidget window;
    window.setObjectName("placedWindow");
    rememberPlacement(&window, QSize(300, 200));
    EXPECT_TRUE(screen.contains(window.geometry()))
        << window.geometry().x() << "," << window.geometry().y() << " " << window.geometry().width()
        << "x" << window.geometry().height();
    QSettings().remove("placement/placedWindow");
}
