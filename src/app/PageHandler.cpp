#include "app/PageHandler.h"

#include "app/FormFilling.h"
#include "app/PageCompletion.h"
#include "platform/Application.h"
#include "platform/PageAgent.h"
#include "platform/TWebBrowser.h"

#include <QApplication>
#include <QMessageBox>

namespace hovlo {

void FillForm(platform::TWebBrowser& browser, const TFieldList& list,
              std::function<void(int written)> done) {
    platform::Fill(browser, MakeFillPlan(list), false,
                   [done = std::move(done)](std::optional<platform::TFillResult> result) {
                       if (done)
                           done(result ? result->Written : -1);
                   });
}

void ShowStandardError(const QString& text) {
    QMessageBox::critical(QApplication::activeWindow(), platform::ApplicationTitle(), text);
}

namespace {

// Step 4 of the handling: at most once per run, on the body markup as it stands after filling.
void CheckFirstLoad(platform::TWebBrowser& browser, TRunState& state,
                    const std::optional<std::string>& bodyMarkup) {
    if (!state.FFirstLoad)
        return;
    state.FFirstLoad = false;
    if (!IsValidFirstPage(bodyMarkup))
        browser.Navigate(QString::fromStdString(state.FExeDir + kErrorPageName));
}

} // namespace

void HandleDocumentComplete(platform::TWebBrowser& browser, TRunState& state,
                            const TPageCallbacks& callbacks) {
    // The agent drops its replies once the browser is gone, so the browser (and the run state
    // its window owns) are alive whenever these continuations run.
    platform::TWebBrowser* web = &browser;
    TRunState* run = &state;
    platform::RequestFacts(browser, [web, run, callbacks](std::optional<TPageFacts> facts) {
        const auto finish = [&callbacks] {
            if (callbacks.Finished)
                callbacks.Finished();
        };
        if (!facts) {
            finish(); // no document to work on: nothing changes
            return;
        }
        const TCompletionDecision decision = DecidePageCompletion(*facts);
        if (decision.Error) {
            const QString text = QString::fromStdString(*decision.Error);
            if (callbacks.ReportError)
                callbacks.ReportError(text);
            else
                ShowStandardError(text);
            finish();
            return;
        }
        if (callbacks.SetButtons)
            callbacks.SetButtons(decision.FillVisible, decision.PrintVisible);
        if (callbacks.SetHeaderText)
            callbacks.SetHeaderText(QString::fromStdString(decision.HeaderText));
        if (!decision.FillNow) {
            CheckFirstLoad(*web, *run, facts->BodyMarkup);
            finish();
            return;
        }
        // Filling may write into the body's text, so the first-load check reads the markup the
        // fill leaves behind.
        platform::Fill(*web, MakeFillPlan(run->FFieldList), run->FFirstLoad,
                       [web, run, callbacks,
                        body = facts->BodyMarkup](std::optional<platform::TFillResult> result) {
                           CheckFirstLoad(*web, *run,
                                          result && result->BodyMarkup ? result->BodyMarkup : body);
                           if (callbacks.Finished)
                               callbacks.Finished();
                       });
    });
}

} // namespace hovlo
