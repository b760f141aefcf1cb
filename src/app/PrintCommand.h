// The main window's print and page-setup commands. Online, the displayed page is previewed as it
// is. In the fax and letter modes the print browser loads the displayed address afresh, takes
// over the displayed document with its controls' current values, replaces every form control by
// its value (the print copy) and previews that. Nothing here blocks: the load of the print
// browser is awaited through its completion event, bounded by kLoadTimeoutMs.
#pragma once

#include "app/RunState.h"
#include "platform/TPrintHandler.h"

#include <QObject>
#include <QTimer>

#include <functional>

namespace hovlo {

namespace platform {
class TWebBrowser;
}

class TPrintCommand : public QObject {
    Q_OBJECT
public:
    // Longest wait for the print browser's load; then the preview opens on what is there.
    static constexpr int kLoadTimeoutMs = 30000;

    // Both browsers must outlive the command (the main window owns all three). Page scripts are
    // switched off in the print browser.
    TPrintCommand(platform::TWebBrowser* webBrowser, platform::TWebBrowser* webPrint,
                  QObject* parent = nullptr);

    // The print command (mDruckenClick). A second call while the print copy is being made is
    // refused.
    void Print(TPageMode mode);
    // The page-setup command (mSeiteEinrichtenClick), for the browser that prints in the mode.
    void PageSetup(TPageMode mode);

    // True while the print browser is loading or the copy is being made.
    bool Waiting() const { return FWaiting; }

    platform::TPrintHandler& BrowserPrinter() { return FBrowserPrinter; }
    platform::TPrintHandler& PrintPrinter() { return FPrintPrinter; }

    // Called when the print copy has ended, complete or not, just before its preview (tests).
    std::function<void(bool complete)> OnCopyMade;

private:
    void LoadDone();
    void MakeCopy();
    void Preview(platform::TPrintHandler& handler);
    void CopyEnded(bool complete);

    platform::TWebBrowser* FWebBrowser;
    platform::TWebBrowser* FWebPrint;
    platform::TPrintHandler FBrowserPrinter;
    platform::TPrintHandler FPrintPrinter;
    bool FWaiting = false;
    QMetaObject::Connection FLoadConnection;
    QTimer FLoadTimeout;
};

} // namespace hovlo
