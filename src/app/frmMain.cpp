#include "app/frmMain.h"

#include "app/FieldList.h"
#include "data/SystemProbe.h"
#include "platform/Application.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QVBoxLayout>

namespace hovlo {

TFormMain::TFormMain(const QStringList& arguments, QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("FormMain"));
    setWindowTitle(QString::fromUtf8(kDefaultCaption));
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    lblProgTitle = new QLabel(central);
    lblProgTitle->setObjectName(QStringLiteral("lblProgTitle"));
    lblKundennummer = new QLabel(central);
    lblKundennummer->setObjectName(QStringLiteral("lblKundennummer"));
    layout->addWidget(lblProgTitle);
    layout->addWidget(lblKundennummer);
    layout->addStretch();
    setCentralWidget(central);
    Loaded();
    FormCreate(arguments);
}

TFormMain::~TFormMain() = default;

void TFormMain::SetDialogs(QDialog* formKundendaten, QDialog* dlgAbout) {
    FFormKundendaten = formKundendaten;
    FDlgAbout = dlgAbout;
}

void TFormMain::Loaded() { resize(1024, 768); }

void TFormMain::FormCreate(const QStringList& arguments) {
    FRun.FFirstLoad = true;
    FRun.FPageMode = pmOnline;
    FRun.FCustomerIni = std::make_unique<TVeskIni>();
    FRun.FFieldList.clear();
    // The folder of the program file itself, also when started through a link.
    QString exeDir = QCoreApplication::applicationDirPath();
    if (!exeDir.endsWith(QLatin1Char('/')))
        exeDir += QLatin1Char('/');
    FRun.FExeDir = exeDir.toStdString();
    if (!ReadCommandLine(arguments))
        platform::Terminate();
    if (!ReadSettings())
        platform::Terminate();
    CollectCustomerData(FRun.FFieldList);
    CollectSystemData(FRun.FFieldList);
    ComposeCustomerLine();
    lblProgTitle->setText(QString::fromStdString(FRun.FProductName));
    // The print browser starts on an empty page.
    ShowPage(FRun.FPageMode);
}

bool TFormMain::ReadCommandLine(const QStringList& arguments) {
    std::vector<std::string> args;
    for (qsizetype i = 1; i < arguments.size(); ++i)
        args.push_back(arguments[i].toStdString());
    return hovlo::ReadCommandLine(FRun, args, QDir::currentPath().toStdString());
}

bool TFormMain::ReadSettings() {
    std::string caption;
    if (!hovlo::ReadSettings(FRun, &caption))
        return false;
    setWindowTitle(QString::fromStdString(caption));
    return true;
}

void TFormMain::CollectCustomerData(TFieldList& list) { hovlo::CollectCustomerData(list, FRun); }

void TFormMain::CollectSystemData(TFieldList& list) {
    hovlo::CollectSystemData(list, SystemProbe());
}

void TFormMain::ComposeCustomerLine() {}

void TFormMain::ShowPage(TPageMode mode) { FRun.FPageMode = mode; }

void TFormMain::mBeendenClick() { platform::Terminate(); }

void TFormMain::mKundendatenClick() {
    if (FFormKundendaten)
        FFormKundendaten->exec();
}

} // namespace hovlo
