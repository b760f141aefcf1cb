// The kit's HTML label: link routing through the shell and automatic sizing.
#include "FakeShell.h"
#include "controls/VeskHTMLStaticText.h"

#include <QCoreApplication>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace hovlo {
namespace {

using test::TFakeShell;

// Clicks the first link of a label whose text starts with it.
void ClickFirstLink(TVeskHTMLStaticText& lbl) {
    const QPoint inLink(6, 8);
    ASSERT_FALSE(lbl.AnchorAt(inLink).isEmpty());
    QTest::mouseClick(&lbl, Qt::LeftButton, Qt::NoModifier, inLink);
}

TEST(VeskHTMLStaticText, RoutesLinkClicksThroughTheShellFirst) {
    struct TCase {
        bool autoShell;
        int shellResult;
        bool shellAsked;
        bool eventRaised;
    };
    const TCase cases[] = {
        {true, kShellOk, true, false},          // opened: no event
        {true, kShellFileNotFound, true, true}, // the shell failed: the form hears of it
        {true, 32, true, true},                 // 32 is still a failure
        {false, kShellOk, false, true},         // every click goes to the event
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.autoShell << " " << c.shellResult);
        TFakeShell shell;
        shell.result = c.shellResult;
        TVeskHTMLStaticText lbl;
        lbl.resize(200, 40);
        lbl.setAutoShellExecute(c.autoShell);
        lbl.HTMLText().Add("<a href=\"Anleitung.pdf\">Anleitung</a> lesen");
        QSignalSpy anchor(&lbl, &TVeskHTMLStaticText::OnAnchorClick);
        ClickFirstLink(lbl);
        ASSERT_EQ(shell.calls.size(), c.shellAsked ? 1u : 0u);
        if (c.shellAsked) {
            const TFakeShell::TCall& call = shell.calls.front();
            EXPECT_EQ(call.file, "Anleitung.pdf");
            EXPECT_EQ(call.verb, "");
            EXPECT_EQ(call.parameters, "");
            // Relative targets open from the program folder.
            EXPECT_EQ(call.directory, (QCoreApplication::applicationDirPath() + "/").toStdString());
            EXPECT_EQ(call.showCommand, kShow);
        }
        ASSERT_EQ(anchor.count(), c.eventRaised ? 1 : 0);
        if (c.eventRaised) {
            EXPECT_EQ(anchor.at(0).at(0).toString(), "Anleitung.pdf");
        }
    }
}

TEST(VeskHTMLStaticText, IgnoresClicksBesideLinksAndDragsOffThem) {
    TFakeShell shell;
    TVeskHTMLStaticText lbl;
    lbl.resize(300, 40);
    lbl.HTMLText().Add("<a href=\"https://example.org\">Link</a> und Text");
    QSignalSpy anchor(&lbl, &TVeskHTMLStaticText::OnAnchorClick);
    QTest::mouseClick(&lbl, Qt::LeftButton, Qt::NoModifier, QPoint(250, 8));
    QTest::mousePress(&lbl, Qt::LeftButton, Qt::NoModifier, QPoint(6, 8));
    QTest::mouseRelease(&lbl, Qt::LeftButton, Qt::NoModifier, QPoint(250, 8));
    EXPECT_TRUE(shell.calls.empty());
    EXPECT_EQ(anchor.count(), 0);
}

TEST(VeskHTMLStaticText, SizesToUnwrappedTextAndRaisesNewSizeOncePerChange) {
    TVeskHTMLStaticText lbl;
    lbl.setAutoSizing(true);
    lbl.setAutoSizeType(asBoth);
    QSignalSpy sized(&lbl, &TVeskHTMLStaticText::OnNewSize);
    lbl.HTMLText().Add("Kurz");
    ASSERT_EQ(sized.count(), 1);
    const QSize shortSize = lbl.size();
    EXPECT_EQ(shortSize, lbl.UnwrappedTextSize() + QSize(6, 6));
    EXPECT_EQ(sized.at(0).at(0).toInt(), shortSize.width());
    EXPECT_EQ(sized.at(0).at(1).toInt(), shortSize.height());

    lbl.HTMLText().SetText("Eine deutlich l\u00e4ngere Zeile<br>und eine zweite");
    ASSERT_EQ(sized.count(), 2);
    EXPECT_GT(lbl.width(), shortSize.width());
    EXPECT_GT(lbl.height(), shortSize.height());

    // Same text again, a repaint or an attempt to resize: the size stays, no event.
    lbl.HTMLText().SetText("Eine deutlich l\u00e4ngere Zeile<br>und eine zweite");
    lbl.repaint();
    lbl.resize(50, 50);
    EXPECT_EQ(sized.count(), 2);
}

TEST(VeskHTMLStaticText, WrapsToItsWidthInVerticalMode) {
    TVeskHTMLStaticText lbl;
    lbl.resize(120, 10);
    lbl.setAutoSizeType(asVertical);
    lbl.HTMLText().Add("Dies ist ein l\u00e4ngerer Text, der umbrochen werden muss, weil er "
                       "nicht in eine Zeile passt.");
    QSignalSpy sized(&lbl, &TVeskHTMLStaticText::OnNewSize);
    lbl.setAutoSizing(true);
    ASSERT_EQ(sized.count(), 1);
    EXPECT_EQ(lbl.width(), 120);
    const int oneLine = lbl.UnwrappedTextSize().height();
    EXPECT_EQ(lbl.height(), lbl.TextHeightAt(114) + 6);
    EXPECT_GE(lbl.height(), 3 * oneLine);

    // A wider label needs fewer lines: one more event with the new height.
    lbl.show();
    lbl.resize(600, lbl.height());
    ASSERT_EQ(sized.count(), 2);
    EXPECT_EQ(lbl.height(), oneLine + 6);
    EXPECT_EQ(sized.at(1).at(0).toInt(), 600);
}

TEST(VeskHTMLStaticText, HorizontalModeSetsOnlyTheWidth) {
    TVeskHTMLStaticText lbl;
    lbl.resize(10, 40);
    lbl.setAutoSizeType(asHorizontal);
    lbl.setAutoSizing(true);
    QSignalSpy sized(&lbl, &TVeskHTMLStaticText::OnNewSize);
    lbl.HTMLText().Add("<b>Breite</b> nach dem Text");
    ASSERT_EQ(sized.count(), 1);
    EXPECT_EQ(lbl.size(), QSize(lbl.UnwrappedTextSize().width() + 6, 40));
}

} // namespace
} // namespace hovlo
