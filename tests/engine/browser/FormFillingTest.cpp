// Form filling against the real engine: the field list goes through the plan and the page agent
// into small documents, which are read back.
#include "app/PageHandler.h"
#include "engine/browser/BrowserFixture.h"

#include <gmock/gmock.h>

namespace hovlo::testing {
namespace {

class FormFillingTest : public BrowserFixture {
protected:
    // Fills and waits; the number of writes, -1 when nothing could be filled.
    int FillLines(const TFieldList& list) {
        int written = -2;
        bool done = false;
        FillForm(*browser, list, [&](int n) {
            written = n;
            done = true;
        });
        EXPECT_TRUE(WaitFor(done));
        return written;
    }

    // The current value of a control, or the text of any other element, by id.
    QString Shown(const QString& id) {
        return Text(QStringLiteral("(function(){var e=document.getElementById('%1');"
                                   "if(!e)return'<none>';"
                                   "return 'value' in e && !(e instanceof HTMLLIElement)"
                                   "?e.value:e.textContent;})()")
                        .arg(id));
    }
};

TEST_F(FormFillingTest, WritesEachElementKindItsWay) {
    ASSERT_TRUE(LoadHtml(R"(<form>
        <input id="t1" type="text" value="old"><input id="t2"><input id="t3" type="">
        <input id="t4" type="search"><input id="t5" type="email"><input id="t6" type="tel">
        <input id="t7" type="url"><input id="t8" type="password"><input id="t9" type="TEXT">
        <input id="h" type="hidden" value="old"><textarea id="a">old</textarea>
        <span id="s">old</span><div id="d"><b>old</b></div>
        <table><tr><td id="c">old</td></tr></table></form>)"));
    const struct {
        const char* id;
        const char* value;
    } cases[] = {{"t1", "Meier"},  {"t2", "no type"}, {"t3", "empty type"},  {"t4", "search"},
                 {"t5", "a@b.de"}, {"t6", "0711 1"},  {"t7", "http://x.de"}, {"t8", "geheim"},
                 {"t9", "upper"},  {"h", "hidden"},   {"a", "line"},         {"s", "span"},
                 {"d", "div"},     {"c", "cell"}};
    TFieldList list;
    for (const auto& c : cases)
        list.push_back(std::string(c.id) + "=" + c.value);
    EXPECT_EQ(FillLines(list), static_cast<int>(std::size(cases)));
    for (const auto& c : cases)
        EXPECT_EQ(Shown(c.id).toStdString(), c.value) << c.id;
    EXPECT_EQ(Text("document.querySelectorAll('#d b').length+''"), "0");

    // Empty values empty every kind; filling again overwrites what the user typed.
    Eval("document.getElementById('t1').value='typed by the user'");
    EXPECT_EQ(FillLines({"t1=", "h=", "a=", "s="}), 4);
    for (const char* id : {"t1", "h", "a", "s"})
        EXPECT_EQ(Shown(id), "") << id;
}

TEST_F(FormFillingTest, SelectsOrAddsTheOptionOnce) {
    ASSERT_TRUE(LoadHtml(R"(<select id="anrede"><option value="">-</option>
        <option value="Herr">Herr</option><option value="Frau">Frau</option></select>
        <select id="land"><option value="DE">Deutschland</option></select>
        <select id="leer"><option value="x">x</option></select>)"));
    const QString options =
        QStringLiteral("Array.from(document.getElementById('%1').options)"
                       ".map(o=>o.value+'/'+o.text+(o.selected?'*':'')).join(',')");

    EXPECT_EQ(FillLines({"anrede=Frau", "land=Österreich", "leer="}), 3);
    EXPECT_EQ(Text(options.arg("anrede")), "/-,Herr/Herr,Frau/Frau*");
    EXPECT_EQ(Text(options.arg("land")), "Österreich/Österreich*,DE/Deutschland");
    EXPECT_EQ(Text(options.arg("leer")), "/*,x/x");

    // The option now exists: filling again selects it without a second copy.
    Eval("document.getElementById('land').value='DE'");
    EXPECT_EQ(FillLines({"land=Österreich"}), 1);
    EXPECT_EQ(Text(options.arg("land")), "Österreich/Österreich*,DE/Deutschland");
}

TEST_F(FormFillingTest, FillsCopyPlacesButNotAThird) {
    ASSERT_TRUE(LoadHtml(R"(<input id="Kundennummer"><span id="Kundennummer_copy1"></span>
        <input name="Kundennummer_copy2"><input id="Kundennummer_copy3" value="untouched">
        <input id="k2" name="Kundennummer_copy2" >)"));
    EXPECT_EQ(FillLines({"Kundennummer=K-42"}), 3);
    EXPECT_EQ(Text("document.getElementById('Kundennummer').value"), "K-42");
    EXPECT_EQ(Text("document.getElementById('Kundennummer_copy1').textContent"), "K-42");
    EXPECT_EQ(Text("document.getElementsByName('Kundennummer_copy2')[0].value"), "K-42");
    EXPECT_EQ(Text("document.getElementById('k2').value"), "");
    EXPECT_EQ(Text("document.getElementById('Kundennummer_copy3').value"), "untouched");
}

TEST_F(FormFillingTest, SplitsLinesAsTheFieldListMeansThem) {
    ASSERT_TRUE(LoadHtml(R"(<input id="Formel"><input id="Lang"><textarea id="_copy1"></textarea>
        <span id="_copy2"></span><span id="Markup"></span>)"));
    const std::string longValue(2999, 'x');
    EXPECT_EQ(FillLines({"Formel=a=b=c", "Lang=ä" + longValue, "no equals sign here",
                         "Markup=<b>fett</b> &amp; <script>x</script>"}),
              5);
    EXPECT_EQ(Text("document.getElementById('Formel').value"), "a=b=c");
    // 2048 characters, the "ä" counting as one.
    EXPECT_EQ(Text("document.getElementById('Lang').value"),
              QString::fromStdString("ä" + std::string(2047, 'x')));
    EXPECT_EQ(Text("document.getElementById('_copy1').value"), "no equals sign here");
    EXPECT_EQ(Text("document.getElementById('_copy2').textContent"), "no equals sign here");
    EXPECT_EQ(Text("document.getElementById('Markup').textContent"),
              "<b>fett</b> &amp; <script>x</script>");
    EXPECT_EQ(Text("document.getElementById('Markup').children.length+''"), "0");
}

TEST_F(FormFillingTest, FillsOnlyTheFirstOfTwoElementsWithOneId) {
    ASSERT_TRUE(LoadHtml(R"(<span name="Ort">first</span><input id="Ort" value="second">
        <input id="Ort" value="third">)"));
    EXPECT_EQ(FillLines({"Ort=Berlin"}), 1);
    EXPECT_EQ(Text("Array.from(document.body.children).map(e=>e.value||e.textContent).join()"),
              "Berlin,second,third");
}

TEST_F(FormFillingTest, LooksElementsUpInTheDocumentAsEarlierWritesLeftIt) {
    // Writing the block's text removes its inner field; the next field of that name is then the
    // first one in the document.
    ASSERT_TRUE(LoadHtml(R"(<div id="Block"><input id="Inner" value="a"></div>
        <input name="Inner" value="b">)"));
    EXPECT_EQ(FillLines({"Block=Text", "Inner=y"}), 2);
    EXPECT_EQ(Text("document.body.innerText.trim()"), "Text");
    EXPECT_EQ(Text("document.getElementsByName('Inner')[0].value"), "y");
    EXPECT_EQ(Text("document.querySelectorAll('[id=Inner]').length+''"), "0");
}

TEST_F(FormFillingTest, RefusedWriteEndsTheRunAndKeepsEarlierWrites) {
    ASSERT_TRUE(LoadHtml(R"(<input id="Name"><input id="PLZ" type="number">
        <input id="Ort">)"));
    EXPECT_EQ(FillLines({"Name=Meier", "PLZ=not a number", "Ort=Berlin"}), 1);
    EXPECT_EQ(Text("document.getElementById('Name').value"), "Meier");
    EXPECT_EQ(Text("document.getElementById('Ort').value"), "");
    // A number is taken.
    EXPECT_EQ(FillLines({"PLZ=70173", "Ort=Stuttgart"}), 2);
    EXPECT_EQ(Text("document.getElementById('Ort').value"), "Stuttgart");
}

TEST_F(FormFillingTest, IgnoresWhatPageScriptsDoToTheirOwnWorld) {
    // The page throws, replaces the value setter and defines its own agent in its world; the
    // agent's world sees none of it. Fields inside a frame are not the document's.
    ASSERT_TRUE(LoadHtml(R"(<script>
        Object.defineProperty(HTMLInputElement.prototype, 'value',
            {set: function () { throw new Error('page says no'); }});
        var hovloAgent = {fill: function () { throw new Error('fake agent'); }};
        document.querySelector = null;
        throw new Error('page script fails');
        </script><input id="Name">
        <iframe srcdoc="<input id='Ort'>"></iframe>)"));
    EXPECT_EQ(FillLines({"Name=Meier", "Ort=Berlin"}), 1);
    EXPECT_EQ(Text("document.getElementById('Name').value"), "Meier");
    EXPECT_EQ(Text("document.querySelector('iframe').contentDocument.getElementById('Ort').value"),
              "");
}

TEST_F(FormFillingTest, FillsNothingWhereThereIsNoHtmlDocument) {
    ASSERT_TRUE(Load(*browser, kFixtures + "picture.svg"));
    EXPECT_EQ(FillLines({"Name=Meier"}), 0);
    EXPECT_EQ(Text("document.getElementById('Name').textContent"), "x");
}

} // namespace
} // namespace hovlo::testing
