#include "platform/TPrintHandler.h"

#include "platform/PageAgent.h"
#include "platform/TWebBrowser.h"

#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QEventLoop>
#include <QFormLayout>
#include <QJsonArray>
#include <QJsonDocument>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QWebEnginePage>
#include <QWebEngineScript>
#include <QWebEngineView>

namespace hovlo::platform {

namespace {

QPageLayout DefaultLayout() {
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(15, 15, 15, 15),
                       QPageLayout::Millimeter);
}

// Paper, orientation and margins without a printer: the platform dialog offers these only for
// real printers.
bool EditLayoutWithoutPrinter(QWidget* parent, QPageLayout& layout) {
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("dlgSeiteEinrichten"));
    dialog.setWindowTitle(QStringLiteral("Seite einrichten"));
    auto* form = new QFormLayout(&dialog);

    auto* paper = new QComboBox(&dialog);
    paper->setObjectName(QStringLiteral("cmbPapier"));
    for (auto id : {QPageSize::A4, QPageSize::A5, QPageSize::A3, QPageSize::Letter,
                    QPageSize::Legal, QPageSize::B5}) {
        paper->addItem(QPageSize::name(id), static_cast<int>(id));
        if (layout.pageSize().id() == id)
            paper->setCurrentIndex(paper->count() - 1);
    }
    form->addRow(QStringLiteral("Papier&format:"), paper);

    auto* portrait = new QRadioButton(QStringLiteral("&Hochformat"), &dialog);
    auto* landscape = new QRadioButton(QStringLiteral("&Querformat"), &dialog);
    portrait->setObjectName(QStringLiteral("rbHochformat"));
    landscape->setObjectName(QStringLiteral("rbQuerformat"));
    (layout.orientation() == QPageLayout::Landscape ? landscape : portrait)->setChecked(true);
    form->addRow(QStringLiteral("Ausrichtung:"), portrait);
    form->addRow(QString(), landscape);

    const QMarginsF mm = layout.margins(QPageLayout::Millimeter);
    const auto marginBox = [&](const char* name, qreal value) {
        auto* box = new QDoubleSpinBox(&dialog);
        box->setObjectName(QString::fromLatin1(name));
        box->setRange(0, 100);
        box->setDecimals(1);
        box->setSuffix(QStringLiteral(" mm"));
        box->setValue(value);
        return box;
    };
    auto* left = marginBox("edLinks", mm.left());
    auto* right = marginBox("edRechts", mm.right());
    auto* top = marginBox("edOben", mm.top());
    auto* bottom = marginBox("edUnten", mm.bottom());
    form->addRow(QStringLiteral("Rand &links:"), left);
    form->addRow(QStringLiteral("Rand &rechts:"), right);
    form->addRow(QStringLiteral("Rand &oben:"), top);
    form->addRow(QStringLiteral("Rand &unten:"), bottom);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("&Abbrechen"));
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    form->addRow(buttons);

    if (dialog.exec() != QDialog::Accepted)
        return false;
    QPageLayout chosen(QPageSize(static_cast<QPageSize::PageSizeId>(paper->currentData().toInt())),
                       landscape->isChecked() ? QPageLayout::Landscape : QPageLayout::Portrait,
                       QMarginsF(), QPageLayout::Millimeter);
    chosen.setMinimumMargins(QMarginsF());
    chosen.setMargins(QMarginsF(left->value(), top->value(), right->value(), bottom->value()));
    layout = chosen;
    return true;
}

} // namespace

TPrintHandler::TPrintHandler(TWebBrowser* browser, QObject* parent)
    : QObject(parent), FBrowser(browser), FPageLayout(DefaultLayout()) {}

TPrintHandler::~TPrintHandler() = default;

QWidget* TPrintHandler::DialogParent() const {
    return FBrowser ? FBrowser->window() : nullptr;
}

bool TPrintHandler::PrintDocument(QPrinter* printer) {
    if (!FBrowser || !printer)
        return false;
    bool ok = false;
    QEventLoop wait;
    connect(FBrowser, &QObject::destroyed, &wait, &QEventLoop::quit);
    auto done = connect(FBrowser->View(), &QWebEngineView::printFinished, &wait, [&](bool success) {
        ok = success;
        wait.quit();
    });
    // The engine lays its pages out over the whole paper and paints them unscaled into the
    // printer's margins, which cuts the right and lower edge. So the pages are painted from the
    // paper's corner and the chosen margins become the document's own print padding (on a page
    // break inside the document the engine's own page edges apply).
    const QMarginsF mm = printer->pageLayout().margins(QPageLayout::Millimeter);
    const QString padding = QStringLiteral("%1mm %2mm %3mm %4mm")
                                .arg(mm.top(), 0, 'f', 1)
                                .arg(mm.right(), 0, 'f', 1)
                                .arg(mm.bottom(), 0, 'f', 1)
                                .arg(mm.left(), 0, 'f', 1);
    printer->setFullPage(true);
    QPointer<TWebBrowser> browser = FBrowser;
    SetPrintPadding(*FBrowser, padding, [browser, printer](bool) {
        // Printed also when the padding could not be set (no document of the agent's kind).
        if (browser)
            browser->View()->print(printer);
    });
    // The engine prints asynchronously; windows repaint meanwhile, but take no input.
    wait.exec(QEventLoop::ExcludeUserInputEvents);
    disconnect(done);
    if (!ok) {
        QPainter painter;
        if (painter.begin(printer)) {
            painter.drawText(printer->pageLayout().paintRectPixels(printer->resolution()),
                             Qt::AlignCenter | Qt::TextWordWrap,
                             QStringLiteral("Die Seite konnte nicht gedruckt werden."));
            painter.end();
        }
    }
    return ok;
}

void TPrintHandler::PaintPreview(QPrinter* printer) {
    FPainting = true;
    PrintDocument(printer);
    FPainting = false;
    // Closed while the first paint ran: exec() would never return without this.
    if (FClosedWhilePainting && FPreview)
        QTimer::singleShot(0, FPreview.data(), &QDialog::reject);
}

void TPrintHandler::PrintPreview() {
    if (FInPreview || !FBrowser)
        return;
    FInPreview = true;
    FClosedWhilePainting = false;
    if (FPreviewHook) {
        FPreviewHook(*this);
    } else {
        const QPrinterInfo chosen = QPrinterInfo::defaultPrinter();
        QPrinter printer(chosen, QPrinter::HighResolution);
        printer.setResolution(kResolution);
        printer.setPageLayout(FPageLayout);
        QPrintPreviewDialog preview(&printer, DialogParent());
        preview.setObjectName(QStringLiteral("dlgDruckvorschau"));
        preview.setWindowTitle(QStringLiteral("Druckvorschau"));
        preview.resize(900, 700);
        FPreview = &preview;
        connect(&preview, &QPrintPreviewDialog::paintRequested, this, &TPrintHandler::PaintPreview);
        connect(&preview, &QDialog::finished, this, [this] {
            if (FPainting)
                FClosedWhilePainting = true;
        });
        preview.exec();
        FPreview = nullptr;
    }
    FInPreview = false;
}

void TPrintHandler::PageSetup() {
    QPageLayout layout = FPageLayout;
    if (QPrinterInfo::availablePrinters().isEmpty()) {
        if (EditLayoutWithoutPrinter(DialogParent(), layout))
            FPageLayout = layout;
        return;
    }
    QPrinter printer(QPrinterInfo::defaultPrinter(), QPrinter::HighResolution);
    printer.setPageLayout(layout);
    QPageSetupDialog dialog(&printer, DialogParent());
    if (dialog.exec() == QDialog::Accepted)
        FPageLayout = printer.pageLayout();
}

} // namespace hovlo::platform
