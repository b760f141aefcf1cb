// The snapshot of a filled form and the print copy made from it in a second browser with page
// scripts off, as printing uses them.
#include "app/PageHandler.h"
#include "engine/browser/BrowserFixture.h"
#include "platform/PageAgent.h"

#include <gmock/gmock.h>

namespace hovlo::testing {
namespace {

using ::testing::HasSubstr;
using ::testing::Not;

const char* const kForm = R"(<html><head><title>Fax an den Support</title></head><body>
<form><p>Name: <input id="Name" value="template"></p>
<p>Geheim: <input type="hidden" id="Kennung" value="secret-id"></p>
<p>Leer: <input id="Leer" value="">|</p>
<p>Land: <select id="Land"><option value="AT">Österreich</option>
  <option value="DE">Deutschland</option></select></p>
<p>Anrede: <select id="Anrede"><option value="Herr">Herr</option></select></p>
<p><input type="checkbox" id="Ja" value="ja-box" checked><input type="checkbox" id="Nein"
  value="nein-box"></p>
<p>Markup: <input id="Markup"></p>
<textarea id="Frage"></textarea><textarea id="Notiz">note</textarea>
</form></body></html>)";

class PrintCopyTest : public BrowserFixture {
protected:
    std::optional<platform::TDocumentSnapshot> Snapshot() {
        std::optional<platform::TDocumentSnapshot> result;
        bool done = false;
        platform::RequestSnapshot(*browser, [&](std::optional<platform::TDocumentSnapshot> s) {
            result = std::move(s);
            done = true;
        });
        EXPECT_TRUE(WaitFor(done));
        return result;
    }

    // Loads the form into the print browser and turns it into the print copy.
    QString PrintCopy(const platform::TDocumentSnapshot& snapshot, bool* complete) {
        EXPECT_TRUE(LoadHtml(*print, QString::fromUtf8(kForm)));
        bool done = false;
        platform::MakePrintCopy(*print, snapshot, [&](bool ok) {
            *complete = ok;
            done = true;
        });
        EXPECT_TRUE(WaitFor(done));
        return Eval(*print, "document.title + '|' + document.body.innerHTML").toString();
    }

    void SetUp() override {
        BrowserFixture::SetUp();
        print = MakeBrowser();
        print->SetScriptsEnabled(false);
    }
    void TearDown() override {
        print.reset();
        BrowserFixture::TearDown();
    }

    std::unique_ptr<platform::TWebBrowser> print;
};

TEST_F(PrintCopyTest, ShowsEveryControlAsItsValue) {
    ASSERT_TRUE(LoadHtml(QString::fromUtf8(kForm)));
    bool filled = false;
    const TFieldList list = {"Name=Erika Mustermann", "Land=DE", "Anrede=Frau",
                             "Markup=<b>fett</b><img src=x onerror=\"document.title='ran'\">",
                             "Frage=<b>fett</b>"};
    FillForm(*browser, list, [&](int) { filled = true; });
    ASSERT_TRUE(WaitFor(filled));
    // What the user typed and ticked counts as well.
    Eval("document.getElementById('Notiz').value = 'typed'; "
         "document.getElementById('Ja').checked = false;");

    const auto snapshot = Snapshot();
    ASSERT_TRUE(snapshot);
    EXPECT_EQ(snapshot->Title, "Fax an den Support");
    EXPECT_EQ(snapshot->Address, "file:///fixture/page.html");
    EXPECT_THAT(snapshot->Body.toStdString(), HasSubstr(R"(value="Erika Mustermann")"));

    bool complete = false;
    const std::string copy = PrintCopy(*snapshot, &complete).toStdString();
    EXPECT_TRUE(complete);
    EXPECT_THAT(copy, HasSubstr("Fax an den Support|"));
    EXPECT_THAT(copy, HasSubstr("Name: Erika Mustermann</p>"));
    EXPECT_THAT(copy, Not(HasSubstr("secret-id")));
    EXPECT_THAT(copy, HasSubstr("Leer: |"));
    EXPECT_THAT(copy, HasSubstr("Land: DE</p>")) << "the option's value, not its text";
    EXPECT_THAT(copy, HasSubstr("Anrede: Frau</p>"));
    EXPECT_THAT(copy, HasSubstr("<p>ja-boxnein-box</p>")) << "ticked or not";
    EXPECT_THAT(copy, HasSubstr("Markup: <b>fett</b><img src=\"x\""));
    EXPECT_THAT(copy, HasSubstr("&lt;b&gt;fett&lt;/b&gt;typed")) << "text areas print literally";
    EXPECT_THAT(copy, Not(HasSubstr("<input")));
    EXPECT_THAT(copy, Not(HasSubstr("<select")));
    EXPECT_THAT(copy, Not(HasSubstr("<textarea")));
    QTest::qWait(200);
    EXPECT_EQ(Eval(*print, "document.title").toString(), "Fax an den Support")
        << "markup from a value never runs";

    // The copy is rebuilt from a fresh load, so a second print gives the same copy.
    EXPECT_EQ(PrintCopy(*snapshot, &complete).toStdString(), copy);
}

TEST_F(PrintCopyTest, KeepsWhatWasDoneWhenAStepFails) {
    ASSERT_TRUE(LoadHtml(QString::fromUtf8(kForm)));
    auto snapshot = Snapshot();
    ASSERT_TRUE(snapshot);
    // Not HTML: there is no body to copy into.
    ASSERT_TRUE(Load(*print, kFixtures + "picture.svg"));
    bool done = false;
    bool complete = true;
    platform::MakePrintCopy(*print, *snapshot, [&](bool ok) {
        complete = ok;
        done = true;
    });
    ASSERT_TRUE(WaitFor(done));
    EXPECT_FALSE(complete);
}

} // namespace
} // namespace hovlo::testing
