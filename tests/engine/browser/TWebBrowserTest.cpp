// The browser control against the real engine: the before-navigate event for command links,
// frames and the program's own navigations, the load state, and page scripts switched off.
#include "engine/browser/BrowserFixture.h"

#include "app/PageHandler.h"

#include <gmock/gmock.h>

namespace hovlo::testing {
namespace {

class TWebBrowserTest : public BrowserFixture {
protected:
    // Records every before-navigate event; cancels those the predicate picks.
    void Record(std::function<bool(const QString&)> cancelIf) {
        QObject::connect(browser.get(), &platform::TWebBrowser::OnBeforeNavigate2,
                         [this, cancelIf](const QString& url, bool* cancel) {
                             navigations << url;
                             if (cancelIf(url))
                                 *cancel = true;
                         });
    }
    QStringList navigations;
};

TEST_F(TWebBrowserTest, CommandLinksArriveIntactAndCancellingKeepsThePage) {
    Record([](const QString& url) { return url.startsWith(QLatin1String("res:")); });
    for (const char* base :
         {"https://support.veskora.example/support/hits.html", "file:///opt/hovlo/Fax.html"}) {
        ASSERT_TRUE(LoadHtml(*browser,
                             R"(<a id="fax" href="RES:\\FAX">Fax</a>
                                <a id="brief" href="res:\\brief">Brief</a>
                                <a id="daten" href="RES:\\MEINEDATEN%20X">Daten</a>)",
                             QUrl(QString::fromUtf8(base))));
        QSignalSpy complete(browser.get(), &platform::TWebBrowser::OnDocumentComplete);
        navigations.clear();
        for (const char* id : {"fax", "brief", "daten"}) {
            Eval(QStringLiteral("document.getElementById('") + id + "').click()");
            ASSERT_TRUE(QTest::qWaitFor([&] { return !navigations.isEmpty(); }, 5000)) << id;
            EXPECT_EQ(navigations.size(), 1);
            navigations.clear();
        }
        EXPECT_FALSE(complete.wait(500)) << "a cancelled navigation loads nothing";
        EXPECT_EQ(browser->LocationURL(), QString::fromUtf8(base));
        EXPECT_EQ(browser->ReadyState(), 4);
        EXPECT_FALSE(browser->Busy());
    }
    // The address texts, as the link handling compares them.
    ASSERT_TRUE(LoadHtml(R"(<a id="fax" href="RES:\\FAX">Fax</a>)"));
    navigations.clear();
    Eval("document.getElementById('fax').click()");
    ASSERT_TRUE(QTest::qWaitFor([&] { return !navigations.isEmpty(); }, 5000));
    EXPECT_EQ(navigations, QStringList{"res:\\\\FAX"});
    navigations.clear();
    Eval(R"(location.href = 'res:\\\\brief')");
    ASSERT_TRUE(QTest::qWaitFor([&] { return !navigations.isEmpty(); }, 5000));
    EXPECT_EQ(navigations, QStringList{"res:\\\\brief"});
}

TEST_F(TWebBrowserTest, AsksBeforeFramesAndOwnNavigations) {
    Record([](const QString& url) { return url.endsWith(QLatin1String("Error.html")); });
    const QString page = kFixtures + "frames.html";
    ASSERT_TRUE(Load(*browser, page));
    EXPECT_TRUE(navigations.contains("file://" + page));
    EXPECT_TRUE(navigations.contains("file://" + kFixtures + "plain.txt")) << "frame";
    EXPECT_TRUE(navigations.contains("file://" + kFixtures + "Error.html")) << "frame";
    // The cancelled frame stays empty; the other frame loaded.
    EXPECT_EQ(Text("document.getElementById('cancelled').contentDocument.body.innerText"), "");
    EXPECT_THAT(
        Text("document.getElementById('loaded').contentDocument.body.innerText").toStdString(),
        ::testing::HasSubstr("Plain text"));

    // An own navigation that is cancelled leaves the document complete.
    QSignalSpy complete(browser.get(), &platform::TWebBrowser::OnDocumentComplete);
    browser->Navigate(kFixtures + "Error.html");
    ASSERT_TRUE(QTest::qWaitFor([&] { return browser->ReadyState() == 4; }, 5000));
    EXPECT_EQ(browser->LocationURL(), "file://" + page);
    EXPECT_EQ(complete.size(), 0);
}

TEST_F(TWebBrowserTest, ReadyStateWaitsForTheNewLoad) {
    ASSERT_TRUE(Load(*browser, kFixtures + "plain.txt"));
    EXPECT_EQ(browser->ReadyState(), 4);
    EXPECT_FALSE(browser->Busy());

    // Two navigations in a row: complete only once the second document is there.
    QSignalSpy complete(browser.get(), &platform::TWebBrowser::OnDocumentComplete);
    browser->Navigate(kFixtures + "frames.html");
    EXPECT_EQ(browser->ReadyState(), 1);
    EXPECT_TRUE(browser->Busy());
    browser->Navigate(kFixtures + "Error.html");
    ASSERT_TRUE(QTest::qWaitFor([&] { return browser->ReadyState() == 4; }, kLoadTimeoutMs));
    EXPECT_EQ(browser->LocationURL(), "file://" + kFixtures + "Error.html");
    EXPECT_EQ(Text("document.title"), "Fehler");
    EXPECT_GE(complete.size(), 1);
}

TEST_F(TWebBrowserTest, AgentWorksWithPageScriptsOff) {
    browser->SetScriptsEnabled(false);
    ASSERT_TRUE(LoadHtml(R"(<script>document.title = 'page script ran';</script>
        <input id="Name"><img src="x" onerror="document.title = 'handler ran'">)"));
    int written = -2;
    FillForm(*browser, {"Name=<img src=y onerror=\"document.title='value ran'\">"},
             [&](int n) { written = n; });
    ASSERT_TRUE(QTest::qWaitFor([&] { return written != -2; }, 5000));
    EXPECT_EQ(written, 1);
    QTest::qWait(200);
    EXPECT_EQ(Text("document.title"), "");
}

} // namespace
} // namespace hovlo::testing
