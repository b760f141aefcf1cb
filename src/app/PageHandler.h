// The main window's page handling on the visible browser: form filling and the reaction to a
// completed document (buttons, automatic filling, header text, first-load check). The decisions
// are the core's (FormFilling.h, PageCompletion.h); this unit gathers the page facts through the
// page agent, applies the outcome through callbacks and never waits: every step continues in the
// agent's reply.
//
// Wiring in TFormMain (WebBrowser is the visible platform::TWebBrowser, FRun the run state):
//
//   void TFormMain::FillForm(const TFieldList& list) { hovlo::FillForm(*WebBrowser, list); }
//   void TFormMain::btnDatenEintragenClick() { FillForm(FRun.FFieldList); }
//   void TFormMain::WebBrowserDocumentComplete() {
//       TPageCallbacks cb;
//       cb.SetButtons = [this](bool fill, bool print) {
//           btnDatenEintragen->setVisible(fill);
//           btnDrucken->setVisible(print);
//       };
//       cb.SetHeaderText = [this](const QString& text) { lblHeaderText->SetHTMLText(text); };
//       HandleDocumentComplete(*WebBrowser, FRun, cb); // ReportError left empty: message box
//   }
//   // in the constructor, after WebBrowser exists:
//   connect(WebBrowser, &platform::TWebBrowser::OnDocumentComplete, this,
//           &TFormMain::WebBrowserDocumentComplete);
//
// The callbacks are copied and may run after HandleDocumentComplete has returned, so they must
// stay valid as long as the browser lives (capturing the window that owns it is fine).
#pragma once

#include "app/RunState.h"

#include <QString>

#include <functional>

namespace hovlo {

namespace platform {
class TWebBrowser;
}

struct TPageCallbacks {
    // Shows or hides the fill button btnDatenEintragen and the print button btnDrucken.
    std::function<void(bool fillVisible, bool printVisible)> SetButtons;
    // Replaces the header label's text (simple HTML).
    std::function<void(const QString& text)> SetHeaderText;
    // The standard error report; when empty, ShowStandardError.
    std::function<void(const QString& text)> ReportError;
    // Called once the handling of this document has ended, whichever way (for tests).
    std::function<void()> Finished;
};

// Writes the field list into the browser's current document, in one call to the page agent.
// Shows nothing on any outcome; done (optional) gets the number of writes made, or -1 when the
// document could not be filled at all.
void FillForm(platform::TWebBrowser& browser, const TFieldList& list,
              std::function<void(int written)> done = {});

// The handler of the visible browser's OnDocumentComplete: marker, buttons, automatic filling,
// header text and, once per run, the first-load check that replaces a foreign first page by
// FExeDir + "Error.html". Works on the top-level document whatever frame completed.
void HandleDocumentComplete(platform::TWebBrowser& browser, TRunState& state,
                            const TPageCallbacks& callbacks);

// A modal critical message titled with the application title.
void ShowStandardError(const QString& text);

} // namespace hovlo
