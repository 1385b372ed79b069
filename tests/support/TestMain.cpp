#include <QApplication>
#include <gtest/gtest.h>

// Every test program gets one QApplication (on the offscreen platform under ctest), so widget
// and core tests share one main.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // Window placements go to the test home's configuration folder, as the program's go to the
    // user's.
    QApplication::setOrganizationName("Velkarn");
    QApplication::setApplicationName("Velkarn");
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
