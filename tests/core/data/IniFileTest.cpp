#include "core/support/TempDir.h"
#include "data/IniFile.h"
#include "data/TextCodec.h"

#include <gtest/gtest.h>

namespace hovlo {
namespace {

using test::TTempDir;

TEST(IniFile, FollowsTheProfileRules) {
    TTempDir dir;
    const TIniFile ini(dir.Write("a.ini", "; Kommentar\n"
                                          "[Erste]\n"
                                          "  Name  =  Wert mit Blanks  \n"
                                          "Quoted=\"  in Anf\xC3\xBChrungszeichen \"\n"
                                          "Single='x'\n"
                                          "Half=\"offen\n"
                                          "ohne Gleichheitszeichen\n"
                                          "name=zweiter Wert\n"
                                          "Leer=\n"
                                          "Gleich=a=b=c\n"
                                          ";Auskommentiert=1\n"
                                          "[erste]\n"
                                          "Spaet=aus zweiter Section\n"));
    EXPECT_EQ(ini.ReadString("ERSTE", "NAME", "-"), "Wert mit Blanks");
    EXPECT_EQ(ini.ReadString("Erste", "Quoted", "-"), "  in Anführungszeichen ");
    EXPECT_EQ(ini.ReadString("Erste", "Single", "-"), "x");
    EXPECT_EQ(ini.ReadString("Erste", "Half", "-"), "\"offen");
    EXPECT_EQ(ini.ReadString("Erste", "Leer", "-"), "");
    EXPECT_EQ(ini.ReadString("Erste", "Gleich", "-"), "a=b=c");
    EXPECT_EQ(ini.ReadString("Erste", "Auskommentiert", "-"), "-");
    EXPECT_EQ(ini.ReadString("Erste", "ohne Gleichheitszeichen", "-"), "-");
    EXPECT_EQ(ini.ReadString("Erste", "Spaet", "-"), "-"); // first section of a name wins
    EXPECT_EQ(ini.ReadString("Fehlt", "Name", "-"), "-");
    EXPECT_EQ(ini.ReadSection("Erste"),
              (std::vector<std::string>{"Name", "Quoted", "Single", "Half", "Leer", "Gleich"}));
}

TEST(IniFile, SectionValuesSkipEmptyValuesAndRepeatedNames) {
    TTempDir dir;
    const TIniFile ini(dir.Write("a.ini", "[Adresse]\nVorname=Max\nFax=\nvorname=Moritz\n"
                                          "Firma=Muster GmbH\nKundenNr=4711\n"));
    std::vector<std::string> list;
    ini.ReadSectionValues("adresse", list);
    EXPECT_EQ(list, (std::vector<std::string>{"Vorname=Max", "Firma=Muster GmbH",
                                              "KundenNr=4711"}));
}

TEST(IniFile, SectionWithoutKeysDoesNotExist) {
    TTempDir dir;
    const TIniFile ini(dir.Write("a.ini", "[Leer]\n[Voll]\nk=\n"));
    EXPECT_FALSE(ini.SectionExists("Leer"));
    EXPECT_TRUE(ini.SectionExists("voll"));
    EXPECT_FALSE(ini.SectionExists("Fehlt"));
}

TEST(IniFile, LineEndsOfEveryKind) {
    TTempDir dir;
    for (const char* eol : {"\n", "\r\n", "\r"}) {
        const std::string e = eol;
        const TIniFile ini(dir.Write("e.ini", "[S]" + e + "a=1" + e + "b=2" + e));
        EXPECT_EQ(ini.ReadString("S", "a", "-"), "1");
        EXPECT_EQ(ini.ReadString("S", "b", "-"), "2");
    }
}

TEST(IniFile, ValuesAreCutToWholeCharacters) {
    TTempDir dir;
    std::string value;
    for (int i = 0; i < 3000; ++i)
        value += "\xC3\xA4"; // ä, two bytes each
    const TIniFile ini(dir.Write("a.ini", "[S]\nk=" + value + "\n"));
    const std::string read = ini.ReadString("S", "k", "");
    EXPECT_EQ(read.size(), 2047u * 2);
    EXPECT_TRUE(IsValidUtf8(read));
}

TEST(IniFile, Windows1252FilesReadAsTheRightCharacters) {
    TTempDir dir;
    const TIniFile ini(dir.Write("a.ini", "[Adresse]\r\nStrasse=Hauptstra\xDF" "e\r\n"
                                          "Ort=K\xF6ln-M\xFChlheim\r\nZeichen=\x80\x84\x93\x94\r\n"));
    EXPECT_EQ(ini.ReadString("Adresse", "Strasse", ""), "Hauptstraße");
    EXPECT_EQ(ini.ReadString("Adresse", "Ort", ""), "Köln-Mühlheim");
    EXPECT_EQ(ini.ReadString("Adresse", "Zeichen", ""), "€„“”");
}

TEST(IniFile, BadFilesReadAsEmpty) {
    TTempDir dir;
    std::string binary;
    for (int i = 0; i < 4096; ++i)
        binary += static_cast<char>((i * 7919) & 0xFF);
    const std::vector<std::pair<const char*, std::string>> files = {
        {"missing", dir.Path("gibtsnicht.ini")},
        {"folder", dir.Dir()},
        {"empty", dir.Write("leer.ini", "")},
        {"binary", dir.Write("binaer.ini", binary)},
        {"invalid utf-8 lead bytes", dir.Write("kaputt.ini", "\xC3\x28\xF0\x28\x8C\x28")},
        {"bracket only", dir.Write("klammer.ini", "[")},
        {"empty key", dir.Write("key.ini", "[S]\n=wert\n")},
    };
    for (const auto& [name, path] : files) {
        SCOPED_TRACE(name);
        const TIniFile ini(path);
        EXPECT_EQ(ini.ReadString("S", "k", "default"), "default");
        EXPECT_FALSE(ini.SectionExists("S"));
        std::vector<std::string> list;
        ini.ReadSectionValues("S", list);
        EXPECT_TRUE(list.empty());
    }
}

TEST(IniFile, NulBytesEndALine) {
    TTempDir dir;
    const TIniFile ini(dir.Write("a.ini", std::string("[S]\nk=vor\0nach\nl=2\n", 19)));
    EXPECT_EQ(ini.ReadString("S", "k", ""), "vor");
    EXPECT_EQ(ini.ReadString("S", "l", ""), "2");
}

TEST(ProfilePath, BareNamesResolveOnlyThroughThePlatformFolder) {
    SetProfileFolderResolver(nullptr);
    EXPECT_EQ(ResolveProfilePath("Vesk.ini"), "");
    SetProfileFolderResolver([] { return std::string("/home/k/.config"); });
    EXPECT_EQ(ResolveProfilePath("Vesk.ini"), "/home/k/.config/Vesk.ini");
    EXPECT_EQ(ResolveProfilePath("./Vesk.ini"), "./Vesk.ini");
    EXPECT_EQ(ResolveProfilePath("/etc/Vesk.ini"), "/etc/Vesk.ini");
    SetProfileFolderResolver(nullptr);
}

TEST(TextCodec, CutsAndChecks) {
    EXPECT_EQ(CutToChars("a\xC3\xA4" "b", 2), "a\xC3\xA4");
    EXPECT_EQ(CutToChars("abc", 5), "abc");
    EXPECT_FALSE(IsValidUtf8("\xED\xA0\x80"));     // surrogate
    EXPECT_FALSE(IsValidUtf8("\xC0\xAF"));         // overlong
    EXPECT_FALSE(IsValidUtf8("\xF4\x90\x80\x80")); // above U+10FFFF
    EXPECT_TRUE(IsValidUtf8("\xF0\x9F\x98\x80"));
    EXPECT_EQ(DecodeText("\xEF\xBB\xBF" "x"), "x");
    EXPECT_EQ(UpperAscii("-fax ä"), "-FAX ä");
}

} // namespace
} // namespace hovlo
