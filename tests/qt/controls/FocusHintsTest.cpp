// Focus notifications of the kit's containers and the contextual hints they drive.
#include "controls/VeskButton.h"
#include "controls/VeskEdit.h"
#include "controls/VeskGroupBox.h"
#include "controls/VeskHelpPanel.h"
#include "controls/VeskPanel.h"

#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

#include <memory>

namespace hovlo {
namespace {

// A window with two group boxes of two fields each and one help panel; every control logs
// its enter and exit notifications.
class FocusForm : public ::testing::Test {
protected:
    void SetUp() override {
        form = std::make_unique<QWidget>();
        auto* layout = new QVBoxLayout(form.get());
        start = new QLineEdit(form.get()); // takes the window's first focus
        layout->addWidget(start);
        help = new TVeskHelpPanel(form.get());
        gb1 = new TVeskGroupBox(form.get());
        gb2 = new TVeskGroupBox(form.get());
        for (TVeskGroupBox* gb : {gb1, gb2}) {
            auto* inner = new QVBoxLayout(gb);
            for (int i = 0; i < 2; ++i)
                inner->addWidget(new TVeskEdit(gb));
            layout->addWidget(gb);
        }
        layout->addWidget(help);
        e1a = Edit(gb1, 0);
        e1b = Edit(gb1, 1);
        e2a = Edit(gb2, 0);
        e2b = Edit(gb2, 1);
        Log(gb1, "gb1");
        Log(gb2, "gb2");
        Log(e1a, "e1a");
        Log(e1b, "e1b");
        Log(e2a, "e2a");
        Log(e2b, "e2b");
        form->show();
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
        start->setFocus();
        log.clear();
    }

    static TVeskEdit* Edit(TVeskGroupBox* gb, int i) {
        return gb->findChildren<TVeskEdit*>().at(i);
    }

    template <class T> void Log(T* control, const std::string& name) {
        QObject::connect(control, &T::OnEnter, [this, name] { log.push_back(name + " enter"); });
        QObject::connect(control, &T::OnExit, [this, name] { log.push_back(name + " exit"); });
    }

    static void Hint(IAdvancedHintControl* control, const QString& text, TVeskHelpPanel* panel) {
        control->GetAdvancedHint()->setHinweis(text);
        control->GetAdvancedHint()->setAnzeigeFenster(panel);
    }

    QString Shown() const { return help->HTMLText().Text(); }

    std::unique_ptr<QWidget> form;
    QLineEdit* start = nullptr;
    TVeskHelpPanel* help = nullptr;
    TVeskGroupBox* gb1 = nullptr;
    TVeskGroupBox* gb2 = nullptr;
    TVeskEdit *e1a = nullptr, *e1b = nullptr, *e2a = nullptr, *e2b = nullptr;
    std::vector<std::string> log;
};

TEST_F(FocusForm, ExitsInnermostFirstThenEntersOutermostFirst) {
    e1a->setFocus();
    EXPECT_EQ(log, (std::vector<std::string>{"gb1 enter", "e1a enter"}));
    log.clear();
    e2b->setFocus();
    EXPECT_EQ(log, (std::vector<std::string>{"e1a exit", "gb1 exit", "gb2 enter", "e2b enter"}));
    log.clear();
    QTest::keyClick(e2b, Qt::Key_Backtab); // within one group box
    EXPECT_TRUE(e2a->hasFocus());
    EXPECT_EQ(log, (std::vector<std::string>{"e2b exit", "e2a enter"}));
}

TEST_F(FocusForm, AnotherWindowInBetweenIsNoFocusMove) {
    e1a->setFocus();
    log.clear();
    QWidget other;
    auto* otherEdit = new TVeskEdit(&other);
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    otherEdit->setFocus();
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    EXPECT_TRUE(e1a->hasFocus());
    EXPECT_EQ(log, std::vector<std::string>{});
}

TEST_F(FocusForm, TheInnermostHintHasTheLastWord) {
    Hint(gb1, "Gruppe 1", help);
    Hint(gb2, "Gruppe 2", help);
    Hint(e1a, "Feld 1a", help);
    Hint(e2a, "Feld 2a", help);

    e1a->setFocus();
    EXPECT_EQ(Shown(), "Feld 1a");
    e1b->setFocus(); // no hint of its own; its group box hears nothing
    EXPECT_EQ(Shown(), "");
    e2b->setFocus(); // the new group box's hint
    EXPECT_EQ(Shown(), "Gruppe 2");
    e2a->setFocus();
    EXPECT_EQ(Shown(), "Feld 2a");
    e1a->setFocus(); // field 2a and group 2 clear, group 1 and field 1a write
    EXPECT_EQ(Shown(), "Feld 1a");
}

TEST_F(FocusForm, HintsWithoutTextOrPanelLeaveThePanelAlone) {
    help->HTMLText().Add("Vorher");
    Hint(e1a, "", help);
    Hint(e1b, "Ohne Anzeige", nullptr);
    e1a->setFocus();
    e1b->setFocus();
    e2a->setFocus();
    EXPECT_EQ(Shown(), "Vorher");
}

TEST_F(FocusForm, ADestroyedHelpPanelIsForgotten) {
    Hint(e1a, "Feld 1a", help);
    Hint(gb2, "Gruppe 2", help);
    delete help;
    help = nullptr;
    EXPECT_EQ(e1a->AdvancedHint()->AnzeigeFenster(), nullptr);
    EXPECT_EQ(gb2->AdvancedHint()->AnzeigeFenster(), nullptr);
    e1a->setFocus(); // must not touch the panel that is gone
    e2a->setFocus();
    EXPECT_EQ(log.back(), "e2a enter");
}

TEST(TAdvancedHint, NotificationForgetsOnlyItsOwnPanelOnRemoval) {
    TVeskHelpPanel panel;
    TVeskHelpPanel otherPanel;
    TAdvancedHint hint;
    hint.setAnzeigeFenster(&panel);
    hint.Notification(&otherPanel, opRemove);
    hint.Notification(&panel, opInsert);
    EXPECT_EQ(hint.AnzeigeFenster(), &panel);
    hint.Notification(&panel, opRemove);
    EXPECT_EQ(hint.AnzeigeFenster(), nullptr);
}

TEST(KitFocus, AButtonInAPanelAndAFieldOutsideIt) {
    QWidget form;
    auto* pnl = new TVeskPanel(&form);
    auto* btn = new TVeskButton(pnl);
    auto* edit = new TVeskEdit(&form);
    edit->move(0, 60);
    std::vector<std::string> log;
    QObject::connect(pnl, &TVeskPanel::OnEnter, [&] { log.push_back("pnl enter"); });
    QObject::connect(pnl, &TVeskPanel::OnExit, [&] { log.push_back("pnl exit"); });
    QObject::connect(btn, &TVeskButton::OnEnter, [&] { log.push_back("btn enter"); });
    QObject::connect(btn, &TVeskButton::OnExit, [&] { log.push_back("btn exit"); });
    QObject::connect(edit, &TVeskEdit::OnEnter, [&] { log.push_back("edit enter"); });
    form.show();
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    btn->setFocus();
    edit->setFocus();
    EXPECT_EQ(log, (std::vector<std::string>{"pnl enter", "btn enter", "btn exit", "pnl exit",
                                             "edit enter"}));
}

} // namespace
} // namespace hovlo
