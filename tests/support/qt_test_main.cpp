// Test entry point for tests that need the Qt application (run with QT_QPA_PLATFORM=offscreen).
#include <gtest/gtest.h>

#include <QApplication>

#include "platform/gui_application.h"

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    // Tests never need a display; test discovery at build time runs without the CTest environment.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    quorvane::platform::UseMetricStandIns();
    return RUN_ALL_TESTS();
}
