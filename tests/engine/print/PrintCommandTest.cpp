// The print command end to end in two real browsers: the fresh load of the print browser, the
// snapshot of the displayed form, the print copy, the preview (recorded instead of shown), and
// one print into a PDF file through the preview's own print path.
#include "app/PrintCommand.h"
#include "app/PageHandler.h"
#include "engine/browser/BrowserFixture.h"

#include <QPageSize>
#include <QPrinter>
#include <QProcess>
#include <gmock/gmock.h>

namespace hovlo::testing {
namespace {

using ::testing::HasSubstr;
using ::testing::Not;

const QString kFax = QStringLiteral(HOVLO_FIXTURES_DIR "/print/Fax.html");

class PrintCommandTest : public BrowserFixture {
protected:
    void SetUp() override {
        BrowserFixture::SetUp();
        print = MakeBrowser();
        command = std::make_unique<TPrintCommand>(browser.get(), print.get());
        const auto record = [this](platform::TPrintHandler& handler) {
            previews.push_back(&handler);
        };
        command->BrowserPrinter().SetPreviewHook(record);
        command->PrintPrinter().SetPreviewHook(record);
        command->OnCopyMade = [this](bool complete) { copies.push_back(complete); };
    }
    void TearDown() override {
        command.reset();
        print.reset();
        BrowserFixture::TearDown();
    }

    void LoadFilledFax() {
        ASSERT_TRUE(Load(*browser, kFax));
        bool filled = false;
        FillForm(*browser,
                 {"Vorname=Erika", "Nachname=Mustermann", "Kundennummer=4711", "Betreff=Update"},
                 [&](int) { filled = true; });
        ASSERT_TRUE(WaitFor(filled));
        Eval("document.getElementById('Problem').value = 'Der Druck <b>klappt</b> nicht';");
    }

    // Runs the print command and waits for its preview.
    bool PrintAndWait(TPageMode mode) {
        const std::size_t before = previews.size();
        command->Print(mode);
        return QTest::qWaitFor([&] { return previews.size() > before; }, 20000);
    }

    QString PrintBody() { return Eval(*print, "document.body.innerHTML").toString(); }

    std::unique_ptr<platform::TWebBrowser> print;
    std::unique_ptr<TPrintCommand> command;
    std::vector<platform::TPrintHandler*> previews;
    std::vector<bool> copies;
};

TEST_F(PrintCommandTest, OfflinePrintPreviewsACopyWithValuesAsText) {
    LoadFilledFax();
    ASSERT_TRUE(PrintAndWait(pmFax));
    ASSERT_EQ(previews.back(), &command->PrintPrinter());
    EXPECT_EQ(copies, std::vector<bool>{true});
    const std::string copy = PrintBody().toStdString();
    EXPECT_THAT(copy, HasSubstr("Absender: Erika Mustermann</p>"));
    EXPECT_THAT(copy, HasSubstr("Kundennummer: 4711</p>"));
    EXPECT_THAT(copy, HasSubstr("Betreff: Update</p>"));
    EXPECT_THAT(copy, HasSubstr("Versand: eilig</p>"));
    EXPECT_THAT(copy, HasSubstr("Der Druck &lt;b&gt;klappt&lt;/b&gt; nicht"));
    EXPECT_THAT(copy, Not(HasSubstr("hovlotoolconfig")));
    EXPECT_THAT(copy, Not(HasSubstr("<input")));
    EXPECT_EQ(Eval(*print, "document.title").toString(), "Fax an den Support");
    // The displayed form is untouched.
    EXPECT_EQ(Eval("document.querySelectorAll('input').length").toInt(), 5);

    // A second print rebuilds the copy from a fresh load and gives the same copy.
    ASSERT_TRUE(PrintAndWait(pmLetter));
    EXPECT_EQ(PrintBody().toStdString(), copy);
}

TEST_F(PrintCommandTest, OnlinePrintPreviewsTheLivePageAndLeavesThePrintBrowserAlone) {
    LoadFilledFax();
    ASSERT_TRUE(Load(*print, QStringLiteral("about:blank")));
    ASSERT_TRUE(PrintAndWait(pmOnline));
    EXPECT_EQ(previews.back(), &command->BrowserPrinter());
    EXPECT_TRUE(copies.empty());
    EXPECT_EQ(print->LocationURL(), "about:blank");
}

TEST_F(PrintCommandTest, RefusesASecondPrintWhileTheCopyIsMade) {
    LoadFilledFax();
    command->Print(pmFax);
    EXPECT_TRUE(command->Waiting());
    command->Print(pmFax);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !previews.empty(); }, 20000));
    QTest::qWait(300);
    EXPECT_EQ(previews.size(), 1u);
    EXPECT_FALSE(command->Waiting());
}

TEST_F(PrintCommandTest, AFailedCopyStillOpensThePreview) {
    // The displayed document is no HTML document: there is nothing to take over.
    QTemporaryDir dir;
    QFile svg(dir.filePath("bild.svg"));
    ASSERT_TRUE(svg.open(QIODevice::WriteOnly));
    svg.write(R"(<svg xmlns="http://www.w3.org/2000/svg"><text y="20">x</text></svg>)");
    svg.close();
    ASSERT_TRUE(Load(*browser, svg.fileName()));
    ASSERT_TRUE(PrintAndWait(pmFax));
    EXPECT_EQ(copies, std::vector<bool>{false});
    EXPECT_EQ(previews.back(), &command->PrintPrinter());
}

TEST_F(PrintCommandTest, PrintsTheCopyIntoAPdfFile) {
    LoadFilledFax();
    ASSERT_TRUE(PrintAndWait(pmFax));
    QTemporaryDir dir;
    const QString pdf = dir.filePath("fax.pdf");
    QPrinter printer(QPrinter::HighResolution);
    printer.setResolution(platform::TPrintHandler::kResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    printer.setPageLayout(command->PrintPrinter().PageLayout());
    ASSERT_TRUE(command->PrintPrinter().PrintDocument(&printer));
    ASSERT_GT(QFileInfo(pdf).size(), 10000);
    if (qEnvironmentVariableIsSet("HOVLO_KEEP_PDF"))
        QFile::copy(pdf, qEnvironmentVariable("HOVLO_KEEP_PDF"));

    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {pdf});
    ASSERT_TRUE(info.waitForFinished(20000));
    const QString facts = QString::fromUtf8(info.readAllStandardOutput());
    EXPECT_THAT(facts.toStdString(), ::testing::ContainsRegex("Pages: +1\n"));
    EXPECT_THAT(facts.toStdString(), HasSubstr("(A4)"));
    // The engine hands the printer pictures of its pages (no text to extract), so the page count
    // and the paper are what can be checked here.
}

} // namespace
} // namespace hovlo::testing
