// Page completion against the real engine: marker, buttons, automatic filling, header text and
// the first-load check, with the window's side recorded by callbacks.
#include "app/PageCompletion.h"
#include "app/PageHandler.h"
#include "engine/browser/BrowserFixture.h"

#include <gmock/gmock.h>

#include <optional>
#include <utility>
#include <vector>

namespace hovlo::testing {
namespace {

class PageCompletionTest : public BrowserFixture {
protected:
    void SetUp() override {
        BrowserFixture::SetUp();
        state.FExeDir = kFixtures.toStdString();
        state.FFieldList = {"Name=Meier"};
    }

    // Runs the handler on the current document and waits until it has finished.
    void Handle() {
        bool finished = false;
        TPageCallbacks callbacks;
        callbacks.SetButtons = [this](bool fill, bool print) { buttons = {fill, print}; };
        callbacks.SetHeaderText = [this](const QString& text) { header = text; };
        callbacks.ReportError = [this](const QString& text) { errors << text; };
        callbacks.Finished = [&finished] { finished = true; };
        HandleDocumentComplete(*browser, state, callbacks);
        ASSERT_TRUE(WaitFor(finished));
    }

    bool LoadAndHandle(const QString& html) {
        if (!LoadHtml(html))
            return false;
        Handle();
        return true;
    }

    QString NameValue() { return Text("document.getElementById('Name').value"); }

    TRunState state;
    std::optional<std::pair<bool, bool>> buttons;
    std::optional<QString> header;
    QStringList errors;
};

TEST_F(PageCompletionTest, MarkerSetsButtonsAndFilling) {
    const struct {
        const char* marker;
        bool fillButton, printButton, filled;
    } cases[] = {
        {R"(<input type="hidden" id="hovlotoolconfig" value="3">)", true, false, true},
        {R"(<input type="hidden" id="hovlotoolconfig" value="4">)", false, true, false},
        {R"(<input type="hidden" name="hovlotoolconfig" value="7">)", true, true, true},
        {R"(<input type="hidden" id="hovlotoolconfig" value="5">)", true, true, false},
        {R"(<input type="hidden" id="hovlotoolconfig" value="0">)", false, false, false},
        {R"(<input type="hidden" id="hovlotoolconfig" value="-1">)", true, true, true},
        {"", false, false, false},
        {R"(<span id="hovlotoolconfig">7</span>)", false, false, false},
        {R"(<input type="text" id="hovlotoolconfig" value="7">)", false, false, false},
    };
    for (const auto& c : cases) {
        buttons.reset();
        ASSERT_TRUE(LoadAndHandle(QString::fromUtf8(c.marker) + R"(<form><input id="Name">)"));
        ASSERT_TRUE(buttons) << c.marker;
        EXPECT_EQ(buttons->first, c.fillButton) << c.marker;
        EXPECT_EQ(buttons->second, c.printButton) << c.marker;
        EXPECT_EQ(NameValue(), c.filled ? "Meier" : "") << c.marker;
    }
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(PageCompletionTest, KeepsEverythingOnAMarkerThatIsNoNumber) {
    const std::string huge(100000, '9');
    for (const std::string value : {"abc", "", "3x", " 7 ", "99999999999", huge.c_str()}) {
        errors.clear();
        ASSERT_TRUE(LoadAndHandle(
            QString::fromStdString(R"(<input type="hidden" id="hovlotoolconfig" value=")" + value +
                                   R"("><p id="headertext">Kopf</p><input id="Name">)")));
        ASSERT_EQ(errors.size(), 1) << value;
        EXPECT_EQ(errors[0].toStdString(), NotAnIntegerMessage(value));
        EXPECT_FALSE(buttons) << value;
        EXPECT_FALSE(header) << value;
        EXPECT_EQ(NameValue(), "") << value;
        EXPECT_TRUE(state.FFirstLoad) << "the first-load check waits for the next page";
    }
    EXPECT_LT(errors[0].size(), 1100) << "a huge value is shown shortened";
    EXPECT_EQ(NotAnIntegerMessage("abc"), "'abc' ist kein gültiger Integerwert");
}

TEST_F(PageCompletionTest, HeaderTextFollowsTheHeaderElement) {
    state.FFirstLoad = false;
    const QString fallback = QString::fromUtf8(kDefaultHeaderText);
    const struct {
        const char* page;
        QString expected;
    } cases[] = {
        {R"(<input type="hidden" id="headertext" value="Ihr <b>Fax</b>">)", "Ihr <b>Fax</b>"},
        {R"(<input type="hidden" name="headertext" value=""><p>x</p>)", fallback},
        {R"(<p id="headertext">Bitte <b>beachten</b></p>)", "Bitte <b>beachten</b>"},
        {R"(<div id="headertext"></div>)", fallback},
        {"<p>no header element</p>", fallback},
    };
    for (const auto& c : cases) {
        header.reset();
        ASSERT_TRUE(LoadAndHandle(QString::fromUtf8(c.page)));
        EXPECT_EQ(header, c.expected) << c.page;
    }
    EXPECT_EQ(fallback.size(), 196);
}

TEST_F(PageCompletionTest, PassesAMegabyteHeaderThrough) {
    state.FFirstLoad = false;
    const QString big = ("<p>" + QString(1017, 'x') + "<b>b</b></p>").repeated(1024);
    QTemporaryDir dir;
    QFile page(dir.filePath("big.html"));
    ASSERT_TRUE(page.open(QIODevice::WriteOnly));
    page.write((R"(<div id="headertext">)" + big + "</div>").toUtf8());
    page.close();
    ASSERT_TRUE(Load(*browser, page.fileName()));
    Handle();
    ASSERT_TRUE(header);
    EXPECT_EQ(header->size(), big.size());
}

TEST_F(PageCompletionTest, ReplacesAForeignFirstPageOnce) {
    ASSERT_TRUE(LoadHtml("<p>Diese Seite ist nicht erreichbar</p>"));
    QSignalSpy complete(browser.get(), &platform::TWebBrowser::OnDocumentComplete);
    Handle();
    ASSERT_TRUE(complete.wait(kLoadTimeoutMs));
    EXPECT_EQ(browser->LocationURL(), "file://" + kFixtures + "Error.html");
    EXPECT_FALSE(state.FFirstLoad);

    // A later page without a form is not checked.
    ASSERT_TRUE(LoadAndHandle("<p>no form</p>"));
    EXPECT_FALSE(complete.wait(500));
    EXPECT_EQ(browser->LocationURL(), "file:///fixture/page.html");
}

TEST_F(PageCompletionTest, KeepsAFirstPageWithAFormOrTheMakersName) {
    for (const char* page : {"<FoRm action=x></form>",
                             R"(<a href="http://www.vesk.example/">x</a>)", "<p>vEsKoRa</p>"}) {
        state.FFirstLoad = true;
        ASSERT_TRUE(LoadAndHandle(page));
        QSignalSpy complete(browser.get(), &platform::TWebBrowser::OnDocumentComplete);
        EXPECT_FALSE(complete.wait(300)) << page;
        EXPECT_FALSE(state.FFirstLoad);
    }
}

TEST_F(PageCompletionTest, ReplacesTheEnginesErrorPageAndForeignDocuments) {
    for (const QString& address : {QStringLiteral("file:///nonexistent/Fax.html"),
                                   kFixtures + "plain.txt", kFixtures + "red.png"}) {
        state.FFirstLoad = true;
        ASSERT_TRUE(Load(*browser, address)) << address.toStdString();
        QSignalSpy complete(browser.get(), &platform::TWebBrowser::OnDocumentComplete);
        Handle();
        ASSERT_TRUE(complete.wait(kLoadTimeoutMs)) << address.toStdString();
        EXPECT_EQ(browser->LocationURL(), "file://" + kFixtures + "Error.html");
    }
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(PageCompletionTest, ReportsADocumentThatIsNotHtml) {
    ASSERT_TRUE(Load(*browser, kFixtures + "picture.svg"));
    Handle();
    EXPECT_EQ(errors, QStringList{kNotHtmlDocumentError});
    EXPECT_FALSE(buttons);
    EXPECT_TRUE(state.FFirstLoad);
}

TEST_F(PageCompletionTest, FollowsTheTopLevelDocumentOnAPageWithFrames) {
    state.FFirstLoad = false;
    ASSERT_TRUE(LoadAndHandle(
        R"(<iframe srcdoc="<input type=hidden id=hovlotoolconfig value=7><p id=headertext>F</p>">
           </iframe><input type="hidden" id="hovlotoolconfig" value="4">)"));
    EXPECT_EQ(buttons, std::make_pair(false, true));
    EXPECT_EQ(header, QString::fromUtf8(kDefaultHeaderText));
}

} // namespace
} // namespace hovlo::testing
