#include "app/PageCompletion.h"

#include "app/RunState.h"
#include "data/TextCodec.h"

namespace hovlo {

std::string NotAnIntegerMessage(const std::string& value) {
    std::string shown = CutToChars(value, kMaxReportedValueChars);
    if (shown.size() < value.size())
        shown += "…";
    // Built by concatenation: the value is page text and may itself hold "%s".
    return "'" + shown + "' ist kein gültiger Integerwert";
}

TCompletionDecision DecidePageCompletion(const TPageFacts& facts) {
    TCompletionDecision decision;
    if (!facts.HtmlDocument) {
        decision.Error = kNotHtmlDocumentError;
        return decision;
    }
    if (facts.Marker.Kind == TElementKind::ekHiddenInput) {
        const std::optional<std::int32_t> flags = StrToInt(facts.Marker.Value);
        if (!flags) {
            decision.Error = NotAnIntegerMessage(facts.Marker.Value);
            return decision;
        }
        decision.FillVisible = (*flags & kShowFillButton) != 0;
        decision.PrintVisible = (*flags & kShowPrintButton) != 0;
        decision.FillNow = (*flags & kFillAtOnce) != 0;
    }
    decision.HeaderText = kDefaultHeaderText;
    // A hidden header with an empty value keeps the default; its content is not consulted.
    if (facts.Header.Kind == TElementKind::ekHiddenInput && !facts.Header.Value.empty())
        decision.HeaderText = facts.Header.Value;
    else if (facts.Header.Kind == TElementKind::ekOther && !facts.Header.InnerMarkup.empty())
        decision.HeaderText = facts.Header.InnerMarkup;
    return decision;
}

bool IsValidFirstPage(const std::optional<std::string>& bodyMarkup) {
    if (!bodyMarkup)
        return false;
    const std::string upper = UpperAscii(*bodyMarkup);
    return upper.find("<FORM") != std::string::npos || upper.find("VESK") != std::string::npos;
}

} // namespace hovlo
