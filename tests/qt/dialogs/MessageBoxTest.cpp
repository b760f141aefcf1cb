// The message box as a window: buttons whatever the flag order, the keys and the close box,
// the layout it takes from its labels, and ShowMessageBox's line breaks.
#include "controls/VeskButton.h"
#include "controls/VeskHTMLStaticText.h"
#include "dialogs/uMessageBox.h"

#include <QApplication>
#include <QLabel>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace hovlo {
namespace {

struct ShownButton {
    QString caption;
    int result;
    bool operator==(const ShownButton&) const = default;
};

std::vector<ShownButton> VisibleButtons(const TdlgMessageBox& box) {
    std::vector<ShownButton> shown;
    for (int i = 1; i <= kMessageBoxMaxButtons; ++i) {
        auto* button = box.findChild<TVeskButton*>(QStringLiteral("Button%1").arg(i));
        if (button && !button->isHidden())
            shown.push_back({button->Caption(), button->ModalResult()});
    }
    return shown;
}

TEST(MessageBox, ShowsButtonsInTableOrderWhateverTheFlagOrder) {
    struct Case {
        TMessageBoxButtons flags;
        std::vector<ShownButton> expected;
    };
    const std::vector<Case> cases = {
        {mbbYes | mbbNo | mbbCancel, {{"&Ja", 6}, {"&Nein", 7}, {"&Abbrechen", 2}}},
        {static_cast<TMessageBoxButtons>(mbbNo | mbbYes), {{"&Ja", 6}, {"&Nein", 7}}},
        {mbbHelp | mbbCancel | mbbAbort, {{"&Abbrechen", 2}, {"&Abbrechen", 3}, {"&Hilfe", 0}}},
        {0, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.flags);
        TdlgMessageBox box;
        box.Prepare(QStringLiteral("Text"), mbiConfirmation, c.flags);
        EXPECT_EQ(VisibleButtons(box), c.expected);
    }
}

// Runs the box modally; `act` runs once it is shown and may leave it open (then it is closed
// through its close box afterwards).
int RunBox(const QString& text, TMessageBoxButtons flags,
           const std::function<void(TdlgMessageBox&)>& act) {
    TdlgMessageBox box;
    QTimer::singleShot(0, &box, [&] {
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&box));
        act(box);
        if (box.isVisible())
            box.close();
    });
    return box.Execute(text, mbiInformation, flags);
}

void Key(TdlgMessageBox& box, Qt::Key key) {
    QWidget* target = box.focusWidget() ? box.focusWidget() : &box;
    QTest::keyClick(target, key);
}

TEST(MessageBox, KeysAndCloseBoxGiveTheirResults) {
    struct Case {
        const char* name;
        TMessageBoxButtons flags;
        Qt::Key key; // Qt::Key_unknown: the close box
        int expected;
    };
    const std::vector<Case> cases = {
        {"lone OK, Escape", mbbOk, Qt::Key_Escape, 1},
        {"lone OK, Enter", mbbOk, Qt::Key_Return, 1},
        {"Yes/No/Cancel, Escape", mbbYes | mbbNo | mbbCancel, Qt::Key_Escape, 2},
        {"Yes/No/Cancel, Enter on the first", mbbYes | mbbNo | mbbCancel, Qt::Key_Return, 6},
        {"Yes/No/Cancel, close box", mbbYes | mbbNo | mbbCancel, Qt::Key_unknown, 2},
        {"Cancel and Abort, Escape takes the first", mbbCancel | mbbAbort, Qt::Key_Escape, 2},
        {"no buttons, close box", 0, Qt::Key_unknown, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(RunBox(QStringLiteral("Frage?"), c.flags,
                         [&](TdlgMessageBox& box) {
                             if (c.key != Qt::Key_unknown)
                                 Key(box, c.key);
                         }),
                  c.expected);
    }
}

TEST(MessageBox, EscapeWithoutMarkedButtonAndTheHelpButtonLeaveTheBoxOpen) {
    bool stayedOpen = false;
    const int result = RunBox(QStringLiteral("Hilfe?"), mbbOk | mbbHelp, [&](TdlgMessageBox& box) {
        Key(box, Qt::Key_Escape);
        auto* help = box.findChild<TVeskButton*>(QStringLiteral("Button2"));
        ASSERT_EQ(help->Caption(), QStringLiteral("&Hilfe"));
        QTest::mouseClick(help, Qt::LeftButton);
        stayedOpen = box.isVisible();
        QTest::mouseClick(box.findChild<TVeskButton*>(QStringLiteral("Button1")), Qt::LeftButton);
    });
    EXPECT_TRUE(stayedOpen);
    EXPECT_EQ(result, 1);

    // With no button at all Escape does nothing either: only the close box ends it.
    EXPECT_EQ(RunBox(QStringLiteral("x"), 0,
                     [](TdlgMessageBox& box) {
                         Key(box, Qt::Key_Escape);
                         EXPECT_TRUE(box.isVisible());
                     }),
              2);
}

TEST(MessageBox, FirstVisibleButtonHasTheFocus) {
    RunBox(QStringLiteral("x"), mbbRetry | mbbIgnore, [](TdlgMessageBox& box) {
        EXPECT_EQ(box.focusWidget(), box.findChild<TVeskButton*>(QStringLiteral("Button1")));
    });
}

TEST(MessageBox, ShortTextWithIconIsMinimumSizeWithTextCentredAboveTheButton) {
    TdlgMessageBox box;
    box.Prepare(QStringLiteral("Kurz."), mbiInformation, mbbOk);
    EXPECT_EQ(box.size(), QSize(250, 110));
    auto* text = box.findChild<TVeskHTMLStaticText*>(QStringLiteral("lblInfoText"));
    auto* ok = box.findChild<TVeskButton*>(QStringLiteral("Button1"));
    EXPECT_EQ(text->x(), 52);
    EXPECT_EQ(text->geometry().right() + 1, 250 - 10);
    // Centred in the room above the buttons (10 + height + 20 + 25 is below 110).
    EXPECT_EQ(text->y(), 10 + (110 - (10 + text->height() + 20 + 25)) / 2);
    EXPECT_EQ(ok->geometry(), QRect(75, 74, 100, 25));
    EXPECT_TRUE(box.findChild<QLabel*>(QStringLiteral("imgDlgImage"))->pixmap().toImage() ==
                box.findChild<QLabel*>(QStringLiteral("imgInformation"))->pixmap().toImage());
}

TEST(MessageBox, LongTextStopsAtEightyPercentOfTheScreenAndGrowsInHeight) {
    const int screenWidth = QGuiApplication::primaryScreen()->geometry().width();
    TdlgMessageBox box;
    box.Prepare(QString(QStringLiteral("Wort ")).repeated(400), mbiWarning, mbbOk);
    EXPECT_EQ(box.width(), screenWidth * 80 / 100);
    auto* text = box.findChild<TVeskHTMLStaticText*>(QStringLiteral("lblInfoText"));
    EXPECT_GT(box.height(), 110);
    EXPECT_EQ(text->y(), 10);
    EXPECT_EQ(box.height(), 10 + text->height() + 20 + 25);
    EXPECT_EQ(box.findChild<TVeskButton*>(QStringLiteral("Button1"))->y(), box.height() - 36);
}

TEST(MessageBox, WithoutIconTheTextStartsAtTheMarginAndEmptyTextGetsTheMinimum) {
    TdlgMessageBox box;
    box.Prepare(QStringLiteral("Ohne Bild"), mbiNone, mbbYes | mbbNo | mbbCancel);
    EXPECT_TRUE(box.findChild<QLabel*>(QStringLiteral("imgDlgImage"))->isHidden());
    EXPECT_EQ(box.findChild<TVeskHTMLStaticText*>(QStringLiteral("lblInfoText"))->x(), 10);
    EXPECT_EQ(box.width(), 360);

    TdlgMessageBox empty;
    empty.Prepare(QString(), mbiInformation, mbbOk);
    EXPECT_EQ(empty.size(), QSize(250, 110));
    EXPECT_EQ(empty.findChild<TVeskButton*>(QStringLiteral("Button1"))->x(), 75);
}

TEST(MessageBox, ShowMessageBoxBreaksLinesAtCrLfOnly) {
    QStringList shownLines;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<TdlgMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        shownLines =
            box->findChild<TVeskHTMLStaticText*>(QStringLiteral("lblInfoText"))->HTMLText().Lines();
        box->close();
    });
    EXPECT_EQ(ShowMessageBox(QStringLiteral("eins\r\nzwei\nnoch\rdrei\r\n"), mbiError, mbbOk), 2);
    EXPECT_EQ(shownLines, QStringList{QStringLiteral("eins<br>zwei\nnoch\rdrei<br>")});
}

} // namespace
} // namespace hovlo
