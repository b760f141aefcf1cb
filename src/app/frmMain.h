// The main window: the picture header with title, customer line and header text, the button row
// with the mode combo box, the visible browser and the hidden print browser, and the menu. It owns
// the run state, runs the start-up sequence when it is created, switches between the online page
// and the two offline templates, and, while it is the active window, filters the application's
// input so that F1 opens the help from anywhere in it and right clicks never reach the page.
// Created once by the program entry; the dialogs and the page units call into it.
#pragma once

#include "app/MainWindowLogic.h"
#include "app/RunState.h"
#include "controls/VeskButton.h"
#include "controls/VeskHTMLStaticText.h"
#include "controls/VeskLabel.h"
#include "controls/VeskPanel.h"

#include <QMainWindow>

class QAction;
class QComboBox;
class QDialog;
class QLabel;

namespace hovlo {

namespace platform {
class TWebBrowser;
}
class TPrintCommand;

class TFormMain : public QMainWindow {
    Q_OBJECT
public:
    // Builds the window, then runs Loaded and FormCreate with the process arguments
    // (arguments[0] is the program path).
    explicit TFormMain(const QStringList& arguments, QWidget* parent = nullptr);
    ~TFormMain() override;

    // The dialogs that live for the whole run; created by the program entry after this window.
    void SetDialogs(QDialog* formKundendaten, QDialog* dlgAbout);

    const TRunState& RunState() const { return FRun; }

    // Switches to a mode: banner, combo index (without a change event) and the navigations.
    void ShowPage(TPageMode mode);

    // The window's controls, owned by the window; named as their object names.
    TVeskPanel* pnlImage = nullptr;
    QLabel* imgLogoOnline = nullptr; // the banners: stretched pictures
    QLabel* imgLogoFax = nullptr;
    QLabel* imgLogoBrief = nullptr;
    TVeskLabel* lblKundennummer = nullptr;
    TVeskLabel* lblProgTitle = nullptr;
    TVeskHTMLStaticText* lblHeaderText = nullptr;
    TVeskPanel* VeskPanel1 = nullptr;
    TVeskPanel* VeskPanel2 = nullptr;
    platform::TWebBrowser* WebBrowser = nullptr;
    TVeskPanel* VeskPanel4 = nullptr;
    platform::TWebBrowser* WebPrint = nullptr;
    TVeskPanel* pnlButtons = nullptr;
    QLabel* imgBorder = nullptr;
    TVeskLabel* VeskLabel1 = nullptr;
    QComboBox* cmbVorlage = nullptr;
    TVeskButton* btnDatenEintragen = nullptr;
    TVeskButton* btnDrucken = nullptr;
    TVeskButton* btnIhreDaten = nullptr;
    QAction* mSeiteEinrichten = nullptr;
    QAction* mDrucken = nullptr;
    QAction* mBeenden = nullptr;
    QAction* mIESetup = nullptr;
    QAction* mHilfe = nullptr;
    QAction* mAbout = nullptr;

public slots:
    // Menu "&Beenden": ends the run.
    void mBeendenClick();
    // Button "&Ihre Daten..." and the page link: the your-data dialog, modally.
    void mKundendatenClick();
    // The commands that the printing and dialog units fill.
    void mDruckenClick();
    void mSeiteEinrichtenClick();
    void mHilfeClick();
    void mAboutClick();
    void mIESetupClick();
    void btnDatenEintragenClick();
    // A document of the visible browser has completed loading.
    void WebBrowserDocumentComplete();
    // A choice of the user in the mode combo box.
    void cmbVorlageChange(int index);
    // Every navigation of the visible browser: catches the page command links.
    void WebBrowserBeforeNavigate2(const QString& url, bool* cancel);

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void FillForm(const TFieldList& list);
    void CreateControls();
    void CreateMenu();
    void Loaded();
    void FormCreate(const QStringList& arguments);
    bool ReadCommandLine(const QStringList& arguments);
    bool ReadSettings();
    void CollectCustomerData(TFieldList& list);
    void CollectSystemData(TFieldList& list);
    void ComposeCustomerLine();
    // Places the client area's panels after a size change (the form's alignments).
    void LayoutClient();
    void pnlImageResize();
    void FormActivate();
    void FormDeactivate();
    // The message hook: true when the event is swallowed.
    bool AppMessage(QWidget* target, QEvent* event);

    TRunState FRun;
    int FDesignWidth = 0; // 0 until Loaded has recorded the design geometry
    THeaderLabels FLabelDesign{};
    bool FHookInstalled = false;
    bool FFaxAligned = false;    // once shown, the fax banner fills the header
    bool FLetterAligned = false; // likewise the letter banner
    QWidget* FClient = nullptr;
    QDialog* FFormKundendaten = nullptr;
    QDialog* FDlgAbout = nullptr;
    TPrintCommand* FPrintCommand = nullptr; // print and page setup
};

} // namespace hovlo
