// What the main window does when its visible browser has completed a document: the buttons the
// page's configuration marker asks for, automatic filling, the header text, and whether the first
// page of the run loaded as expected. Pure logic over the facts the page agent reads from the
// document; the page handler gathers the facts and applies the outcome to the window.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

namespace hovlo {

// The page conventions: element ids or names, and the local error page in the program folder.
inline constexpr const char* kConfigMarkerName = "hovlotoolconfig";
inline constexpr const char* kHeaderElementName = "headertext";
inline constexpr const char* kErrorPageName = "Error.html";

// Header text of every page that brings none of its own (196 characters).
inline constexpr const char* kDefaultHeaderText =
    "Bitte formulieren Sie ihre Problembeschreibung oder einzelne Suchbegriffe unter \"Ihre "
    "Frage\". Sollten Sie keine passende Lösung finden, können Sie anschließend eine eMail an den "
    "Support verfassen.";

// The report when the current document is not an HTML document.
inline constexpr const char* kNotHtmlDocumentError = "Interface nicht unterstützt";

// Marker bits.
inline constexpr int kShowFillButton = 1;
inline constexpr int kFillAtOnce = 2;
inline constexpr int kShowPrintButton = 4;

// A marker value longer than this is shown shortened in the error report, so that a page
// cannot make the report unusable.
inline constexpr std::size_t kMaxReportedValueChars = 1024;

enum class TElementKind { ekMissing, ekHiddenInput, ekOther };

// The first element whose id or name equals a convention name.
struct TElementFacts {
    TElementKind Kind = TElementKind::ekMissing;
    std::string Value;       // the hidden input's value
    std::string InnerMarkup; // any other element's inner markup
};

struct TPageFacts {
    bool HtmlDocument = false;
    TElementFacts Marker;
    TElementFacts Header;
    std::optional<std::string> BodyMarkup; // nothing when the document has no body
};

struct TCompletionDecision {
    // When set, the standard error report shows this text and nothing else changes: buttons,
    // filling, header and the first-load check all stay as they were.
    std::optional<std::string> Error;
    bool FillVisible = false;
    bool PrintVisible = false;
    bool FillNow = false;
    std::string HeaderText;
};

// The runtime's report for a text that is no whole number.
std::string NotAnIntegerMessage(const std::string& value);

// Buttons, automatic filling and header text for the completed document.
TCompletionDecision DecidePageCompletion(const TPageFacts& facts);

// Whether the run's first page is one of the maker's pages: "<FORM" or "VESK" anywhere in the
// upper-cased body markup. A document without a body is not.
bool IsValidFirstPage(const std::optional<std::string>& bodyMarkup);

} // namespace hovlo
