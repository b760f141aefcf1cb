// The browser control: a widget around QWebEngineView with the operations and events that the
// main window relies on (navigation, the before-navigate and document-complete events, the load
// state). Every page gets the page agent injected and shares one off-the-record profile owned by
// the application; the page agent bridge (PageAgent.h) and printing reach the view and the page
// through View() and Page().
#pragma once

#include <QList>
#include <QString>
#include <QUrl>
#include <QWebEnginePage>
#include <QWidget>

class QWebEngineView;
class QWebEngineLoadingInfo;
class QWebEngineProfile;

namespace hovlo::platform {

// The scheme of the pages' command links ("RES:\\FAX" and friends).
inline constexpr char kCommandLinkScheme[] = "res";

// Registers the command-link scheme with the engine; must run before the application object
// exists (PrepareApplication does it).
void RegisterCommandLinkScheme();

class TWebBrowser;

// The page of a TWebBrowser: asks the browser before every navigation and passes the console on.
class TWebPage : public QWebEnginePage {
    Q_OBJECT
public:
    TWebPage(QWebEngineProfile* profile, TWebBrowser* browser);

signals:
    // A console message of the page or of the page agent (source "qrc:/hovlo/agent.js").
    void ConsoleMessage(int level, const QString& message, int line, const QString& source);

protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) override;
    void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel level, const QString& message,
                                  int lineNumber, const QString& sourceID) override;

private:
    TWebBrowser* FBrowser;
};

class TWebBrowser : public QWidget {
    Q_OBJECT
public:
    explicit TWebBrowser(QWidget* parent = nullptr);
    ~TWebBrowser() override;

    // Starts loading an address (a URL, or a full file path) and returns at once.
    void Navigate(const QString& address);
    // The address of the current document, percent-encoding undone.
    QString LocationURL() const;
    // 4 once the current load has completed; Navigate and every new load reset it to 1.
    int ReadyState() const;
    // True while a navigation is under way.
    bool Busy() const;

    // Page scripts on or off; the page agent runs either way. The print browser turns them off
    // so that markup taken from form values is shown but never runs.
    void SetScriptsEnabled(bool enabled);

    QWebEngineView* View() const { return FView; }
    TWebPage* Page() const { return FPage; }

    // The text under which an address reaches OnBeforeNavigate2 and LocationURL.
    static QString AddressText(const QUrl& url);

signals:
    // Before every navigation, frames and the browser's own navigations included; setting
    // *cancel stops it. Connect directly (the flag is read when the signal returns).
    void OnBeforeNavigate2(const QString& url, bool* cancel);
    // The document has finished loading (also when the load failed and the engine shows its
    // own error page).
    void OnDocumentComplete();

private:
    friend class TWebPage;
    bool BeforeNavigate(const QUrl& url, bool isMainFrame);
    void LoadingChanged(const QWebEngineLoadingInfo& info);

    TWebPage* FPage = nullptr;
    QWebEngineView* FView = nullptr;
    int FReadyState = 0;
    // Set by Navigate until the engine starts that load, so that the end of an earlier load
    // does not count as the end of the new one.
    bool FAwaitingStart = false;
    bool FHadDocument = false; // a document has completed before
    int FPendingLoads = 0;     // loads started and not yet ended
    QList<QUrl> FCancelled;    // main-frame navigations cancelled, until the engine ends them
};

// The profile all browsers share: off the record, with the command-link scheme handler; created
// on first use and released when the application ends, after the last page.
QWebEngineProfile* BrowserProfile();

} // namespace hovlo::platform
