// The about box, the help command, the internet-settings command and ShellOpen's message,
// against a recording shell.
#include "controls/VeskButton.h"
#include "controls/VeskHTMLStaticText.h"
#include "controls/VeskLabel.h"
#include "dialogs/ProgramVersion.h"
#include "dialogs/frmAbout.h"
#include "dialogs/uGlobal.h"
#include "dialogs/uMessageBox.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace hovlo {
namespace {

struct Call {
    std::string what;
    std::string file;
    std::vector<std::string> arguments;
    bool wait = false;
    int show = 0;
};

class RecordingShell : public IShell {
public:
    int executeResult = kShellOk;
    int findResult = kShellOk;
    std::vector<Call> calls;

    int ShellExecute(const std::string& verb, const std::string& file, const std::string&,
                     const std::string&, int show) override {
        calls.push_back({"execute:" + verb, file, {}, false, show});
        return executeResult;
    }
    int FindExecutable(const std::string& file, const std::string&) override {
        calls.push_back({"find", file, {}, false, 0});
        return findResult;
    }
    bool StartProcess(const std::string& program, const std::vector<std::string>& arguments,
                      bool wait) override {
        calls.push_back({"start", program, arguments, wait});
        return false;
    }
};

class WithShell : public ::testing::Test {
protected:
    void SetUp() override { SetShell(&shell); }
    void TearDown() override { SetShell(nullptr); }
    RecordingShell shell;
};

// Whatever modal window opens next: its text, then it is closed.
QString CloseNextModal() {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal)
        return QStringLiteral("<none>");
    QString text;
    if (auto* message = qobject_cast<QMessageBox*>(modal))
        text = message->windowTitle() + "|" + message->text();
    else if (auto* box = qobject_cast<TdlgMessageBox*>(modal))
        text =
            box->findChild<TVeskHTMLStaticText*>(QStringLiteral("lblInfoText"))->HTMLText().Text();
    modal->close();
    return text;
}

TEST_F(WithShell, AboutBoxShowsTheVersionAtEachShowingAndMailsTheService) {
    TdlgAbout about;
    auto* version = about.findChild<TVeskLabel*>(QStringLiteral("lblVersion"));
    ASSERT_NE(version, nullptr);
    for (int showing = 0; showing < 2; ++showing) {
        version->setCaption(QStringLiteral("stale"));
        about.show();
        EXPECT_EQ(version->Caption(), QString::fromStdString(ProgramVersionText()));
        about.hide();
    }
    EXPECT_EQ(about.size(), QSize(396, 220));
    EXPECT_EQ(about.windowTitle(), QString::fromUtf8("Info \u00fcber Hovlo"));

    about.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&about));
    auto* mail = about.findChild<TVeskLabel*>(QStringLiteral("lblEMail"));
    QTest::mouseClick(mail, Qt::LeftButton, {}, QPoint(5, 5));
    ASSERT_EQ(shell.calls.size(), 1u);
    EXPECT_EQ(shell.calls[0].file, "mailto:info@vk.example?subject=Hovlo%20Kundenservice");
    EXPECT_EQ(mail->Caption(), QStringLiteral("info@vk.example"));

    // Escape presses the OK button.
    QTest::keyClick(&about, Qt::Key_Escape);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !about.isVisible(); }, 2000));
    EXPECT_EQ(about.result(), 1);
}

TEST(AboutBox, EveryLabelFitsInsideTheBox) {
    TdlgAbout about;
    about.show();
    for (TVeskLabel* label : about.findChildren<TVeskLabel*>()) {
        SCOPED_TRACE(label->objectName().toStdString());
        EXPECT_LE(label->x() + label->sizeHint().width(), about.width() - 8);
    }
}

TEST_F(WithShell, HelpReportsOnlyAMissingFile) {
    struct Case {
        int shellResult;
        QString expected;
    };
    const std::vector<Case> cases = {
        {kShellFileNotFound, "Hovlo|Datei \"Hovlo.chm\" wurde nicht gefunden."},
        {kShellPathNotFound, "Hovlo|Datei \"Hovlo.chm\" wurde nicht gefunden."},
        {kShellNoAssociation, "<none>"},
        {kShellOk, "<none>"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.shellResult);
        shell.calls.clear();
        shell.executeResult = c.shellResult;
        QString shown = "<none>";
        QTimer::singleShot(0, [&] { shown = CloseNextModal(); });
        ShowHelp();
        QCoreApplication::processEvents(); // the timer runs here when no window opened
        EXPECT_EQ(shown, c.expected);
        ASSERT_EQ(shell.calls.size(), 1u);
        EXPECT_EQ(shell.calls[0].what, "execute:open");
        EXPECT_EQ(shell.calls[0].file, GetProgramDir() + "Hovlo.chm");
        EXPECT_EQ(shell.calls[0].show, kShow);
    }
}

TEST_F(WithShell, InternetSettingsStartsTheMakersProgramWithTheUpdateFileAndWaits) {
    RunIESetup();
    ASSERT_EQ(shell.calls.size(), 1u);
    EXPECT_EQ(shell.calls[0].what, "start");
    EXPECT_EQ(shell.calls[0].file, "/opt/Veskora/Zinvo.exe");
    EXPECT_EQ(shell.calls[0].arguments,
              (std::vector<std::string>{GetProgramDir() + "Update.cfg", "config"}));
    EXPECT_TRUE(shell.calls[0].wait);
}

TEST_F(WithShell, DocumentWithoutProgramShowsTheInformationBox) {
    shell.findResult = kShellNoAssociation;
    QString shown;
    bool informationIcon = false;
    QTimer::singleShot(0, [&] {
        if (auto* box = qobject_cast<TdlgMessageBox*>(QApplication::activeModalWidget())) {
            informationIcon =
                box->findChild<QLabel*>(QStringLiteral("imgDlgImage"))->pixmap().toImage() ==
                box->findChild<QLabel*>(QStringLiteral("imgInformation"))->pixmap().toImage();
            EXPECT_EQ(box->ButtonCount(), 1);
        }
        shown = CloseNextModal();
    });
    EXPECT_FALSE(ShellOpen("Brief.xyz", "/docs", "", false));
    EXPECT_TRUE(informationIcon);
    EXPECT_TRUE(shown.startsWith(QString::fromUtf8("F\u00fcr das angegebene Dokument (Brief.xyz)")))
        << shown.toStdString();
}

} // namespace
} // namespace hovlo
