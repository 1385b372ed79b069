#include <QApplication>
#include <gtest/gtest.h>

// Every test program gets one QApplication (on the offscreen platform under ctest), so widget
// and core tests share one main.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
