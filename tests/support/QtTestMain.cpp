// Test program entry for the widget and engine tests: one application object for all tests.
#include "controls/KitLook.h"
#include "platform/Application.h"

#include <QApplication>
#include <gmock/gmock.h>

int main(int argc, char** argv) {
    // Offscreen unless a test program asks for a real display (and one is there).
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") ||
        (qgetenv("QT_QPA_PLATFORM") == "xcb" && qEnvironmentVariableIsEmpty("DISPLAY")))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    ::testing::InitGoogleMock(&argc, argv);
    hovlo::platform::PrepareApplication();
    QApplication app(argc, argv);
    hovlo::InstallKitLook(app);
    return RUN_ALL_TESTS();
}
