// The fill plan: how field lines become element names and values.
#include "app/FormFilling.h"

#include <gmock/gmock.h>

namespace hovlo {
namespace {

using ::testing::ElementsAre;

TEST(FillPlanTest, SplitsAtTheFirstEqualsSignAndKeepsTheRest) {
    const struct {
        std::string line, name, value;
    } cases[] = {
        {"Name=Meier", "Name", "Meier"},
        {"Formel=a=b", "Formel", "a=b"},
        {" Name = x ", " Name ", " x "},
        {"Leer=", "Leer", ""},
        {"=nur Wert", "", "nur Wert"},
        {"kein Gleichheitszeichen", "", "kein Gleichheitszeichen"},
        {"", "", ""},
    };
    for (const auto& c : cases) {
        const auto [name, value] = SplitFieldLine(c.line);
        EXPECT_EQ(name, c.name) << c.line;
        EXPECT_EQ(value, c.value) << c.line;
    }
}

TEST(FillPlanTest, CutsValuesTo2048CharactersNotBytes) {
    std::string umlauts;
    for (int i = 0; i < 3000; ++i)
        umlauts += "ä";
    const auto [name, value] = SplitFieldLine("Bemerkung=" + umlauts);
    EXPECT_EQ(name, "Bemerkung");
    EXPECT_EQ(value, umlauts.substr(0, 2 * 2048));
    EXPECT_EQ(SplitFieldLine(std::string(3000, 'x')).second.size(), 2048u);
    // The name is never cut.
    EXPECT_EQ(SplitFieldLine(std::string(3000, 'n') + "=v").first.size(), 3000u);
}

TEST(FillPlanTest, FillsCopyPlacesButNotAThird) {
    EXPECT_THAT(MakeFillPlan({"Kundennummer=42", "Ort=Berlin", "Ort=Bonn", "ohne"}),
                ElementsAre(TFillStep{"Kundennummer", "42"}, TFillStep{"Kundennummer_copy1", "42"},
                            TFillStep{"Kundennummer_copy2", "42"}, TFillStep{"Ort", "Berlin"},
                            TFillStep{"Ort_copy1", "Berlin"}, TFillStep{"Ort_copy2", "Berlin"},
                            TFillStep{"Ort", "Bonn"}, TFillStep{"Ort_copy1", "Bonn"},
                            TFillStep{"Ort_copy2", "Bonn"}, TFillStep{"", "ohne"},
                            TFillStep{"_copy1", "ohne"}, TFillStep{"_copy2", "ohne"}));
    EXPECT_TRUE(MakeFillPlan({}).empty());
}

} // namespace
} // namespace hovlo
