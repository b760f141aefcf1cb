// The page-completion decision: marker bits, header rules and the first-load test.
#include "app/PageCompletion.h"

#include <gmock/gmock.h>

namespace hovlo {
namespace {

TPageFacts HtmlPage() {
    TPageFacts facts;
    facts.HtmlDocument = true;
    facts.BodyMarkup = "<p>x</p>";
    return facts;
}

TElementFacts Hidden(const std::string& value) {
    return {TElementKind::ekHiddenInput, value, ""};
}
TElementFacts Other(const std::string& markup) {
    return {TElementKind::ekOther, "", markup};
}

TEST(CompletionDecisionTest, ReadsTheMarkerBits) {
    const struct {
        TElementFacts marker;
        bool fillButton, printButton, fillNow;
    } cases[] = {
        {Hidden("3"), true, false, true},         {Hidden("4"), false, true, false},
        {Hidden("7"), true, true, true},          {Hidden("5"), true, true, false},
        {Hidden("0"), false, false, false},       {Hidden("8"), false, false, false},
        {Hidden("+6"), false, true, true},        {Hidden("  1"), true, false, false},
        {Hidden("2147483647"), true, true, true}, {Other("7"), false, false, false},
        {TElementFacts{}, false, false, false},
    };
    for (const auto& c : cases) {
        TPageFacts facts = HtmlPage();
        facts.Marker = c.marker;
        const TCompletionDecision d = DecidePageCompletion(facts);
        EXPECT_FALSE(d.Error) << c.marker.Value;
        EXPECT_EQ(d.FillVisible, c.fillButton) << c.marker.Value;
        EXPECT_EQ(d.PrintVisible, c.printButton) << c.marker.Value;
        EXPECT_EQ(d.FillNow, c.fillNow) << c.marker.Value;
    }
}

TEST(CompletionDecisionTest, ReportsAMarkerThatIsNoWholeNumber) {
    for (const std::string value : {"", "abc", "3 ", "0x10", "$10", "1.5", "2147483648", "-"}) {
        TPageFacts facts = HtmlPage();
        facts.Marker = Hidden(value);
        facts.Header = Other("Kopf");
        const TCompletionDecision d = DecidePageCompletion(facts);
        EXPECT_EQ(d.Error, "'" + value + "' ist kein gültiger Integerwert");
        EXPECT_FALSE(d.FillVisible || d.PrintVisible || d.FillNow) << value;
        EXPECT_EQ(d.HeaderText, "") << "the header is left alone";
    }
    // Page text is not a format: "%s" in the value stays as it is.
    EXPECT_EQ(NotAnIntegerMessage("%s%d"), "'%s%d' ist kein gültiger Integerwert");
    const std::string shown = NotAnIntegerMessage(std::string(5000, '9'));
    EXPECT_EQ(shown, "'" + std::string(1024, '9') + "…' ist kein gültiger Integerwert");
}

TEST(CompletionDecisionTest, PicksTheHeaderText) {
    const std::string fallback = kDefaultHeaderText;
    const struct {
        TElementFacts header;
        std::string expected;
    } cases[] = {
        {Hidden("Ihr <b>Fax</b>"), "Ihr <b>Fax</b>"},
        {Hidden(""), fallback},
        {TElementFacts{TElementKind::ekHiddenInput, "", "content is not consulted"}, fallback},
        {Other("Bitte <b>beachten</b>"), "Bitte <b>beachten</b>"},
        {Other(""), fallback},
        {TElementFacts{}, fallback},
    };
    for (const auto& c : cases) {
        TPageFacts facts = HtmlPage();
        facts.Header = c.header;
        EXPECT_EQ(DecidePageCompletion(facts).HeaderText, c.expected);
    }
}

TEST(CompletionDecisionTest, ReportsADocumentThatIsNotHtml) {
    TPageFacts facts;
    facts.Marker = Hidden("7");
    const TCompletionDecision d = DecidePageCompletion(facts);
    EXPECT_EQ(d.Error, kNotHtmlDocumentError);
    EXPECT_FALSE(d.FillVisible || d.PrintVisible || d.FillNow);
}

TEST(CompletionDecisionTest, AcceptsAFirstPageWithAFormOrTheMakersName) {
    const struct {
        std::optional<std::string> body;
        bool valid;
    } cases[] = {
        {"<form action=x>", true},
        {"<FoRm>", true},
        {"<a href=\"https://www.vesk.example\">x</a>", true},
        {"Veskora GmbH", true},
        {"<formular>", true},
        {"<p>Die Seite ist nicht erreichbar</p>", false},
        {"&lt;form&gt;", false},
        {"<input name=form>", false},
        {"", false},
        {std::nullopt, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsValidFirstPage(c.body), c.valid) << c.body.value_or("(no body)");
}

} // namespace
} // namespace hovlo
