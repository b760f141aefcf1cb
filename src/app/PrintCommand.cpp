#include "app/PrintCommand.h"

#include "app/PageHandler.h"
#include "platform/PageAgent.h"
#include "platform/TWebBrowser.h"

#include <QPointer>
#include <QWebEngineView>

#include <exception>

namespace hovlo {

TPrintCommand::TPrintCommand(platform::TWebBrowser* webBrowser, platform::TWebBrowser* webPrint,
                             QObject* parent)
    : QObject(parent), FWebBrowser(webBrowser), FWebPrint(webPrint),
      FBrowserPrinter(webBrowser, this), FPrintPrinter(webPrint, this) {
    // Markup taken from form values is shown in the copy but never runs.
    FWebPrint->SetScriptsEnabled(false);
    FLoadTimeout.setSingleShot(true);
    FLoadTimeout.setInterval(kLoadTimeoutMs);
    connect(&FLoadTimeout, &QTimer::timeout, this, [this] {
        disconnect(FLoadConnection);
        CopyEnded(false);
    });
}

void TPrintCommand::Preview(platform::TPrintHandler& handler) {
    try {
        handler.PrintPreview();
    } catch (const std::exception& e) {
        ShowStandardError(QString::fromUtf8(e.what()));
    }
}

void TPrintCommand::PageSetup(TPageMode mode) {
    auto& handler = mode == pmOnline ? FBrowserPrinter : FPrintPrinter;
    try {
        handler.PageSetup();
    } catch (const std::exception& e) {
        ShowStandardError(QString::fromUtf8(e.what()));
    }
}

void TPrintCommand::Print(TPageMode mode) {
    if (mode == pmOnline) {
        Preview(FBrowserPrinter);
        return;
    }
    if (FWaiting)
        return;
    FWaiting = true;
    // Load the displayed address afresh, so that no earlier copy carries over. The wait observes
    // this new load: the print browser reports completion only for loads started after Navigate.
    FLoadConnection = connect(FWebPrint, &platform::TWebBrowser::OnDocumentComplete, this,
                              &TPrintCommand::LoadDone);
    FLoadTimeout.start();
    FWebPrint->Navigate(FWebBrowser->View()->url().toString(QUrl::FullyEncoded));
}

void TPrintCommand::LoadDone() {
    if (FWebPrint->ReadyState() != 4)
        return;
    disconnect(FLoadConnection);
    FLoadTimeout.stop();
    MakeCopy();
}

void TPrintCommand::MakeCopy() {
    QPointer<TPrintCommand> self(this);
    platform::RequestSnapshot(
        *FWebBrowser, [self](std::optional<platform::TDocumentSnapshot> snap) {
            if (!self)
                return;
            if (!snap) {
                self->CopyEnded(false);
                return;
            }
            platform::MakePrintCopy(*self->FWebPrint, *snap, [self](bool complete) {
                if (self)
                    self->CopyEnded(complete);
            });
        });
}

void TPrintCommand::CopyEnded(bool complete) {
    // A failure anywhere in the copy ends it where it is; the preview opens in any case.
    FWaiting = false;
    if (OnCopyMade)
        OnCopyMade(complete);
    // The preview runs its own loop; start it from the loop, not inside the agent's reply.
    QTimer::singleShot(0, this, [this] { Preview(FPrintPrinter); });
}

} // namespace hovlo
