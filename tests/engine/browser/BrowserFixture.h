// Test fixture for the browser tests: one real TWebBrowser, offscreen, with helpers to load a page
// and wait for it, to read the DOM back in a world of its own, and to fail the test on any console
// message of the page agent.
#pragma once

#include "platform/TWebBrowser.h"

#include <QFile>
#include <QSignalSpy>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>
#include <QVariant>
#include <QWebEngineScript>
#include <QWebEngineView>
#include <gtest/gtest.h>

#include <memory>

namespace hovlo::testing {

inline constexpr int kLoadTimeoutMs = 15000;
// The folder of the browser fixtures, ending in "/".
inline const QString kFixtures = QStringLiteral(HOVLO_FIXTURES_DIR "/browser/");

class BrowserFixture : public ::testing::Test {
protected:
    void SetUp() override { browser = MakeBrowser(); }

    void TearDown() override {
        EXPECT_TRUE(agentMessages.isEmpty()) << agentMessages.join('\n').toStdString();
        browser.reset();
    }

    // A browser whose agent console messages land in agentMessages.
    std::unique_ptr<platform::TWebBrowser> MakeBrowser() {
        auto made = std::make_unique<platform::TWebBrowser>();
        made->resize(800, 600);
        QObject::connect(made->Page(), &platform::TWebPage::ConsoleMessage,
                         [this](int, const QString& message, int line, const QString& source) {
                             if (source.contains(QLatin1String("qrc:/hovlo/agent")))
                                 agentMessages
                                     << source + ':' + QString::number(line) + ": " + message;
                         });
        return made;
    }

    // Shows the markup as a document at the given address and waits until it has completed.
    static bool LoadHtml(platform::TWebBrowser& target, const QString& html,
                         const QUrl& base = QUrl(QStringLiteral("file:///fixture/page.html"))) {
        QSignalSpy complete(&target, &platform::TWebBrowser::OnDocumentComplete);
        target.View()->setHtml(html, base);
        return complete.wait(kLoadTimeoutMs);
    }
    bool LoadHtml(const QString& html) { return LoadHtml(*browser, html); }

    // Navigates and waits for the document-complete event.
    static bool Load(platform::TWebBrowser& target, const QString& address) {
        QSignalSpy complete(&target, &platform::TWebBrowser::OnDocumentComplete);
        target.Navigate(address);
        return complete.wait(kLoadTimeoutMs);
    }

    // Evaluates an expression in a world of the tests' own (it works with page scripts off).
    static QVariant Eval(platform::TWebBrowser& target, const QString& expression) {
        QVariant result;
        bool done = false;
        target.Page()->runJavaScript(expression, QWebEngineScript::UserWorld,
                                     [&](const QVariant& value) {
                                         result = value;
                                         done = true;
                                     });
        if (!QTest::qWaitFor([&] { return done; }, kLoadTimeoutMs))
            ADD_FAILURE() << "no reply to " << expression.toStdString();
        return result;
    }
    QVariant Eval(const QString& expression) { return Eval(*browser, expression); }
    QString Text(const QString& expression) { return Eval(expression).toString(); }

    // Waits for an asynchronous callback to have set *flag.
    static bool WaitFor(const bool& flag) {
        return QTest::qWaitFor([&] { return flag; }, kLoadTimeoutMs);
    }

    std::unique_ptr<platform::TWebBrowser> browser;
    QStringList agentMessages;
};

} // namespace hovlo::testing
