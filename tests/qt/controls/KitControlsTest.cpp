// Panel, label, button and group box: the defaults a form gets when it stores nothing, the
// label's click, the button's dialog results.
#include "FakeShell.h"
#include "controls/KitLook.h"
#include "controls/VeskButton.h"
#include "controls/VeskGroupBox.h"
#include "controls/VeskLabel.h"
#include "controls/VeskPanel.h"

#include <QApplication>
#include <QDialog>
#include <QEnterEvent>
#include <QFontInfo>
#include <QLineEdit>
#include <QSignalSpy>
#include <QStyle>
#include <QTest>
#include <gtest/gtest.h>

namespace hovlo {
namespace {

using test::TFakeShell;

TEST(KitDefaults, GiveTheSizesBevelsAndColoursOfTheLook) {
    TVeskButton btn;
    EXPECT_EQ(btn.size(), QSize(100, 25));
    EXPECT_EQ(btn.sizeHint(), QSize(100, 25));
    EXPECT_EQ(btn.Style(), scbsXP);
    EXPECT_EQ(btn.HighlightColor(), QColor(112, 160, 252));
    EXPECT_EQ(btn.HottrackColor(), QColor(255, 172, 0));
    EXPECT_EQ(btn.Color(), btn.palette().color(QPalette::Button));
    EXPECT_EQ(btn.font().family(), "Tahoma");
    EXPECT_EQ(btn.font().pointSize(), 8);
    EXPECT_EQ(btn.ModalResult(), mrNone);

    TVeskPanel pnl;
    EXPECT_EQ(pnl.BevelInner(), bvRaised);
    EXPECT_EQ(pnl.BevelOuter(), bvLowered);
    EXPECT_EQ(pnl.Caption(), " ");
    EXPECT_TRUE(pnl.ParentColor());
    EXPECT_EQ(pnl.contentsMargins().left(), 2); // both bevels keep the contents inside
    pnl.setBevelInner(bvNone);
    pnl.setBevelOuter(bvNone);
    EXPECT_EQ(pnl.contentsMargins().left(), 0);

    TVeskLabel lbl;
    EXPECT_EQ(lbl.height(), 21);
    EXPECT_EQ(lbl.Spacing(), 0);
    EXPECT_FALSE(lbl.Hottrack());
    EXPECT_FALSE(lbl.ClickFocus());
    EXPECT_EQ(lbl.focusPolicy(), Qt::NoFocus);
    EXPECT_TRUE(lbl.ShellExecute().isEmpty());
    EXPECT_EQ(lbl.font().family(), "Tahoma");

    TVeskGroupBox grp;
    EXPECT_TRUE(grp.ParentColor());
    EXPECT_EQ(grp.font().family(), "Tahoma");

    for (IAdvancedHintControl* c :
         {static_cast<IAdvancedHintControl*>(&btn), static_cast<IAdvancedHintControl*>(&pnl),
          static_cast<IAdvancedHintControl*>(&grp)}) {
        ASSERT_NE(c->GetAdvancedHint(), nullptr);
        EXPECT_TRUE(c->GetAdvancedHint()->Hinweis().isEmpty());
        EXPECT_EQ(c->GetAdvancedHint()->AnzeigeFenster(), nullptr);
    }
}

TEST(VeskLabel, RaisesClickedThenAsksTheShellWithoutTakingTheFocus) {
    TFakeShell shell;
    shell.result = kShellNoAssociation; // a failure changes nothing
    QWidget form;
    auto* edit = new QLineEdit(&form);
    auto* lbl = new TVeskLabel(&form);
    lbl->move(0, 30);
    lbl->setCaption("info@example.org");
    form.show();
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    edit->setFocus();

    std::vector<std::string> order;
    QObject::connect(lbl, &TVeskLabel::clicked, [&] {
        order.push_back("clicked, shell asked " + std::to_string(shell.calls.size()));
    });
    QTest::mouseClick(lbl, Qt::LeftButton);
    EXPECT_TRUE(shell.calls.empty()); // empty ShellExecute: only the click

    lbl->setShellExecute("mailto:info@example.org");
    QTest::mouseClick(lbl, Qt::LeftButton);
    ASSERT_EQ(shell.calls.size(), 1u);
    EXPECT_EQ(shell.calls[0].file, "mailto:info@example.org");
    EXPECT_EQ(shell.calls[0].directory, "");
    EXPECT_EQ(shell.calls[0].showCommand, kShow);
    EXPECT_EQ(order,
              (std::vector<std::string>{"clicked, shell asked 0", "clicked, shell asked 0"}));
    EXPECT_TRUE(edit->hasFocus());
}

TEST(VeskLabel, MnemonicFocusesItsControl) {
    QWidget form;
    auto* lbl = new TVeskLabel(&form);
    auto* edit = new QLineEdit(&form);
    auto* other = new QLineEdit(&form);
    edit->move(0, 30);
    other->move(0, 60);
    lbl->setCaption("&Name");
    lbl->setFocusControl(edit);
    form.show();
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    other->setFocus();
    QTest::keyClick(&form, Qt::Key_N, Qt::AltModifier);
    EXPECT_TRUE(edit->hasFocus());
}

TEST(VeskButton, EndsItsDialogWithTheModalResultAfterTheClickHandler) {
    QDialog dlg;
    auto* ok = new TVeskButton(&dlg);
    ok->setCaption("OK");
    ok->setModalResult(mrOk);
    auto* cancel = new TVeskButton(&dlg);
    cancel->setCaption("Abbrechen");
    cancel->setModalResult(mrCancel);
    cancel->setCancel(true);
    cancel->move(110, 0);
    bool clickSeen = false;
    QObject::connect(ok, &QPushButton::clicked, [&] { clickSeen = true; });

    dlg.show();
    dlg.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dlg));
    QTest::mouseClick(ok, Qt::LeftButton);
    EXPECT_TRUE(clickSeen);
    EXPECT_EQ(dlg.result(), mrOk);
    EXPECT_FALSE(dlg.isVisible());

    dlg.show();
    dlg.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dlg));
    ok->setFocus();
    QTest::keyClick(&dlg, Qt::Key_Escape);
    QTRY_VERIFY(!dlg.isVisible());
    EXPECT_EQ(dlg.result(), mrCancel);
}

TEST(VeskButton, WithoutModalResultLeavesTheDialogOpen) {
    QDialog dlg;
    auto* btn = new TVeskButton(&dlg);
    dlg.show();
    QTest::mouseClick(btn, Qt::LeftButton);
    EXPECT_TRUE(dlg.isVisible());
}

} // namespace
} // namespace hovlo

namespace hovlo {
namespace {

QColor PixelOf(QWidget& w, int x, int y) {
    return w.grab().toImage().pixelColor(x, y);
}

TEST(KitLook, InstallsFusionThePaletteAndAResolvableTahoma) {
    InstallKitLook(*qApp);
    EXPECT_TRUE(KitFontAvailable());
    const QFontInfo info(QApplication::font());
    EXPECT_EQ(info.family(), "Tahoma");
    EXPECT_EQ(info.pixelSize(), 11); // 8 points at 96 dpi
    EXPECT_EQ(QApplication::style()->name(), "fusion");
    EXPECT_EQ(QApplication::palette().color(QPalette::Window), QColor(238, 238, 238));
    EXPECT_EQ(TVeskLabel().height(), 21); // the look does not move the defaults
}

TEST(KitLook, ButtonRimShowsHoverFocusAndDefault) {
    QDialog dlg;
    auto* btn = new TVeskButton(&dlg);
    auto* other = new TVeskButton(&dlg);
    other->move(0, 40);
    btn->setRoundColor(QColor(0xEEEEEE));
    dlg.show();
    dlg.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dlg));
    other->setFocus();
    const auto rimHue = [&] { return PixelOf(*btn, 2, btn->height() / 2).hue(); };
    const int plain = PixelOf(*btn, 2, btn->height() / 2).saturation();
    EXPECT_LT(plain, 30);                             // no rim: the grey face
    EXPECT_EQ(PixelOf(*btn, 0, 0), QColor(0xEEEEEE)); // the corner shows RoundColor

    btn->setDefault(true);
    EXPECT_NEAR(rimHue(), QColor(0x70A0FC).hue(), 12);
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QApplication::sendEvent(btn, &enter);
    EXPECT_NEAR(rimHue(), QColor(0xFFAC00).hue(), 12);
}

TEST(KitLook, PanelShowsALoweredOuterAndARaisedInnerBevel) {
    TVeskPanel pnl;
    pnl.resize(40, 20);
    EXPECT_EQ(PixelOf(pnl, 0, 0).rgb(), pnl.palette().color(QPalette::Dark).rgb());
    EXPECT_EQ(PixelOf(pnl, 1, 1).rgb(), pnl.palette().color(QPalette::Light).rgb());
    EXPECT_EQ(PixelOf(pnl, 39, 19).rgb(), pnl.palette().color(QPalette::Light).rgb());
    EXPECT_EQ(PixelOf(pnl, 38, 18).rgb(), pnl.palette().color(QPalette::Dark).rgb());
}

} // namespace
} // namespace hovlo
