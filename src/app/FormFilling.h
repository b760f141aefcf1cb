// The fill plan: which page elements receive which value when the support field list is written
// into a form. Pure logic over the field list, so it is tested without a browser; the page
// handler hands the plan to the page agent, which applies it to the document in one call.
#pragma once

#include "app/RunState.h"

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

namespace hovlo {

// Longest value, in characters, that filling hands to the page.
inline constexpr std::size_t kMaxFillValueChars = 2048;
// The places a field is written to: its own name, then name_copy1 and name_copy2.
inline constexpr int kFillPasses = 3;

// One write: the element name (id or name in the page) and the value.
struct TFillStep {
    std::string ElementName;
    std::string Value;
    bool operator==(const TFillStep&) const = default;
};

// The writes in the order they are applied: line by line, each line's three passes in turn.
using TFillPlan = std::vector<TFillStep>;

// A field line split at its first "=": the name as it stands, the value cut to
// kMaxFillValueChars. A line without "=" has an empty name and the whole line as its value.
std::pair<std::string, std::string> SplitFieldLine(const std::string& line);

// The plan for a whole field list, every line counting (repeated names too).
TFillPlan MakeFillPlan(const TFieldList& list);

} // namespace hovlo
