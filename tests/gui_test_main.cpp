// Test entry for tests that need a GUI application (fonts, painting,
// widgets): Qt's offscreen platform, no display.

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    // Tests close windows; the test program goes on.
    QApplication::setQuitOnLastWindowClosed(false);
    return RUN_ALL_TESTS();
}
