#include "app/RunState.h"
#include "core/support/TempDir.h"

#include <gtest/gtest.h>

namespace hovlo {
namespace {

using test::TTempDir;

class ReadSettingsTest : public ::testing::Test {
protected:
    // Writes the dialog configuration and points the run state at it, as the command line would.
    void Config(const std::string& text) {
        FState.FConfigFile = FDir.Write("prod/Dialog.cfg", text);
        FState.FConfigDir = FDir.Dir() + "prod/";
        FState.FExeDir = "/opt/Veskora/Hovlo/";
    }
    bool Read() { return ReadSettings(FState, &FCaption); }

    TTempDir FDir;
    TRunState FState;
    std::string FCaption = "unverändert";
};

TEST_F(ReadSettingsTest, MissingKeysGiveTheDefaults) {
    Config("[Setting]\nPID=1\n");
    ASSERT_TRUE(Read());
    EXPECT_EQ(FCaption, "Veskora GmbH - Hovlo");
    EXPECT_EQ(FState.FUpdateCfg, FState.FConfigDir + "update.cfg");
    EXPECT_EQ(FState.FProductId, "73");
    // Templates default to the program's folder, not the configuration's.
    EXPECT_EQ(FState.FFaxTemplate, "/opt/Veskora/Hovlo/Fax.html");
    EXPECT_EQ(FState.FLetterTemplate, "/opt/Veskora/Hovlo/Brief.html");
    EXPECT_EQ(FState.FProductName, "");
}

TEST_F(ReadSettingsTest, ReadsEveryKey) {
    FDir.Write("upd/update.cfg", "[UpdateInfo]\nProdukt=Aus Update\n");
    Config("[Setting]\nUpdateCFG=" + FDir.Dir() + "upd/update.cfg\nDialogname=Mein Dialog\n"
           "PID=173\nFaxVorlage=Vorlagen/Fax.html\nBriefVorlage=/srv/Brief.html\n"
           "Produkt=Haushaltsbuch\nVersion=7.1\n");
    ASSERT_TRUE(Read());
    EXPECT_EQ(FCaption, "Mein Dialog");
    EXPECT_EQ(FState.FUpdateCfg, FDir.Dir() + "upd/update.cfg");
    EXPECT_EQ(FState.FProductId, "301");
    EXPECT_EQ(FState.FFaxTemplate, FState.FConfigDir + "Vorlagen/Fax.html");
    EXPECT_EQ(FState.FLetterTemplate, "/srv/Brief.html");
    EXPECT_EQ(FState.FProductName, "Haushaltsbuch");
    EXPECT_EQ(FState.FVersion, "7.1");
}

TEST_F(ReadSettingsTest, UnusableConfigurations) {
    const std::vector<std::pair<const char*, std::string>> cases = {
        {"no section", "[Andere]\nPID=1\n"},
        {"section without keys", "[Setting]\n; nur ein Kommentar\n[Weiter]\nPID=1\n"},
        {"empty file", ""},
        {"binary file", std::string("\x00\x01\xff\xfe[Setting\x00]\x80\x81", 12)},
    };
    for (const auto& [name, text] : cases) {
        SCOPED_TRACE(name);
        Config(text);
        EXPECT_FALSE(Read());
        EXPECT_EQ(FCaption, "unverändert");
    }
}

TEST_F(ReadSettingsTest, MissingFileAndFolderAreUnusable) {
    FState.FConfigFile = FDir.Path("gibtsnicht.cfg");
    EXPECT_FALSE(Read());
    FState.FConfigFile = FDir.Dir();
    EXPECT_FALSE(Read());
}

TEST_F(ReadSettingsTest, EmptyValuesAreTakenAsEmpty) {
    FDir.Write("prod/update.cfg", "[UpdateInfo]\nProdukt=Aus Update\n");
    Config("[Setting]\nDialogname=\nPID=\nProdukt=\n");
    ASSERT_TRUE(Read());
    EXPECT_EQ(FCaption, "");
    EXPECT_EQ(FState.FProductId, "");
    EXPECT_EQ(FState.FProductName, ""); // not the update configuration's product
}

TEST_F(ReadSettingsTest, EmptyTemplateValueMeansTheTemplateBesideTheProgram) {
    Config("[Setting]\nFaxVorlage=\nBriefVorlage=\n");
    ASSERT_TRUE(Read());
    EXPECT_EQ(FState.FFaxTemplate, "/opt/Veskora/Hovlo/Fax.html");
    EXPECT_EQ(FState.FLetterTemplate, "/opt/Veskora/Hovlo/Brief.html");
}

TEST_F(ReadSettingsTest, ProductNameFallsBackToTheUpdateConfiguration) {
    FDir.Write("prod/update.cfg", "[updateinfo]\nprodukt=Steuer 2027\n");
    Config("[Setting]\nPID=5\n");
    ASSERT_TRUE(Read());
    EXPECT_EQ(FState.FProductName, "Steuer 2027");
}

TEST_F(ReadSettingsTest, MissingUpdateConfigurationIsNoFailure) {
    Config("[Setting]\nUpdateCFG=/nirgends/update.cfg\n");
    ASSERT_TRUE(Read());
    EXPECT_EQ(FState.FUpdateCfg, "/nirgends/update.cfg");
    EXPECT_EQ(FState.FProductName, "");
}

TEST_F(ReadSettingsTest, VersionKeepsTheCommandLineValueWhenTheConfigurationHasNone) {
    FState.FVersion = "3.3";
    FDir.Write("prod/update.cfg", "[UpdateInfo]\n1=Check\n[Check]\nVerCheck=fehlt.exe\n");
    Config("[Setting]\nProgramm=fehlt.exe\n");
    ASSERT_TRUE(Read());
    EXPECT_EQ(FState.FVersion, "3.3");
}

TEST_F(ReadSettingsTest, ConfigurationVersionReplacesTheCommandLineValue) {
    FState.FVersion = "3.3";
    Config("[Setting]\nVersion=9.9.9\n");
    ASSERT_TRUE(Read());
    EXPECT_EQ(FState.FVersion, "9.9.9");
}

TEST_F(ReadSettingsTest, OddFilesAreReadWithoutHarm) {
    // Windows-1252 with umlauts, CRLF line ends, blanks and quotes, a line of several megabytes.
    const std::string huge(3 * 1024 * 1024, 'x');
    Config("\xEF\xBB\xBF; UTF-8 with BOM\r\n[ setting ]\r\n  DIALOGNAME = \"Grüße\" \r\nX=" + huge +
           "\r\nPID = 2\r\n");
    ASSERT_TRUE(Read());
    EXPECT_EQ(FCaption, "Grüße");
    EXPECT_EQ(FState.FProductId, "0");

    Config("[Setting]\nDialogname=Stra\xDF" "e M\xFCnchen \x80\n"); // Windows-1252
    ASSERT_TRUE(Read());
    EXPECT_EQ(FCaption, "Straße München €");
}

TEST(ProductIdMapping, MapsTableIndexesAndPassesEverythingElse) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"1", "73"},     {"2", "0"},     {"14", "73"},  {"52", "0"},     {"100", "209"},
        {"173", "301"},  {"174", "174"}, {"0", "0"},    {"-3", "-3"},    {"Wort", "Wort"},
        {"", ""},        {" 7", "103"},  {"7 ", "7 "},  {"+1", "73"},    {"99999999999", "99999999999"},
    };
    for (const auto& [pid, id] : cases)
        EXPECT_EQ(MapProductId(pid), id) << "PID " << pid;
}

TEST(ProductIdMapping, TableHoldsTheSharedAndEmptyEntries) {
    int seventyThree = 0, zero = 0;
    for (auto id : ProductIdTable) {
        seventyThree += id == 73;
        zero += id == 0;
    }
    EXPECT_EQ(seventyThree, 10);
    EXPECT_EQ(zero, 8);
    EXPECT_EQ(ProductIdTable[149 - 1], 241);
}

TEST(TemplatePathRule, FullPathsStayOthersJoinTheConfigurationFolder) {
    const std::string dir = "/home/k/prod/";
    EXPECT_EQ(ApplyTemplatePathRule("Vorlagen\\Fax.html", dir), dir + "Vorlagen\\Fax.html");
    EXPECT_EQ(ApplyTemplatePathRule("Vorlagen/Fax.html", dir), dir + "Vorlagen/Fax.html");
    EXPECT_EQ(ApplyTemplatePathRule("D:\\Daten\\Fax.html", dir), "D:\\Daten\\Fax.html");
    EXPECT_EQ(ApplyTemplatePathRule("\\\\server\\share\\Fax.html", dir),
              "\\\\server\\share\\Fax.html");
    EXPECT_EQ(ApplyTemplatePathRule("/srv/Fax.html", dir), "/srv/Fax.html");
}

} // namespace
} // namespace hovlo
