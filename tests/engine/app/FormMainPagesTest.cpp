// The main window on the fixture installation with the real engine: the pages of the modes in
// both browsers and the command links that pages give.
#include "qt/app/MainWindowFixture.h"

#include "app/MainWindowLogic.h"
#include "platform/TWebBrowser.h"

#include <QComboBox>
#include <QSignalSpy>
#include <QTest>
#include <QUrl>
#include <gtest/gtest.h>

namespace hovlo {
namespace {

using testing::OpenMainWindow;
using testing::RunScript;

// True once the browser has completed loading a document whose address ends in `tail`.
bool WaitForPage(platform::TWebBrowser* browser, const QString& tail, int timeout = 15000) {
    return QTest::qWaitFor(
        [&] { return browser->ReadyState() == 4 && browser->LocationURL().endsWith(tail); },
        timeout);
}

QString Kind(platform::TWebBrowser* browser) {
    return RunScript(browser->View(), QStringLiteral("document.getElementById('kind').textContent"),
                     QWebEngineScript::UserWorld)
        .toString();
}

TEST(FormMainPages, StartedWithFaxLoadsTheFaxTemplateInBothBrowsers) {
    auto window = OpenMainWindow({"-FAX"});
    ASSERT_TRUE(WaitForPage(window->WebBrowser, "/app/Fax.html"));
    ASSERT_TRUE(WaitForPage(window->WebPrint, "/app/Fax.html"));
    EXPECT_EQ(Kind(window->WebBrowser), QStringLiteral("Fax"));
    EXPECT_EQ(Kind(window->WebPrint), QStringLiteral("Fax"));
    EXPECT_EQ(window->cmbVorlage->currentText(), QStringLiteral("Fax (offline)"));

    // Online: the print browser keeps the fax template.
    window->ShowPage(pmOnline);
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            return window->WebBrowser->LocationURL() ==
                   QString::fromStdString(OnlineSupportAddress("73"));
        },
        15000))
        << window->WebBrowser->LocationURL().toStdString();
    EXPECT_TRUE(window->WebPrint->LocationURL().endsWith("/app/Fax.html"));
}

TEST(FormMainPages, StartsOnTheOnlineAddressWithoutAModeSwitch) {
    auto window = OpenMainWindow();
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            return window->WebBrowser->LocationURL() ==
                   QStringLiteral("https://support.veskora.example/support/hits.html"
                                  "?productid=73&offline=73&version=02.00.00");
        },
        15000))
        << window->WebBrowser->LocationURL().toStdString();
    EXPECT_EQ(window->RunState().FPageMode, pmOnline);
    EXPECT_TRUE(QTest::qWaitFor([&] { return window->WebPrint->LocationURL() == "about:blank"; }));
}

// Following the links of the fax template; each case starts from the fax template.
TEST(FormMainPages, FollowsOrdinaryLinksAndRunsCommandLinks) {
    auto window = OpenMainWindow({"-FAX"});
    testing::TRecordingDialog dialog;
    window->SetDialogs(&dialog, nullptr);
    ASSERT_TRUE(WaitForPage(window->WebBrowser, "/app/Fax.html"));
    QSignalSpy navigations(window->WebBrowser, &platform::TWebBrowser::OnBeforeNavigate2);

    struct Case {
        const char* link;
        TPageMode mode;
        const char* page; // the page shown afterwards
        int dialogs;
        bool loads; // a document completes afterwards
    };
    const Case cases[] = {
        {"brief", pmLetter, "/app/Brief.html", 0, true},  // res:\\brief in lower case
        {"faxform", pmFax, "/app/Fax.html", 0, true},     // RES:\\FAX inside a longer word
        {"meinedaten", pmFax, "/app/Fax.html", 1, false}, // the dialog, the page stays
        {"ordinary", pmFax, "/app/Brief.html", 0, true},  // an ordinary link is followed
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.link);
        window->ShowPage(pmFax);
        ASSERT_TRUE(QTest::qWaitFor([&] { return window->WebBrowser->ReadyState() == 4; }));
        ASSERT_TRUE(WaitForPage(window->WebBrowser, "/app/Fax.html"));
        ASSERT_EQ(Kind(window->WebBrowser), QStringLiteral("Fax"));
        const int before = dialog.Shown;
        navigations.clear();
        QSignalSpy completions(window->WebBrowser, &platform::TWebBrowser::OnDocumentComplete);
        RunScript(window->WebBrowser->View(),
                  QStringLiteral("document.getElementById('%1').click()").arg(c.link));
        if (!QTest::qWaitFor([&] { return navigations.count() > 0; }, 5000))
            GTEST_SKIP() << "the browser does not report the navigations of its pages";
        QTest::qWait(300);
        EXPECT_TRUE(WaitForPage(window->WebBrowser, c.page)) << window->WebBrowser->ReadyState();
        EXPECT_EQ(window->RunState().FPageMode, c.mode);
        EXPECT_EQ(dialog.Shown - before, c.dialogs);
        // Page completion handling follows every load, also one that a command link started.
        EXPECT_EQ(completions.count() > 0, c.loads);
        const QString kind = QString::fromLatin1(c.page).section('/', -1).section('.', 0, 0);
        EXPECT_EQ(Kind(window->WebBrowser), kind);
    }
    EXPECT_TRUE(dialog.WasModal);
}

} // namespace
} // namespace hovlo
