// The main window's layout, start-up texts, page selection and message hook (offscreen).
#include "qt/app/MainWindowFixture.h"

#include "platform/TWebBrowser.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QWebEngineView>
#include <gtest/gtest.h>

namespace hovlo {
namespace {

using testing::OpenMainWindow;

// Makes a window the active one; the offscreen platform does not always follow a request.
bool Activate(QWidget* window) {
    window->activateWindow();
    if (!QTest::qWaitFor([window] { return window->isActiveWindow(); }, 200))
        QApplication::setActiveWindow(window);
    return QTest::qWaitFor([window] { return window->isActiveWindow(); }, 2000);
}

// Shows the window in its normal state with the given client width.
void ShowWithClientWidth(TFormMain& window, int width, int height = 600) {
    window.show();
    QCoreApplication::processEvents(); // the posted maximise of small screens
    window.setWindowState(Qt::WindowNoState);
    window.resize(width, height);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QTRY_COMPARE(window.centralWidget()->width(), width);
}

TEST(FormMain, OpensAtTheSizeRuleOfTheScreen) {
    auto window = OpenMainWindow({"-FAX"});
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    QCoreApplication::processEvents();
    if (screen.width() > 1024) {
        EXPECT_EQ(window->size(), QSize(1024, 768));
        EXPECT_FALSE(window->windowState() & Qt::WindowMaximized);
    } else {
        EXPECT_EQ(window->size(), screen.size());
        EXPECT_TRUE(window->windowState() & Qt::WindowMaximized);
    }
}

TEST(FormMain, StartsWithTheConfiguredTextsAndHiddenPageButtons) {
    auto window = OpenMainWindow({"-FAX"});
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Testfirma - Hovlo Test"));
    EXPECT_EQ(window->lblProgTitle->text(), QStringLiteral("Testprodukt 2027"));
    EXPECT_TRUE(window->lblKundennummer->text().startsWith(QStringLiteral("Kundennummer: ")) ||
                window->lblKundennummer->text().contains(QStringLiteral(", Kundennummer: ")));
    EXPECT_TRUE(window->btnDatenEintragen->isHidden());
    EXPECT_TRUE(window->btnDrucken->isHidden());
    EXPECT_FALSE(window->btnIhreDaten->isHidden());
    const QStringList items{QStringLiteral("FAQ / Onlineformular"), QStringLiteral("Fax (offline)"),
                            QStringLiteral("Brief (offline)")};
    ASSERT_EQ(window->cmbVorlage->count(), 3);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(window->cmbVorlage->itemText(i), items[i]);
    EXPECT_EQ(window->VeskPanel4->height(), 0);
}

TEST(FormMain, KeepsTheVerticalOrderAndTheButtonAnchorsAtEveryWidth) {
    auto window = OpenMainWindow({"-FAX"});
    for (const int width : {576, 800, 1016, 1152, 1400}) {
        SCOPED_TRACE(width);
        ShowWithClientWidth(*window, width);
        const int clientHeight = window->centralWidget()->height();
        const QRect header = window->pnlImage->geometry();
        const QRect buttons = window->pnlButtons->geometry();
        const QRect page = window->VeskPanel1->geometry();
        const QRect print = window->VeskPanel4->geometry();
        EXPECT_EQ(header, QRect(0, 0, width, 105 * width / 1152));
        EXPECT_EQ(buttons, QRect(0, header.bottom() + 1, width, 34));
        EXPECT_EQ(page.top(), buttons.bottom() + 1);
        EXPECT_EQ(page.width(), width);
        EXPECT_EQ(page.bottom() + 1, clientHeight);
        EXPECT_EQ(print.height(), 0);
        EXPECT_EQ(print.top(), clientHeight);
        // The browser fills its panels.
        EXPECT_EQ(window->WebBrowser->size(), page.size());
        // The your-data button keeps its 10-pixel margin; the others stay at the left.
        EXPECT_EQ(window->btnIhreDaten->geometry().right() + 1, width - 10);
        EXPECT_EQ(window->cmbVorlage->geometry(), QRect(92, 7, 140, 21));
        // The banner of the mode fills the header.
        EXPECT_EQ(window->imgLogoFax->geometry(), QRect(QPoint(0, 0), header.size()));
    }
}

TEST(FormMain, ScalesTheHeaderLabelsWithTheWindowWidth) {
    auto window = OpenMainWindow({"-FAX"});
    ShowWithClientWidth(*window, 576);
    EXPECT_EQ(window->pnlImage->height(), 52);
    EXPECT_EQ(window->lblProgTitle->geometry(), QRect(4, 0, 300, 16));
    EXPECT_EQ(window->lblProgTitle->font().pixelSize(), 12);
    EXPECT_EQ(window->lblHeaderText->geometry(), QRect(4, 31, 464, 20));
    EXPECT_EQ(window->lblHeaderText->font().pixelSize(), 8);
    ShowWithClientWidth(*window, 1016);
    EXPECT_EQ(window->pnlImage->height(), 92);
    EXPECT_EQ(window->lblProgTitle->font().pixelSize(), 21);
    EXPECT_EQ(window->lblKundennummer->x(), 4);
}

TEST(FormMain, ShowPageSetsBannerAndComboWithoutAChangeEvent) {
    auto window = OpenMainWindow({"-BRIEF"});
    QSignalSpy choices(window->cmbVorlage, &QComboBox::activated);
    struct Case {
        TPageMode mode;
        QLabel* banner;
    };
    const Case cases[] = {{pmFax, window->imgLogoFax},
                          {pmOnline, window->imgLogoOnline},
                          {pmLetter, window->imgLogoBrief}};
    for (const Case& c : cases) {
        window->ShowPage(c.mode);
        EXPECT_EQ(window->RunState().FPageMode, c.mode);
        EXPECT_EQ(window->cmbVorlage->currentIndex(), c.mode);
        for (QLabel* banner : {window->imgLogoOnline, window->imgLogoFax, window->imgLogoBrief})
            EXPECT_EQ(banner->isHidden(), banner != c.banner) << banner->objectName().toStdString();
        EXPECT_EQ(c.banner->geometry(), window->pnlImage->rect());
    }
    EXPECT_EQ(choices.count(), 0);
}

TEST(FormMain, AChoiceInTheComboSwitchesTheMode) {
    auto window = OpenMainWindow({"-FAX"});
    QTest::keyClick(window->cmbVorlage, Qt::Key_Down);
    EXPECT_EQ(window->RunState().FPageMode, pmLetter);
    EXPECT_FALSE(window->imgLogoBrief->isHidden());
    QTest::keyClick(window->cmbVorlage, Qt::Key_Home);
    EXPECT_EQ(window->RunState().FPageMode, pmOnline);
}

TEST(FormMain, CancelsCommandLinksAndRunsTheirAction) {
    auto window = OpenMainWindow({"-FAX"});
    testing::TRecordingDialog dialog;
    window->SetDialogs(&dialog, nullptr);
    struct Case {
        const char* url;
        bool cancelled;
        TPageMode mode;
        int dialogs;
    };
    const Case cases[] = {
        {"res:\\\\brief", true, pmLetter, 0},
        {"RES:\\\\FAXFORM", true, pmFax, 0},
        {"RES:\\\\MEINEDATEN", true, pmFax, 1},
        {"file:///x/RES:\\\\IESETUP", true, pmFax, 0},
        {"https://support.veskora.example/other.html", false, pmFax, 0},
        {"res:\\FAX", false, pmFax, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.url);
        const int before = dialog.Shown;
        bool cancel = false;
        emit window->WebBrowser->OnBeforeNavigate2(QString::fromUtf8(c.url), &cancel);
        EXPECT_EQ(cancel, c.cancelled);
        QTest::qWait(20);
        EXPECT_EQ(window->RunState().FPageMode, c.mode);
        EXPECT_EQ(dialog.Shown - before, c.dialogs);
    }
    EXPECT_TRUE(dialog.WasModal);
}

TEST(FormMain, YourDataButtonShowsTheDialogModally) {
    auto window = OpenMainWindow({"-FAX"});
    testing::TRecordingDialog dialog;
    window->SetDialogs(&dialog, nullptr);
    window->btnIhreDaten->click();
    EXPECT_EQ(dialog.Shown, 1);
    EXPECT_TRUE(dialog.WasModal);
}

class MessageHook : public ::testing::Test {
protected:
    void SetUp() override {
        window = OpenMainWindow({"-FAX"});
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        ASSERT_TRUE(Activate(window.get()));
        target = window->cmbVorlage;
        target->installEventFilter(&recorder);
    }
    testing::TModalCloser closer;
    std::unique_ptr<TFormMain> window;
    QWidget* target = nullptr;
    testing::TInputRecorder recorder;
};

TEST_F(MessageHook, TurnsF1IntoTheHelpCommandAndSwallowsRightClicks) {
    QSignalSpy help(window->mHilfe, &QAction::triggered);
    QTest::keyClick(target, Qt::Key_F1);
    EXPECT_EQ(help.count(), 1);
    EXPECT_FALSE(recorder.Saw(QEvent::KeyPress, Qt::Key_F1));
    QTest::keyClick(target, Qt::Key_F1, Qt::ShiftModifier);
    EXPECT_EQ(help.count(), 2);

    QTest::keyClick(target, Qt::Key_Delete);
    QTest::keyClick(target, Qt::Key_Backspace);
    EXPECT_TRUE(recorder.Saw(QEvent::KeyPress, Qt::Key_Delete));
    EXPECT_TRUE(recorder.Saw(QEvent::KeyPress, Qt::Key_Backspace));

    QTest::mouseClick(target, Qt::RightButton);
    QTest::mouseDClick(target, Qt::RightButton);
    QContextMenuEvent menu(QContextMenuEvent::Mouse, QPoint(5, 5),
                           target->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(target, &menu);
    EXPECT_FALSE(recorder.Saw(QEvent::MouseButtonPress, Qt::RightButton));
    EXPECT_FALSE(recorder.Saw(QEvent::MouseButtonRelease, Qt::RightButton));
    EXPECT_FALSE(recorder.Saw(QEvent::MouseButtonDblClick, Qt::RightButton));
    EXPECT_FALSE(recorder.Saw(QEvent::ContextMenu, 0));
    QTest::mousePress(target, Qt::LeftButton);
    QTest::mouseRelease(target, Qt::LeftButton);
    EXPECT_TRUE(recorder.Saw(QEvent::MouseButtonPress, Qt::LeftButton));
    EXPECT_EQ(help.count(), 2);
}

TEST_F(MessageHook, FiltersNothingWhileAnotherWindowIsActive) {
    QSignalSpy help(window->mHilfe, &QAction::triggered);
    QDialog dialog(window.get());
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    ASSERT_TRUE(Activate(&dialog));
    QTest::keyClick(target, Qt::Key_F1);
    QTest::mouseClick(target, Qt::RightButton);
    EXPECT_EQ(help.count(), 0);
    EXPECT_TRUE(recorder.Saw(QEvent::KeyPress, Qt::Key_F1));
    EXPECT_TRUE(recorder.Saw(QEvent::MouseButtonPress, Qt::RightButton));

    // Back in the main window the hook is in place again.
    dialog.hide();
    ASSERT_TRUE(Activate(window.get()));
    QTest::keyClick(target, Qt::Key_F1);
    EXPECT_EQ(help.count(), 1);
}

} // namespace
} // namespace hovlo
