#include "platform/Application.h"

#include "data/IniFile.h"
#include "platform/LinuxShell.h"
#include "platform/LinuxSystemProbe.h"
#include "platform/TWebBrowser.h"

#include <QCoreApplication>
#include <QLoggingCategory>
#include <QMetaObject>

namespace hovlo::platform {

namespace {
bool gTerminated = false; // the application's own termination request
} // namespace

void PrepareApplication() {
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QCoreApplication::setAttribute(Qt::AA_DisableShaderDiskCache);
    RegisterCommandLinkScheme();
    // The engine reports its graphics set-up at every start; that is no message for a customer.
    // QT_LOGGING_RULES still turns it back on.
    QLoggingCategory::setFilterRules(QStringLiteral("qt.webenginecontext.info=false"));
}

void Terminate() {
    gTerminated = true;
    // Queued, so that a request made during start-up takes effect when the loop starts.
    if (auto* app = QCoreApplication::instance())
        QMetaObject::invokeMethod(app, &QCoreApplication::quit, Qt::QueuedConnection);
}

bool Terminated() { return gTerminated; }

std::string WindowsFolder() {
    // A relative XDG_CONFIG_HOME is invalid and ignored.
    const QByteArray xdg = qgetenv("XDG_CONFIG_HOME");
    if (xdg.startsWith('/'))
        return xdg.toStdString();
    const QByteArray home = qgetenv("HOME");
    if (home.isEmpty())
        return {};
    return home.toStdString() + "/.config";
}

void InstallProfileFolderResolver() { SetProfileFolderResolver([] { return WindowsFolder(); }); }

void InstallPlatformServices() {
    InstallProfileFolderResolver();
    InstallSystemProbe();
    InstallLinuxShell();
}

} // namespace hovlo::platform
