// Test program entry for the widget and engine tests: one application object for all tests.
// The environment is set here rather than by CTest, so a test program runs the same by hand.
#include "controls/KitLook.h"
#include "platform/Application.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <gmock/gmock.h>

int main(int argc, char** argv) {
#ifdef HOVLO_TEST_NEEDS_DISPLAY
    // The real-input tests: on the display when there is one; they skip themselves otherwise.
    qputenv("QT_QPA_PLATFORM", qEnvironmentVariableIsEmpty("DISPLAY") ? "offscreen" : "xcb");
#else
    qputenv("QT_QPA_PLATFORM", "offscreen");
#endif
    // Tests run as root, where the engine needs its sandbox off.
    if (qEnvironmentVariableIsEmpty("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    // A private runtime folder, as a desktop session provides one.
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        const QString runtime = QStringLiteral(HOVLO_BINARY_DIR "/test-runtime");
        QDir().mkpath(runtime);
        QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("XDG_RUNTIME_DIR", runtime.toLocal8Bit());
    }
    ::testing::InitGoogleMock(&argc, argv);
    hovlo::platform::PrepareApplication();
    QApplication app(argc, argv);
    hovlo::InstallKitLook(app);
    return RUN_ALL_TESTS();
}
