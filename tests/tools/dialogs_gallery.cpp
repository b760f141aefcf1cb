// Opens one of the dialogs for looking at it (screenshots under Xvfb):
//   dialogs_gallery long|three|kundendaten|about [customer-folder]
// "kundendaten" reads Vesk.ini from the customer folder (default: the working folder) and
// measures this machine with the installed probe.
#include "controls/KitLook.h"
#include "data/IniFile.h"
#include "dialogs/frmAbout.h"
#include "dialogs/frmKundendaten.h"
#include "dialogs/uMessageBox.h"
#include "platform/Application.h"

#include <QApplication>

#include <memory>

int main(int argc, char* argv[]) {
    hovlo::platform::PrepareApplication();
    QApplication app(argc, argv);
    QApplication::setApplicationName(hovlo::platform::ApplicationTitle());
    hovlo::InstallKitLook(app);
    const QString which = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("long");
    const std::string customerFolder = argc > 2 ? std::string(argv[2]) : std::string(".");
    hovlo::platform::InstallPlatformServices();
    hovlo::SetProfileFolderResolver([customerFolder] { return customerFolder; });

    std::unique_ptr<QDialog> dialog;
    if (which == QLatin1String("kundendaten")) {
        dialog = std::make_unique<hovlo::TFormKundendaten>();
    } else if (which == QLatin1String("about")) {
        dialog = std::make_unique<hovlo::TdlgAbout>();
    } else {
        auto box = std::make_unique<hovlo::TdlgMessageBox>();
        if (which == QLatin1String("three"))
            box->Prepare(QStringLiteral("Sollen die ge\u00e4nderten Daten gespeichert werden?"),
                         hovlo::mbiConfirmation, hovlo::mbbYes | hovlo::mbbNo | hovlo::mbbCancel);
        else
            box->Prepare(
                QStringLiteral("Die Verbindung zum Support-Server konnte nicht hergestellt "
                               "werden. Bitte pr\u00fcfen Sie Ihre Internet-Einstellungen und "
                               "versuchen Sie es sp\u00e4ter noch einmal. Wenn das Problem "
                               "bestehen bleibt, wenden Sie sich bitte an unseren "
                               "<b>Kundenservice</b>; die Telefonnummer finden Sie im "
                               "Impressum.<br>Fehlercode: 12029"),
                hovlo::mbiWarning, hovlo::mbbOk);
        dialog = std::move(box);
    }
    dialog->show();
    return QApplication::exec();
}
