#include "app/FormFilling.h"

#include "data/TextCodec.h"

namespace hovlo {

std::pair<std::string, std::string> SplitFieldLine(const std::string& line) {
    const std::size_t eq = line.find('=');
    if (eq == std::string::npos)
        return {std::string(), CutToChars(line, kMaxFillValueChars)};
    return {line.substr(0, eq),
            CutToChars(std::string_view(line).substr(eq + 1), kMaxFillValueChars)};
}

TFillPlan MakeFillPlan(const TFieldList& list) {
    TFillPlan plan;
    plan.reserve(list.size() * kFillPasses);
    for (const std::string& line : list) {
        auto [name, value] = SplitFieldLine(line);
        for (int pass = 0; pass < kFillPasses; ++pass) {
            std::string element = pass == 0 ? name : name + "_copy" + std::to_string(pass);
            plan.push_back({std::move(element), value});
        }
    }
    return plan;
}

} // namespace hovlo
