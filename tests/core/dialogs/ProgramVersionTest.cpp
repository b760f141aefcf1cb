// Tests of the program version text: three parts cut from the FileVersion string of the first
// translation's string table, one-character parts padded with "0", ".." without information.
#include "dialogs/ProgramVersion.h"

#include <gtest/gtest.h>

#include <string>

namespace hovlo {
namespace {

TVersionInfo German(std::map<std::string, std::string> strings) {
    TVersionInfo info;
    info.Translations = {{0x0407, 0x04E4}};
    info.StringTables["040704E4"] = std::move(strings);
    return info;
}

TEST(ProgramVersionText, CutsThreePartsFromTheFileVersion) {
    const std::string longDescription(200, 'x');
    std::string umlauts;
    for (int i = 0; i < 60; ++i)
        umlauts += "\xC3\xA4"; // "ä": 60 characters, 120 bytes
    struct TCase {
        std::string FileVersion;
        std::string Description;
        std::string Expected;
    };
    const TCase cases[] = {
        {"2.0.0.26", "Hovlo customer-support client", "02.00.00"},
        {"10.2.15.3", "", "10.02.15"},
        {"1.2", "", "01.."},
        {"1.2.3", "", "01.02."}, // the third part needs a "." after it
        {"1.2.3.4", "Version 9.8.7", "01.02.03"},
        {"123.45.6.7", longDescription, "123.45.06"},
        // Only the first 100 characters count: the point after them is never seen ...
        {"1.2", std::string(96, 'x') + ".y", "01.."},
        // ... and they are characters, not bytes: this point is the 65th character.
        {"1.2", umlauts + ".z", "01.2 " + umlauts + "."},
        {"\xC3\xA4.1.0.0", "", "0\xC3\xA4.01.00"}, // one character of two bytes is still one
        {"", "", ".."},
    };
    for (const TCase& c : cases) {
        std::map<std::string, std::string> strings{{"FileVersion", c.FileVersion}};
        if (!c.Description.empty())
            strings["FileDescription"] = c.Description;
        const TVersionInfo info = German(strings);
        EXPECT_EQ(ProgramVersionText(&info), c.Expected) << c.FileVersion << " " << c.Description;
    }
}

TEST(ProgramVersionText, FindsStringNamesInAnyCase) {
    const TVersionInfo info = German({{"FILEVERSION", "3.1.4.1"}, {"filedescription", "a.b"}});
    EXPECT_EQ(ProgramVersionText(&info), "03.01.04");
}

TEST(ProgramVersionText, GivesTwoPointsWithoutAFileVersion) {
    TVersionInfo noTranslation = German({{"FileVersion", "2.0.0.26"}});
    noTranslation.Translations.clear();
    TVersionInfo otherTranslation = German({{"FileVersion", "2.0.0.26"}});
    otherTranslation.Translations = {{0x0409, 0x04B0}, {0x0407, 0x04E4}}; // only the first counts
    const TVersionInfo onlyDescription = German({{"FileDescription", "1.2.3.4"}});
    const TVersionInfo* cases[] = {nullptr, &noTranslation, &otherTranslation, &onlyDescription};
    for (const TVersionInfo* info : cases)
        EXPECT_EQ(ProgramVersionText(info), "..");
}

TEST(ProgramVersionText, OwnVersionIsTheBuiltOne) {
    EXPECT_EQ(ProgramVersionText(), "02.00.00");
}

} // namespace
} // namespace hovlo
