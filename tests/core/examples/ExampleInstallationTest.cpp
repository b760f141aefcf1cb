// Checks the example installation in examples/ against the readers and the page conventions the
// program relies on: the configurations through ReadSettings, the customer file through the
// profile reader, and the pages' marker, header element and field elements. A field element
// with a misspelt id or a second element of the same name is never filled, silently; these
// tests are where such a slip shows.
#include "app/RunState.h"
#include "data/IniFile.h"
#include "data/TextCodec.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace hovlo {
namespace {

const std::string kExamples =
    std::filesystem::weakly_canonical(std::string(HOVLO_FIXTURES_DIR) + "/../../examples")
        .string() +
    "/";

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// The names the support field list can carry: its fixed lines and the keys of the sample
// customer file's address section (copied under their own names).
std::set<std::string> FieldNames() {
    std::set<std::string> names = {
        "Kundennummer",   "Hausnummer",   "Produktname",      "version",
        "dialog_id",      "MemoryGesamt", "MemoryFrei",       "arbeitsspeicher",
        "DesktopX",       "DesktopY",     "DesktopFarbtiefe", "DesktopSize",
        "farbtiefe",      "aufloesung",   "Desktop",          "System",
        "CurrentPrinter", "drucker",      "Printers",         "festplattenspeicher"};
    for (char drive = 'C'; drive <= 'Z'; ++drive) {
        names.insert(std::string("FreeDiskSpace_") + drive);
        names.insert(std::string("DiskSpace_") + drive);
    }
    for (const std::string& key : TIniFile(kExamples + "Vesk.ini").ReadSection("Adresse"))
        names.insert(key);
    return names;
}

// One element of a page: its tag and its id and name attributes.
struct TElement {
    std::string tag, id, name;
};

std::vector<TElement> Elements(const std::string& html) {
    static const std::regex tagPattern(R"(<([a-zA-Z][a-zA-Z0-9]*)\b([^>]*)>)");
    static const std::regex idPattern(R"(\bid="([^"]*)\")");
    static const std::regex namePattern(R"(\bname="([^"]*)\")");
    std::vector<TElement> elements;
    for (auto it = std::sregex_iterator(html.begin(), html.end(), tagPattern);
         it != std::sregex_iterator(); ++it) {
        const std::string attributes = (*it)[2];
        std::smatch id, name;
        TElement element{LowerAscii((*it)[1].str()), "", ""};
        if (std::regex_search(attributes, id, idPattern))
            element.id = id[1];
        if (std::regex_search(attributes, name, namePattern))
            element.name = name[1];
        if (!element.id.empty() || !element.name.empty())
            elements.push_back(element);
    }
    return elements;
}

const std::vector<std::string> kAddressFields = {"Anrede",       "Vorname", "Nachname",
                                                 "Kundennummer", "Telefon", "EMail"};
const std::vector<std::string> kOfflineAddressFields = {"Firma", "Strasse", "Hausnummer",
                                                        "Plz",   "Ort",     "Fax"};
const std::vector<std::string> kProductAndSystemFields = {
    "Produktname", "version", "dialog_id",          "System", "arbeitsspeicher", "aufloesung",
    "farbtiefe",   "drucker", "festplattenspeicher"};

struct TPageCase {
    const char* file;
    bool offlineForm;   // the fax and letter forms carry the whole postal address
    bool headerElement; // the online page keeps the program's default header text
    bool scripts;       // the offline forms and the error page must work without scripts
};

const TPageCase kPages[] = {
    {"Fax.html", true, true, false},
    {"Vorlagen/Fax.html", true, true, false},
    {"Brief.html", true, true, false},
    {"online/support/hits.html", false, false, true},
};

TEST(ExamplePages, FollowThePageConventions) {
    const std::set<std::string> fieldNames = FieldNames();
    static const std::regex copySuffix(R"(^(.*)_copy([0-9]+)$)");
    for (const TPageCase& page : kPages) {
        SCOPED_TRACE(page.file);
        const std::string html = ReadFile(kExamples + page.file);
        ASSERT_FALSE(html.empty());
        EXPECT_TRUE(IsValidUtf8(html));
        EXPECT_NE(html.find(R"(<meta charset="utf-8">)"), std::string::npos);
        EXPECT_NE(html.find(R"(<input type="hidden" id="hovlotoolconfig" value="7">)"),
                  std::string::npos);
        EXPECT_EQ(html.find(R"(id="headertext")") != std::string::npos, page.headerElement);
        EXPECT_EQ(html.find("<script") != std::string::npos, page.scripts);

        // Count the elements that a lookup by id or name would find for each name.
        std::map<std::string, int> found;
        std::set<std::string> ids;
        for (const TElement& element : Elements(html)) {
            if (!element.id.empty()) {
                EXPECT_TRUE(ids.insert(element.id).second)
                    << "second element with id " << element.id;
            }
            std::set<std::string> names = {element.id, element.name};
            names.erase("");
            for (const std::string& name : names) {
                ++found[name];
                std::smatch copy;
                const std::string text = name;
                if (std::regex_match(text, copy, copySuffix)) {
                    EXPECT_TRUE(copy[2] == "1" || copy[2] == "2") << name << " is never filled";
                    EXPECT_TRUE(fieldNames.count(copy[1])) << name << " copies no field";
                }
            }
        }
        std::vector<std::string> required = kAddressFields;
        required.insert(required.end(), kProductAndSystemFields.begin(),
                        kProductAndSystemFields.end());
        if (page.offlineForm)
            required.insert(required.end(), kOfflineAddressFields.begin(),
                            kOfflineAddressFields.end());
        for (const std::string& name : required) {
            EXPECT_TRUE(fieldNames.count(name)) << name << " is no field name";
            EXPECT_EQ(found[name], 1) << "elements for " << name;
        }
        EXPECT_TRUE(found["Kundennummer_copy1"] || found["Produktname_copy1"]) << "no second place";

        // Self-contained: the engine has no internet to fetch from.
        static const std::regex external(R"((src|href)="(https?:)?//|@import|url\()");
        EXPECT_FALSE(std::regex_search(html, external));
    }
}

TEST(ExamplePages, ErrorPageOffersTheOfflineFormsWithoutButtons) {
    const std::string html = ReadFile(kExamples + "Error.html");
    ASSERT_FALSE(html.empty());
    EXPECT_TRUE(IsValidUtf8(html));
    EXPECT_NE(html.find(R"(href="RES:\\FAX")"), std::string::npos);
    EXPECT_NE(html.find(R"(href="RES:\\BRIEF")"), std::string::npos);
    // Without the marker the fill and print buttons stay hidden on this page.
    EXPECT_EQ(html.find("hovlotoolconfig"), std::string::npos);
    EXPECT_EQ(html.find("<script"), std::string::npos);
}

TEST(ExampleInstallation, ConfigurationNamesProductVersionAndTemplates) {
    TRunState state;
    ASSERT_TRUE(
        ReadCommandLine(state, {"-C", kExamples + "Hovlo.cfg", "-DID", "2210", "-FAX"}, "/"));
    state.FExeDir = "/opt/Veskora/Hovlo/";
    std::string caption;
    ASSERT_TRUE(ReadSettings(state, &caption));

    EXPECT_EQ(caption, "Veskora GmbH - Hovlo");
    EXPECT_EQ(state.FProductId, "73");
    EXPECT_EQ(state.FProductName, "Veskora Haushaltsbuch 2027");
    EXPECT_EQ(state.FVersion, "12.0.3.1");
    EXPECT_EQ(state.FUpdateCfg, kExamples + "update.cfg");
    EXPECT_EQ(TIniFile(state.FUpdateCfg).ReadString("UpdateInfo", "Produkt", ""),
              state.FProductName);
    // The product's own fax form beside the configuration; the letter form beside the program.
    EXPECT_EQ(state.FFaxTemplate, kExamples + "Vorlagen/Fax.html");
    EXPECT_TRUE(std::filesystem::is_regular_file(state.FFaxTemplate));
    EXPECT_EQ(state.FLetterTemplate, "/opt/Veskora/Hovlo/Brief.html");
}

TEST(ExampleInstallation, CustomerFileIsWindows1252WithACompleteAddress) {
    const std::string path = kExamples + "Vesk.ini";
    const std::string bytes = ReadFile(path);
    ASSERT_FALSE(bytes.empty());
    EXPECT_FALSE(IsValidUtf8(bytes)) << "the products write this file in Windows-1252";

    const TIniFile ini(path);
    for (const char* key : {"Anrede", "EMail", "Fax", "Hausnr", "KundenNr", "Nachname", "Ort",
                            "Plz", "Strasse", "Telefon", "Vorname"})
        EXPECT_NE(ini.ReadString("Adresse", key, ""), "") << key;
    EXPECT_EQ(ini.ReadString("Adresse", "Strasse", ""), "Äußere Mühlgasse");
    EXPECT_EQ(ini.ReadString("Adresse", "Ort", ""), "Weißenbrück am Öhrsee");
    EXPECT_EQ(ini.ReadSection("Adresse").size(), 12u) << "the eleven keys and one without accessor";
}

} // namespace
} // namespace hovlo
