#include "data/VeskIni.h"
#include "core/support/ProfileFolder.h"

#include <chrono>
#include <filesystem>
#include <gtest/gtest.h>

namespace hovlo {
namespace {

using test::TProfileFolder;
using test::TTempDir;

TEST(VeskIni, AccessorsReadTheAddressSection) {
    TProfileFolder folder;
    // Windows-1252 umlauts, blanks around names, quotes, a repeated key, a repeated section.
    folder.Write("[Sonstiges]\r\nNachname=Falsch\r\n"
                 "[ Adresse ]\r\n"
                 "Anrede=Frau\r\n"
                 "  EMail  =  erika@example.org  \r\n"
                 "Fax=\"0221 12345\"\r\n"
                 "Hausnr='7a'\r\n"
                 "KundenNr=K-4711\r\n"
                 "Nachname=M\xFCller-L\xFC"
                 "denscheid\r\n"
                 "Ort=K\xF6ln\r\n"
                 "Plz=\r\n"
                 "Strasse=Hauptstra\xDF"
                 "e\r\n"
                 "Telefon=0221 999\r\n"
                 "Vorname=Erika\r\n"
                 "vorname=Zweite\r\n"
                 "nur ein Wort\r\n"
                 "[ADRESSE]\r\nTelefon=aus zweiter Section\r\n");
    const TVeskIni ini;
    EXPECT_EQ(ini.GetAnrede(), "Frau");
    EXPECT_EQ(ini.GetEMail(), "erika@example.org");
    EXPECT_EQ(ini.GetFax(), "0221 12345");
    EXPECT_EQ(ini.GetHausnr(), "7a");
    EXPECT_EQ(ini.GetKundenNr(), "K-4711");
    EXPECT_EQ(ini.GetNachname(), "Müller-Lüdenscheid");
    EXPECT_EQ(ini.GetOrt(), "Köln");
    EXPECT_EQ(ini.GetPlz(), "");
    EXPECT_EQ(ini.GetStrasse(), "Hauptstraße");
    EXPECT_EQ(ini.GetTelefon(), "0221 999");
    EXPECT_EQ(ini.GetVorname(), "Erika");
}

TEST(VeskIni, NamesMatchWithoutRegardToCase) {
    TProfileFolder folder;
    folder.Write("[adresse]\nkundennr=123\n");
    EXPECT_EQ(TVeskIni().GetKundenNr(), "123");
}

TEST(VeskIni, EveryCallReadsTheFileAnew) {
    TProfileFolder folder;
    const TVeskIni ini;
    EXPECT_EQ(ini.GetOrt(), "");
    folder.Write("[Adresse]\nOrt=Bonn\n");
    EXPECT_EQ(ini.GetOrt(), "Bonn");
    folder.Write("[Adresse]\nOrt=Berlin\n");
    EXPECT_EQ(ini.GetOrt(), "Berlin");
}

TEST(VeskIni, FileBesideTheProgramOrInTheCurrentFolderIsNotRead) {
    TTempDir here;
    here.Write("Vesk.ini", "[Adresse]\nKundenNr=falsch\n");
    const auto previous = std::filesystem::current_path();
    std::filesystem::current_path(here.Dir());
    {
        TProfileFolder folder; // empty: no customer file
        EXPECT_EQ(TVeskIni().GetKundenNr(), "");
    }
    EXPECT_EQ(TVeskIni().GetKundenNr(), ""); // no Windows folder at all
    std::filesystem::current_path(previous);
}

TEST(VeskIni, HugeFileGivesTheNamesThatFitTheNameBuffer) {
    TProfileFolder folder;
    std::string text = "[Adresse]\n";
    text.reserve(10u << 20);
    for (int i = 0; text.size() < (10u << 20); ++i) {
        char line[32];
        std::snprintf(line, sizeof line, "Schluessel%06d=x\n", i); // 16-character names
        text += line;
    }
    text += "KundenNr=am Ende\n";
    folder.Write(text);

    const auto start = std::chrono::steady_clock::now();
    std::vector<std::string> list;
    TIniFile(kCustomerFileName).ReadSectionValues(kAddressSection, list);
    const std::string kundenNr = TVeskIni().GetKundenNr();
    const auto took = std::chrono::steady_clock::now() - start;

    // 16383 characters hold 963 names of 16 characters with their terminators.
    ASSERT_EQ(list.size(), 963u);
    EXPECT_EQ(list.front(), "Schluessel000000=x");
    EXPECT_EQ(list.back(), "Schluessel000962=x");
    EXPECT_EQ(kundenNr, "am Ende"); // a single read has no such limit
    EXPECT_LT(took, std::chrono::seconds(5));
}

} // namespace
} // namespace hovlo
