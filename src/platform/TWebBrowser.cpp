#include "platform/TWebBrowser.h"

#include <QCoreApplication>
#include <QFile>
#include <QPointer>
#include <QUrl>
#include <QVBoxLayout>
#include <QWebEngineLoadingInfo>
#include <QWebEngineProfile>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>
#include <QWebEngineSettings>
#include <QWebEngineUrlRequestJob>
#include <QWebEngineUrlScheme>
#include <QWebEngineUrlSchemeHandler>
#include <QWebEngineView>

#include <algorithm>

#if defined(__SANITIZE_ADDRESS__)
// The engine library frees some of its own objects (inside WebContentsAdapter) through a sized
// delete of another type; that is not this program's fault, so under AddressSanitizer that one
// check is off for every program that uses a browser. ASAN_OPTIONS still overrides it.
extern "C" const char* __asan_default_options() {
    return "new_delete_type_mismatch=0";
}
#endif

// The resource file lives in a static library; this keeps its initialiser linked in.
static void InitAgentResource() {
    Q_INIT_RESOURCE(resources);
}

namespace hovlo::platform {

namespace {

// Command links carry no content: they reach OnBeforeNavigate2, and one that is not cancelled
// ends as a failed load, as an unknown resource would.
class TCommandLinkHandler : public QWebEngineUrlSchemeHandler {
public:
    using QWebEngineUrlSchemeHandler::QWebEngineUrlSchemeHandler;
    void requestStarted(QWebEngineUrlRequestJob* job) override {
        job->fail(QWebEngineUrlRequestJob::UrlNotFound);
    }
};

QWebEngineScript AgentScript() {
    InitAgentResource();
    QFile file(QStringLiteral(":/hovlo/agent.js"));
    const bool opened = file.open(QIODevice::ReadOnly);
    Q_ASSERT(opened); // compiled in; a missing agent is a build fault
    (void)opened;
    QWebEngineScript script;
    script.setName(QStringLiteral("hovlo-agent"));
    script.setSourceCode(QString::fromUtf8(file.readAll()));
    // The agent only defines functions, so it can exist from the document's creation on; a
    // fill asked for while the page still loads then finds it.
    script.setInjectionPoint(QWebEngineScript::DocumentCreation);
    script.setWorldId(QWebEngineScript::ApplicationWorld);
    // The program works on the top-level document only.
    script.setRunsOnSubFrames(false);
    return script;
}

// The application's one profile. A post routine releases it when the application object goes
// away; it is registered after the engine's own, so it runs first, after every window (and so
// every page) is gone.
QPointer<QWebEngineProfile> gProfile;

} // namespace

void RegisterCommandLinkScheme() {
    QWebEngineUrlScheme scheme(kCommandLinkScheme);
    // Path syntax: "res:\\FAX" has no host part to normalise away.
    scheme.setSyntax(QWebEngineUrlScheme::Syntax::Path);
    QWebEngineUrlScheme::registerScheme(scheme);
}

QWebEngineProfile* BrowserProfile() {
    if (!gProfile) {
        auto* profile = new QWebEngineProfile(QCoreApplication::instance()); // off the record
        profile->installUrlSchemeHandler(kCommandLinkScheme, new TCommandLinkHandler(profile));
        profile->scripts()->insert(AgentScript());
        gProfile = profile;
        qAddPostRoutine([] { delete gProfile.data(); });
    }
    return gProfile;
}

TWebPage::TWebPage(QWebEngineProfile* profile, TWebBrowser* browser)
    : QWebEnginePage(profile, browser), FBrowser(browser) {}

bool TWebPage::acceptNavigationRequest(const QUrl& url, NavigationType, bool isMainFrame) {
    return FBrowser->BeforeNavigate(url, isMainFrame);
}

void TWebPage::javaScriptConsoleMessage(JavaScriptConsoleMessageLevel level, const QString& message,
                                        int lineNumber, const QString& sourceID) {
    emit ConsoleMessage(static_cast<int>(level), message, lineNumber, sourceID);
}

TWebBrowser::TWebBrowser(QWidget* parent) : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    FPage = new TWebPage(BrowserProfile(), this);
    FView = new QWebEngineView(this);
    FView->setPage(FPage);
    layout->addWidget(FView);
    connect(FPage, &QWebEnginePage::loadingChanged, this, &TWebBrowser::LoadingChanged);
}

void TWebBrowser::LoadingChanged(const QWebEngineLoadingInfo& info) {
    const bool started = info.status() == QWebEngineLoadingInfo::LoadStartedStatus;
    // A cancelled navigation still starts and stops in the engine; it is no load of ours.
    if (const qsizetype i = FCancelled.indexOf(info.url()); i >= 0) {
        if (!started) {
            FCancelled.removeAt(i);
            if (FAwaitingStart) {
                FAwaitingStart = false;
                FReadyState = FHadDocument ? 4 : 0;
            }
        }
        return;
    }
    // A navigation that replaces a cancelled one before the engine has ended it is reported
    // without a start: its end is still the end of the load Navigate asked for.
    if (!started && FAwaitingStart && info.url() == FRequested) {
        FAwaitingStart = false;
        FPendingLoads = 0;
    }
    if (started) {
        ++FPendingLoads;
        FAwaitingStart = false;
        FReadyState = 1;
        return;
    }
    FPendingLoads = std::max(0, FPendingLoads - 1);
    // The end of a load that a newer one replaced, or that Navigate has replaced already.
    if (FPendingLoads > 0 || FAwaitingStart)
        return;
    FReadyState = 4;
    FHadDocument = true;
    emit OnDocumentComplete();
}

TWebBrowser::~TWebBrowser() {
    // The view first, so that it never falls back to a page of the default profile.
    delete FView;
    delete FPage;
}

void TWebBrowser::Navigate(const QString& address) {
    FReadyState = 1;
    FAwaitingStart = true;
    FRequested =
        address.startsWith(QLatin1Char('/')) ? QUrl::fromLocalFile(address) : QUrl(address);
    FPage->setUrl(FRequested);
}

QString TWebBrowser::AddressText(const QUrl& url) {
    return QUrl::fromPercentEncoding(url.toEncoded());
}

QString TWebBrowser::LocationURL() const {
    return AddressText(FPage->url());
}

int TWebBrowser::ReadyState() const {
    return FReadyState;
}

bool TWebBrowser::Busy() const {
    return FReadyState == 1;
}

void TWebBrowser::SetScriptsEnabled(bool enabled) {
    FPage->settings()->setAttribute(QWebEngineSettings::JavascriptEnabled, enabled);
}

bool TWebBrowser::BeforeNavigate(const QUrl& url, bool isMainFrame) {
    bool cancel = false;
    emit OnBeforeNavigate2(AddressText(url), &cancel);
    if (cancel && isMainFrame)
        FCancelled.append(url);
    return !cancel;
}

} // namespace hovlo::platform
