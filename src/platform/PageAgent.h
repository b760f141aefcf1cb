// The native side of the page agent (resources/agent.js): the only place that builds calls into
// the agent and decodes its replies. Each operation is one asynchronous runJavaScript call in the
// agent's world; the callback gets the checked reply, or nothing when the page gave no usable
// reply (no agent in the document, a reply of the wrong shape, an operation that failed).
// Callbacks are dropped when the browser is destroyed before the reply arrives. Used by the page
// handler (filling, page completion) and by printing (snapshot, print copy).
#pragma once

#include "app/FormFilling.h"
#include "app/PageCompletion.h"

#include <QString>

#include <functional>
#include <optional>
#include <string>

namespace hovlo::platform {

class TWebBrowser;

// Reads the configuration marker, the header element and the body markup of the document.
void RequestFacts(TWebBrowser& browser, std::function<void(std::optional<TPageFacts>)> done);

struct TFillResult {
    int Written = 0;                       // writes made, counting every element written
    bool Stopped = false;                  // an element refused its write and the run ended there
    std::optional<std::string> BodyMarkup; // after filling, when asked for and there is a body
};

// Applies the plan to the document in one call. withBody asks for the body markup afterwards.
void Fill(TWebBrowser& browser, const TFillPlan& plan, bool withBody,
          std::function<void(std::optional<TFillResult>)> done);

// The displayed document with its controls' current values carried into the body markup.
struct TDocumentSnapshot {
    QString Address;
    QString Title;
    QString Body;
};

void RequestSnapshot(TWebBrowser& browser,
                     std::function<void(std::optional<TDocumentSnapshot>)> done);

// Puts the snapshot's body and title into the browser's document and replaces every form control
// by its value. done(true) when all three passes ran; on a failure the copy stays as far as it
// got and done(false) follows.
void MakePrintCopy(TWebBrowser& browser, const TDocumentSnapshot& snapshot,
                   std::function<void(bool complete)> done);

// Gives the document a padding for print media only (CSS lengths, "top right bottom left");
// done(true) once it is in place. Printing uses it for the chosen page margins.
void SetPrintPadding(TWebBrowser& browser, const QString& padding,
                     std::function<void(bool applied)> done);

} // namespace hovlo::platform
