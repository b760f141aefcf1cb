// Program entry: the application object and the three windows that live for the whole run.
#include "app/frmMain.h"
#include "controls/KitLook.h"
#include "dialogs/frmAbout.h"
#include "dialogs/frmKundendaten.h"
#include "platform/Application.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    hovlo::platform::PrepareApplication();
    QApplication app(argc, argv);
    QApplication::setApplicationName(hovlo::platform::ApplicationTitle());
    hovlo::platform::InstallPlatformServices();
    hovlo::InstallKitLook(app);

    hovlo::TFormMain FormMain(QApplication::arguments());
    hovlo::TFormKundendaten FormKundendaten(&FormMain);
    hovlo::TdlgAbout dlgAbout(&FormMain);
    FormMain.SetDialogs(&FormKundendaten, &dlgAbout);

    // An unusable command line or configuration ends the run before the loop takes its first
    // turn: nothing is shown, and nothing waits for a quit request that a loop never sees.
    if (hovlo::platform::Terminated())
        return 0;
    FormMain.show();
    QApplication::exec();
    return 0;
}
