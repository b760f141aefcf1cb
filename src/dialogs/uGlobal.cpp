#include "dialogs/uGlobal.h"

#include "dialogs/uMessageBox.h"
#include "platform/Application.h"

#include <QApplication>
#include <QMessageBox>

namespace hovlo {

bool ShellOpen(const std::string& fileName, const std::string& folder,
               const std::string& parameters, bool wait) {
    return ShellOpen(fileName, folder, parameters, wait, Shell(), [](const std::string& text) {
        ShowMessageBox(QString::fromStdString(text), mbiInformation, mbbOk);
    });
}

void ShowHelp() {
    const int result = Shell().ShellExecute("open", GetProgramDir() + kHelpFileName, "", "", kShow);
    if (result != kShellFileNotFound && result != kShellPathNotFound)
        return; // opened, or a failure the help command does not report
    QMessageBox message(
        QMessageBox::NoIcon, platform::ApplicationTitle(),
        QStringLiteral("Datei \"%1\" wurde nicht gefunden.").arg(QLatin1String(kHelpFileName)),
        QMessageBox::Ok, QApplication::activeWindow());
    message.setObjectName(QStringLiteral("HelpNotFound"));
    message.exec();
}

void RunIESetup() {
    const std::string parameters = "\"" + GetProgramDir() + "Update.cfg\" config";
    ShellOpen("Zinvo.exe", GetCommonFilesDir() + "Veskora/", parameters, true);
}

} // namespace hovlo
