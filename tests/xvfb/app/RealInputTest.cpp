// The main window's message hook under real X input (xdotool on an Xvfb display): F1 with the
// focus in a page field runs the help command, typed keys reach the field, a right click into
// the page reaches neither the page nor shows a menu, and Alt+F4 ends the run.
#include "qt/app/MainWindowFixture.h"

#include "platform/Application.h"
#include "platform/TWebBrowser.h"

#include <QAction>
#include <QGuiApplication>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSignalSpy>
#include <gtest/gtest.h>

namespace hovlo {
namespace {

using testing::RunScript;

bool XDoTool(const QStringList& arguments) {
    return QProcess::execute(QStringLiteral("xdotool"), arguments) == 0;
}

class RealInput : public ::testing::Test {
protected:
    void SetUp() override {
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            GTEST_SKIP() << "needs an X display (scripts/test starts Xvfb)";
        window = testing::OpenMainWindow({"-FAX"});
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        const QString id = QString::number(window->winId());
        XDoTool({"windowfocus", "--sync", id});
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitFor([&] { return window->isActiveWindow(); }, 5000));
        ASSERT_TRUE(QTest::qWaitFor(
            [&] {
                return window->WebBrowser->ReadyState() == 4 &&
                       window->WebBrowser->LocationURL().endsWith("/app/Fax.html");
            },
            20000));
    }

    // The page input recorded so far (see the fixture's template).
    QStringList Seen() {
        return RunScript(page(), QStringLiteral("window.seen.join(',')"))
            .toString()
            .split(',', Qt::SkipEmptyParts);
    }
    QWebEngineView* page() { return window->WebBrowser->View(); }

    // Screen position of the text field of the fax template.
    QPoint FieldOnScreen() {
        const QJsonObject box =
            QJsonDocument::fromJson(
                RunScript(page(), QStringLiteral("JSON.stringify(document.getElementById('field')"
                                                 ".getBoundingClientRect())"))
                    .toString()
                    .toUtf8())
                .object();
        return page()->mapToGlobal(
            QPoint(qRound(box["left"].toDouble()) + 10,
                   qRound(box["top"].toDouble() + box["height"].toDouble() / 2)));
    }

    // (No --sync: xdotool waits for a move that never comes when the pointer is already there.)
    bool ClickAt(const QPoint& point, int button) {
        if (!XDoTool({"mousemove", QString::number(point.x()), QString::number(point.y())}))
            return false;
        QTest::qWait(100);
        return XDoTool({"click", QString::number(button)});
    }

    testing::TModalCloser closer;
    std::unique_ptr<TFormMain> window;
};

TEST_F(RealInput, F1InAPageFieldRunsTheHelpAndOtherKeysReachThePage) {
    QSignalSpy help(window->mHilfe, &QAction::triggered);
    ASSERT_TRUE(ClickAt(FieldOnScreen(), 1));
    ASSERT_TRUE(QTest::qWaitFor([&] { return Seen().contains("down:0"); }, 5000));
    ASSERT_TRUE(XDoTool({"type", "--delay", "50", "ab"}));
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            return RunScript(page(), "document.getElementById('field').value").toString() == "ab";
        },
        5000));

    ASSERT_TRUE(XDoTool({"key", "F1"}));
    EXPECT_TRUE(QTest::qWaitFor([&] { return help.count() == 1; }, 5000));
    ASSERT_TRUE(XDoTool({"key", "Delete"}));
    QTest::qWait(300);
    const QStringList seen = Seen();
    EXPECT_TRUE(seen.contains("key:a") && seen.contains("key:b") && seen.contains("key:Delete"))
        << seen.join(' ').toStdString();
    EXPECT_FALSE(seen.contains("key:F1")) << seen.join(' ').toStdString();
    EXPECT_EQ(help.count(), 1);
}

TEST_F(RealInput, ARightClickIntoThePageShowsNoMenu) {
    const QPoint field = FieldOnScreen();
    ASSERT_TRUE(ClickAt(field, 3));
    QTest::qWait(500);
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    const QStringList afterRight = Seen();
    EXPECT_FALSE(afterRight.contains("down:2")) << afterRight.join(' ').toStdString();
    EXPECT_FALSE(afterRight.contains("menu")) << afterRight.join(' ').toStdString();
    // The page does take the left button: the input arrives, only the right one is held back.
    ASSERT_TRUE(ClickAt(field, 1));
    EXPECT_TRUE(QTest::qWaitFor([&] { return Seen().contains("down:0"); }, 5000));
}

// Last: the run's end request stays set for the rest of the program.
TEST_F(RealInput, AltF4EndsTheRun) {
    ASSERT_FALSE(platform::Terminated());
    ASSERT_TRUE(XDoTool({"key", "alt+F4"}));
    EXPECT_TRUE(QTest::qWaitFor([] { return platform::Terminated(); }, 5000));
}

} // namespace
} // namespace hovlo
