#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// Every test program gets one QApplication (on the offscreen platform under ctest), so widget
// and core tests share one main.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setOrganizationName("Velkarn");
    QApplication::setApplicationName("Velkarn");
    // Kept filters and window placements go to a folder of this program's own: ctest runs test
    // programs side by side, and what one keeps must not reach another.
    const QTemporaryDir settingsFolder;
    if (!settingsFolder.isValid())
        return 1;
    for (const auto format : {QSettings::NativeFormat, QSettings::IniFormat})
        QSettings::setPath(format, QSettings::UserScope, settingsFolder.path());
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
