#include "app/frmMain.h"

#include "app/FieldList.h"
#include "app/PageHandler.h"
#include "app/PrintCommand.h"
#include "controls/KitLook.h"
#include "controls/VeskButton.h"
#include "controls/VeskHTMLStaticText.h"
#include "controls/VeskLabel.h"
#include "controls/VeskPanel.h"
#include "data/SystemProbe.h"
#include "dialogs/uGlobal.h"
#include "platform/Application.h"
#include "platform/TWebBrowser.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QMouseEvent>
#include <QScreen>
#include <QSignalBlocker>
#include <QTimer>
#include <QVBoxLayout>
#include <QWebEngineView>

// The pictures live in a static library; referencing their initialiser keeps them linked in.
static void InitPictures() {
    Q_INIT_RESOURCE(pictures);
}

namespace hovlo {

namespace {

const QColor kWindowColour(238, 238, 238);
const QColor kTitleColour(85, 85, 85);
// clInactiveCaptionText of the classic desktop scheme; only seen while the page is not painted.
const QColor kBrowserPanelColour(216, 228, 248);

constexpr int kButtonRowHeight = 34;
constexpr int kLabelLeft = 4;

// Two lines; the first ends in a blank.
const char* const kHeaderDesignHtml =
    "Bitte formulieren Sie ihre Problembeschreibung oder einzelne Suchbegriffe unter \"Ihre "
    "Frage\". Sollten Sie keine passende Lösung finden, \n"
    "können Sie anschließend eine eMail an den Support verfassen.";

QFont PixelFont(const char* family, int pixelHeight, bool bold = false) {
    QFont font(QString::fromLatin1(family));
    font.setPixelSize(pixelHeight);
    font.setBold(bold);
    return font;
}

// A flat panel (both bevels off) in the parent's colour.
TVeskPanel* NewPanel(const char* name, QWidget* parent) {
    auto* panel = new TVeskPanel(parent);
    panel->setObjectName(QString::fromLatin1(name));
    panel->setBevelInner(bvNone);
    panel->setBevelOuter(bvNone);
    return panel;
}

// A stretched picture (TImage with Stretch).
QLabel* NewImage(const char* name, const char* resource, QWidget* parent) {
    auto* image = new QLabel(parent);
    image->setObjectName(QString::fromLatin1(name));
    image->setPixmap(QPixmap(QString::fromLatin1(resource)));
    image->setScaledContents(true);
    return image;
}

void SetTextColour(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    widget->setPalette(palette);
}

// A transparent label without click focus and without image spacing.
TVeskLabel* NewLabel(const char* name, QWidget* parent, const QFont& font, const QColor& colour) {
    auto* label = new TVeskLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setFont(font);
    label->setTransparent(true);
    label->setClickFocus(false);
    label->setSpacing(0);
    SetTextColour(label, colour);
    return label;
}

TVeskButton* NewButton(const char* name, const QString& caption, QWidget* parent, int left) {
    auto* button = new TVeskButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setCaption(caption);
    button->setFont(KitFont());
    button->setRoundColor(kWindowColour);
    button->setGeometry(left, 5, 100, 23);
    return button;
}

// Fills a panel with one child (the alignment "client").
void FillWith(QWidget* panel, QWidget* child) {
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(child);
}

} // namespace

TFormMain::TFormMain(const QStringList& arguments, QWidget* parent) : QMainWindow(parent) {
    InitPictures();
    CreateControls();
    CreateMenu();
    Loaded();
    FormCreate(arguments);
}

TFormMain::~TFormMain() {
    if (FHookInstalled)
        qApp->removeEventFilter(this);
}

void TFormMain::SetDialogs(QDialog* formKundendaten, QDialog* dlgAbout) {
    FFormKundendaten = formKundendaten;
    FDlgAbout = dlgAbout;
}

void TFormMain::CreateControls() {
    setObjectName(QStringLiteral("FormMain"));
    setWindowTitle(QString::fromUtf8(kDefaultCaption));
    setMinimumSize(575, 300);
    setFont(KitFont());
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, kWindowColour);
    palette.setColor(QPalette::Button, kWindowColour);
    setPalette(palette);

    FClient = new QWidget(this);
    FClient->setObjectName(QStringLiteral("FormMainClient"));
    setCentralWidget(FClient);
    FClient->installEventFilter(this);

    // The header: banners below, the three labels over them.
    pnlImage = NewPanel("pnlImage", FClient);
    pnlImage->setGeometry(0, 0, kDesignWidth, 105);
    imgLogoOnline = NewImage("imgLogoOnline", ":/pictures/LogoOnline.jpg", pnlImage);
    imgLogoOnline->setGeometry(0, 0, kDesignWidth, 105);
    imgLogoFax = NewImage("imgLogoFax", ":/pictures/LogoFax.jpg", pnlImage);
    imgLogoFax->setGeometry(628, 12, 113, 33);
    imgLogoFax->hide();
    imgLogoBrief = NewImage("imgLogoBrief", ":/pictures/LogoBrief.jpg", pnlImage);
    imgLogoBrief->setGeometry(756, 12, 137, 33);
    imgLogoBrief->hide();

    lblKundennummer = NewLabel("lblKundennummer", pnlImage, PixelFont("Verdana", 16, true),
                               palette.color(QPalette::WindowText));
    lblKundennummer->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblProgTitle = NewLabel("lblProgTitle", pnlImage, PixelFont("Verdana", 24, true), kTitleColour);
    lblProgTitle->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblProgTitle->setCaption(QStringLiteral("Veskora Produkt"));
    lblHeaderText = new TVeskHTMLStaticText(pnlImage);
    lblHeaderText->setObjectName(QStringLiteral("lblHeaderText"));
    lblHeaderText->setFont(PixelFont("Verdana", 15));
    SetTextColour(lblHeaderText, Qt::white);
    lblHeaderText->setAutoScroll(false);
    lblHeaderText->setMiniScroll(false);
    lblHeaderText->setAutoSizing(false);
    lblHeaderText->setAutoSizeType(asVertical);
    lblHeaderText->setShadowOffset(1);
    lblHeaderText->setVAlignment(tvaTop);
    lblHeaderText->setTransparent(true);
    lblHeaderText->HTMLText().SetText(QString::fromUtf8(kHeaderDesignHtml));
    const THeaderLabels& design = kHeaderDesign;
    QWidget* const labels[] = {lblProgTitle, lblKundennummer, lblHeaderText};
    for (std::size_t i = 0; i < design.size(); ++i)
        labels[i]->setGeometry(kLabelLeft, design[i].Top, design[i].Width, design[i].Height);

    // The button row over the background strip.
    pnlButtons = NewPanel("pnlButtons", FClient);
    pnlButtons->setGeometry(0, 105, kDesignWidth, kButtonRowHeight);
    imgBorder = NewImage("imgBorder", ":/pictures/Border.jpg", pnlButtons);
    imgBorder->setGeometry(0, 0, kDesignWidth, kButtonRowHeight);
    VeskLabel1 = NewLabel("VeskLabel1", pnlButtons, KitFont(), palette.color(QPalette::WindowText));
    VeskLabel1->setCaption(QString::fromUtf8("Ü&bertragungsart:"));
    VeskLabel1->setGeometry(4, 7, 85, 21);
    cmbVorlage = new QComboBox(pnlButtons);
    cmbVorlage->setObjectName(QStringLiteral("cmbVorlage"));
    cmbVorlage->setEditable(false);
    cmbVorlage->addItems({QStringLiteral("FAQ / Onlineformular"), QStringLiteral("Fax (offline)"),
                          QStringLiteral("Brief (offline)")});
    cmbVorlage->setGeometry(92, 7, 140, 21);
    VeskLabel1->setFocusControl(cmbVorlage);
    btnDatenEintragen =
        NewButton("btnDatenEintragen", QString::fromUtf8("&Formular füllen"), pnlButtons, 240);
    btnDatenEintragen->hide();
    btnDrucken = NewButton("btnDrucken", QStringLiteral("D&rucken..."), pnlButtons, 348);
    btnDrucken->hide();
    btnIhreDaten = NewButton("btnIhreDaten", QStringLiteral("&Ihre Daten..."), pnlButtons, 1042);

    // The visible browser fills the rest; the print browser sits in a panel at the bottom.
    VeskPanel1 = NewPanel("VeskPanel1", FClient);
    VeskPanel2 = NewPanel("VeskPanel2", VeskPanel1);
    VeskPanel2->setColor(kBrowserPanelColour);
    FillWith(VeskPanel1, VeskPanel2);
    WebBrowser = new platform::TWebBrowser(VeskPanel2);
    WebBrowser->setObjectName(QStringLiteral("WebBrowser"));
    FillWith(VeskPanel2, WebBrowser);
    VeskPanel4 = NewPanel("VeskPanel4", FClient);
    VeskPanel4->setGeometry(0, 363, kDesignWidth, 163);
    WebPrint = new platform::TWebBrowser(VeskPanel4);
    WebPrint->setObjectName(QStringLiteral("WebPrint"));
    FillWith(VeskPanel4, WebPrint);
    // The print browser takes no room and must not swallow the focus when tabbing.
    WebPrint->View()->setFocusPolicy(Qt::NoFocus);
    FPrintCommand = new TPrintCommand(WebBrowser, WebPrint, this);
    // Right clicks are filtered by the message hook; no browser shows its own menu either.
    WebBrowser->View()->setContextMenuPolicy(Qt::NoContextMenu);
    WebPrint->View()->setContextMenuPolicy(Qt::NoContextMenu);

    setTabOrder(WebBrowser->View(), cmbVorlage);
    setTabOrder(cmbVorlage, btnDatenEintragen);
    setTabOrder(btnDatenEintragen, btnDrucken);
    setTabOrder(btnDrucken, btnIhreDaten);

    // The before-navigate flag is read when the signal returns: connect directly.
    connect(WebBrowser, &platform::TWebBrowser::OnBeforeNavigate2, this,
            &TFormMain::WebBrowserBeforeNavigate2, Qt::DirectConnection);
    connect(WebBrowser, &platform::TWebBrowser::OnDocumentComplete, this,
            &TFormMain::WebBrowserDocumentComplete);
    // activated: only a choice of the user, never the index that ShowPage sets.
    connect(cmbVorlage, &QComboBox::activated, this, &TFormMain::cmbVorlageChange);
    connect(btnDatenEintragen, &TVeskButton::clicked, this, &TFormMain::btnDatenEintragenClick);
    connect(btnDrucken, &TVeskButton::clicked, this, &TFormMain::mDruckenClick);
    connect(btnIhreDaten, &TVeskButton::clicked, this, &TFormMain::mKundendatenClick);
}

void TFormMain::CreateMenu() {
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu"));
    bar->setFont(KitFont());
    // The flat light look of the design's menu: white lists, a grey icon column, framed
    // highlight.
    bar->setStyleSheet(QStringLiteral(
        "QMenuBar { background: #eeeeee; }"
        "QMenuBar::item { padding: 3px 7px; background: transparent; }"
        "QMenuBar::item:selected { background: #c1d2ee; border: 1px solid #316ac5; }"
        "QMenu { background: #ffffff; border: 1px solid #8a8a8a; }"
        "QMenu::item { padding: 4px 24px 4px 30px; border: 1px solid transparent; }"
        "QMenu::item:selected { background: #c1d2ee; border: 1px solid #316ac5; color: black; }"
        "QMenu::icon { padding-left: 6px; }"
        "QMenu::separator { height: 1px; background: #c5c5c5; margin: 3px 2px 3px 30px; }"));

    const QIcon printerImage(QStringLiteral(":/pictures/Menu1.png"));
    const QIcon infoImage(QStringLiteral(":/pictures/Menu2.png"));
    auto addItem = [this](QMenu* menu, const char* name, const QString& caption, auto slot) {
        QAction* action = menu->addAction(caption);
        action->setObjectName(QString::fromLatin1(name));
        connect(action, &QAction::triggered, this, slot);
        return action;
    };

    QMenu* datei = bar->addMenu(QStringLiteral("&Datei"));
    datei->setObjectName(QStringLiteral("mDatei"));
    mSeiteEinrichten = addItem(datei, "mSeiteEinrichten", QStringLiteral("Seite &einrichten..."),
                               &TFormMain::mSeiteEinrichtenClick);
    mDrucken = addItem(datei, "mDrucken", QStringLiteral("D&rucken..."), &TFormMain::mDruckenClick);
    mDrucken->setIcon(printerImage);
    datei->addSeparator();
    mBeenden = addItem(datei, "mBeenden", QStringLiteral("&Beenden"), &TFormMain::mBeendenClick);
    mBeenden->setShortcut(QKeySequence(Qt::ALT | Qt::Key_F4));

    QMenu* extras = bar->addMenu(QStringLiteral("E&xtras"));
    extras->setObjectName(QStringLiteral("mExtras"));
    mIESetup = addItem(extras, "mIESetup", QStringLiteral("&Internet Einstellungen"),
                       &TFormMain::mIESetupClick);

    QMenu* hilfe = bar->addMenu(QStringLiteral("&Hilfe"));
    hilfe->setObjectName(QStringLiteral("mHilfeMenu"));
    mHilfe = addItem(hilfe, "mHilfe", QStringLiteral("Hovlo-&Hilfe"), &TFormMain::mHilfeClick);
    // Shown in the menu; the key itself is taken by the message hook (see AppMessage).
    mHilfe->setShortcut(QKeySequence(Qt::Key_F1));
    hilfe->addSeparator();
    mAbout = addItem(hilfe, "mAbout", QStringLiteral("&Info..."), &TFormMain::mAboutClick);
    mAbout->setIcon(infoImage);
}

void TFormMain::Loaded() {
    FDesignWidth = kDesignWidth;
    FLabelDesign = kHeaderDesign;

    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->geometry() : QRect(0, 0, 1024, 768);
    const TWindowPlacement placement = InitialWindowPlacement(area.width(), area.height());
    resize(placement.Width, placement.Height);
    move(area.left() + placement.Left, area.top() + placement.Top);
    if (placement.Maximise) {
        // Posted: the window is maximised once the run loop runs, after it has been shown.
        QMetaObject::invokeMethod(
            this, [this] { setWindowState(windowState() | Qt::WindowMaximized); },
            Qt::QueuedConnection);
    }

    btnIhreDaten->move(pnlButtons->width() - btnIhreDaten->width() - kRightButtonMargin,
                       btnIhreDaten->y());
    LayoutClient();
}

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
    lblProgTitle->setCaption(QString::fromStdString(FRun.FProductName));
    // A run that ends before its loop starts loads no page: nothing would show it, and an
    // unusable configuration sends nothing to the support server.
    if (!platform::Terminated()) {
        WebPrint->Navigate(QStringLiteral("about:blank"));
        ShowPage(FRun.FPageMode);
    }
    VeskPanel4->resize(VeskPanel4->width(), 0);
    LayoutClient();
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

void TFormMain::CollectCustomerData(TFieldList& list) {
    hovlo::CollectCustomerData(list, FRun);
}

void TFormMain::CollectSystemData(TFieldList& list) {
    hovlo::CollectSystemData(list, SystemProbe());
}

void TFormMain::ComposeCustomerLine() {
    const TVeskIni& store = *FRun.FCustomerIni;
    lblKundennummer->setCaption(QString::fromStdString(
        CustomerLine(store.GetVorname(), store.GetNachname(), store.GetKundenNr())));
}

void TFormMain::LayoutClient() {
    if (FDesignWidth == 0)
        return;
    const int width = FClient->width();
    const int height = FClient->height();
    pnlImage->resize(width, pnlImage->height());
    pnlImageResize();
    const int headerBottom = pnlImage->height();
    pnlButtons->setGeometry(0, headerBottom, width, kButtonRowHeight);
    imgBorder->setGeometry(0, 0, width, kButtonRowHeight);
    btnIhreDaten->move(width - btnIhreDaten->width() - kRightButtonMargin, btnIhreDaten->y());
    const int printHeight = VeskPanel4->height();
    const int printTop = std::max(headerBottom + kButtonRowHeight, height - printHeight);
    VeskPanel4->setGeometry(0, printTop, width, printHeight);
    VeskPanel1->setGeometry(0, headerBottom + kButtonRowHeight, width,
                            std::max(0, printTop - headerBottom - kButtonRowHeight));
}

void TFormMain::pnlImageResize() {
    // Nothing is scaled before Loaded has recorded the design geometry.
    if (FDesignWidth == 0)
        return;
    const QPixmap picture = imgLogoOnline->pixmap();
    const THeaderLayout layout = ScaleHeader(pnlImage->width(), picture.width(), picture.height(),
                                             FDesignWidth, FLabelDesign);
    pnlImage->resize(pnlImage->width(), layout.Height);
    const QRect client = pnlImage->rect();
    imgLogoOnline->setGeometry(client);
    if (FFaxAligned)
        imgLogoFax->setGeometry(client);
    if (FLetterAligned)
        imgLogoBrief->setGeometry(client);
    QWidget* const labels[] = {lblProgTitle, lblKundennummer, lblHeaderText};
    for (std::size_t i = 0; i < layout.Labels.size(); ++i) {
        const TLabelBounds& bounds = layout.Labels[i];
        labels[i]->setGeometry(labels[i]->x(), bounds.Top, std::max(0, bounds.Width),
                               std::max(0, bounds.Height));
        QFont font = labels[i]->font();
        // A font height is negative (a character height); Qt needs at least one pixel.
        font.setPixelSize(std::max(1, -bounds.FontHeight));
        labels[i]->setFont(font);
    }
}

void TFormMain::ShowPage(TPageMode mode) {
    FRun.FPageMode = mode;
    imgLogoOnline->setVisible(mode == pmOnline);
    imgLogoBrief->setVisible(mode == pmLetter);
    imgLogoFax->setVisible(mode == pmFax);
    {
        const QSignalBlocker noChangeEvent(cmbVorlage);
        cmbVorlage->setCurrentIndex(mode);
    }
    switch (mode) {
    case pmOnline:
        imgLogoOnline->setGeometry(pnlImage->rect());
        WebBrowser->Navigate(QString::fromStdString(OnlineSupportAddress(FRun.FProductId)));
        break;
    case pmFax:
        FFaxAligned = true;
        imgLogoFax->setGeometry(pnlImage->rect());
        WebBrowser->Navigate(QString::fromStdString(FRun.FFaxTemplate));
        WebPrint->Navigate(QString::fromStdString(FRun.FFaxTemplate));
        break;
    case pmLetter:
        FLetterAligned = true;
        imgLogoBrief->setGeometry(pnlImage->rect());
        WebBrowser->Navigate(QString::fromStdString(FRun.FLetterTemplate));
        WebPrint->Navigate(QString::fromStdString(FRun.FLetterTemplate));
        break;
    }
}

void TFormMain::cmbVorlageChange(int index) {
    if (const auto mode = PageModeForIndex(index))
        ShowPage(*mode);
}

void TFormMain::WebBrowserBeforeNavigate2(const QString& url, bool* cancel) {
    const TCommandLink link = FindCommandLink(url.toStdString());
    if (link == clNone)
        return;
    *cancel = true;
    // The action runs from the event loop's next turn: starting a navigation or a modal dialog
    // inside the engine's navigation request re-enters the engine while it is deciding.
    QTimer::singleShot(0, this, [this, link] {
        switch (link) {
        case clFax:
            ShowPage(pmFax);
            break;
        case clBrief:
            ShowPage(pmLetter);
            break;
        case clMeineDaten:
            mKundendatenClick();
            break;
        case clIESetup:
            mIESetupClick();
            break;
        case clNone:
            break;
        }
    });
}

void TFormMain::WebBrowserDocumentComplete() {
    TPageCallbacks cb;
    cb.SetButtons = [this](bool fillVisible, bool printVisible) {
        btnDatenEintragen->setVisible(fillVisible);
        btnDrucken->setVisible(printVisible);
    };
    cb.SetHeaderText = [this](const QString& text) { lblHeaderText->HTMLText().SetText(text); };
    HandleDocumentComplete(*WebBrowser, FRun, cb);
}

void TFormMain::FillForm(const TFieldList& list) {
    hovlo::FillForm(*WebBrowser, list);
}

void TFormMain::mBeendenClick() {
    platform::Terminate();
}

void TFormMain::mKundendatenClick() {
    if (FFormKundendaten)
        FFormKundendaten->exec();
}

void TFormMain::mDruckenClick() {
    FPrintCommand->Print(FRun.FPageMode);
}

void TFormMain::mSeiteEinrichtenClick() {
    FPrintCommand->PageSetup(FRun.FPageMode);
}

void TFormMain::mHilfeClick() {
    ShowHelp();
}

void TFormMain::mAboutClick() {
    if (FDlgAbout)
        FDlgAbout->exec();
}

void TFormMain::mIESetupClick() {
    RunIESetup();
}

void TFormMain::btnDatenEintragenClick() {
    FillForm(FRun.FFieldList);
}

bool TFormMain::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate)
        FormActivate();
    else if (event->type() == QEvent::WindowDeactivate)
        FormDeactivate();
    return QMainWindow::event(event);
}

void TFormMain::closeEvent(QCloseEvent* event) {
    // FormClose: the hook goes, and closing the main window ends the run.
    FormDeactivate();
    event->accept();
    platform::Terminate();
}

void TFormMain::FormActivate() {
    if (FHookInstalled)
        return;
    qApp->installEventFilter(this);
    FHookInstalled = true;
}

void TFormMain::FormDeactivate() {
    if (!FHookInstalled)
        return;
    qApp->removeEventFilter(this);
    FHookInstalled = false;
}

bool TFormMain::eventFilter(QObject* watched, QEvent* event) {
    if (watched == FClient && event->type() == QEvent::Resize) {
        LayoutClient();
        return false;
    }
    if (!FHookInstalled)
        return false;
    // The event type first: the engine's own objects (built without type information) see
    // other events through this filter too, and are never looked at.
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::ContextMenu:
    case QEvent::ShortcutOverride:
    case QEvent::KeyPress:
        break;
    default:
        return false;
    }
    if (!watched->isWidgetType())
        return false;
    return AppMessage(static_cast<QWidget*>(watched), event);
}

bool TFormMain::AppMessage(QWidget* target, QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
        // Right clicks never reach the page (or any other control of the window).
        return static_cast<QMouseEvent*>(event)->button() == Qt::RightButton &&
               target->window() == this;
    case QEvent::ContextMenu:
        return target->window() == this;
    case QEvent::ShortcutOverride:
    case QEvent::KeyPress: {
        auto* key = static_cast<QKeyEvent*>(event);
        // Alt+F1 is a system key and no help request.
        if (key->key() != Qt::Key_F1 || (key->modifiers() & Qt::AltModifier) ||
            target->window() != this)
            return false;
        if (event->type() == QEvent::ShortcutOverride) {
            // Claimed here so that the key press follows (the menu shortcut does not fire).
            event->accept();
            return true;
        }
        mHilfe->trigger();
        return true;
    }
    default:
        return false;
    }
}

} // namespace hovlo
