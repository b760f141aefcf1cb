// The your-data dialog's field texts: address joins, the probe groups in order and a failing
// group that ends alone.
#include "dialogs/KundendatenFields.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <stdexcept>

namespace hovlo {
namespace {

TEST(KundendatenFields, StreetAlwaysKeepsOneBlank) {
    EXPECT_EQ(StreetText("Heidestr.", "17"), "Heidestr. 17");
    EXPECT_EQ(StreetText("Heidestr.", ""), "Heidestr. ");
    EXPECT_EQ(StreetText("", "17"), " 17");
    EXPECT_EQ(StreetText("", ""), " ");
}

TEST(KundendatenFields, TownJoinsWithHyphenOnlyWhenBothArePresent) {
    EXPECT_EQ(TownText("51147", "K\u00f6ln"), "51147 - K\u00f6ln");
    EXPECT_EQ(TownText("51147", ""), "51147");
    EXPECT_EQ(TownText("", "K\u00f6ln"), "K\u00f6ln");
    EXPECT_EQ(TownText("", ""), "");
}

// Measures a fixed machine; each group can be made to fail.
class FakeProbe : public ISystemProbe {
public:
    bool failMemory = false;
    bool failScreen = false;
    bool noPrinter = false;
    bool failVersion = false;
    std::int64_t diskFree = 3LL << 30;
    std::int64_t diskSize = 100LL << 30;

    TMemoryStatus MemoryStatus() override {
        if (failMemory)
            throw std::runtime_error("memory");
        return {8ULL << 30, (3ULL << 29) + (1 << 19)}; // 1536.5 MB rounds to the even 1536
    }
    int ScreenWidth() override {
        if (failScreen)
            throw std::runtime_error("screen");
        return 1920;
    }
    int ScreenHeight() override { return 1080; }
    int ColorDepth() override { return 24; }
    std::optional<std::string> VersionText() override {
        if (failVersion)
            return std::nullopt;
        return "Debian GNU/Linux 12";
    }
    std::vector<std::string> Printers() override { return {"Laser"}; }
    std::string CurrentPrinter() override {
        if (noPrinter)
            throw EPrinter();
        return "Laser";
    }
    std::int64_t DiskFree(int drive) override { return drive == 3 ? diskFree : -1; }
    std::int64_t DiskSize(int drive) override { return drive == 3 ? diskSize : -1; }
};

class KundendatenFill : public ::testing::Test {
protected:
    void SetUp() override {
        folder = std::filesystem::temp_directory_path() /
                 ("hovlo-kd-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(folder);
        SetProfileFolderResolver([this] { return folder.string(); });
    }
    void TearDown() override {
        SetProfileFolderResolver(nullptr);
        std::filesystem::remove_all(folder);
    }
    void WriteCustomer(const std::string& body) {
        std::ofstream(folder / kCustomerFileName) << "[Adresse]\n" << body;
    }
    // Fills into `fields`, recording the order in which fields were written.
    void Fill() {
        order.clear();
        FillKundendaten(customer, probe, [this](const char* name, const std::string& text) {
            fields[name] = text;
            order.push_back(name);
        });
    }

    std::filesystem::path folder;
    TVeskIni customer;
    FakeProbe probe;
    std::map<std::string, std::string> fields;
    std::vector<std::string> order;
};

TEST_F(KundendatenFill, WritesEveryFieldInTheDialogsOrder) {
    WriteCustomer("Anrede=Herr\nVorname=Max\nNachname=Muster\nStrasse=Weg\nHausnr=1a\n"
                  "KundenNr=42\nPlz=12345\nOrt=Musterstadt\nTelefon=0123\nFax=0124\n"
                  "EMail=max@example.org\n");
    Fill();
    const std::map<std::string, std::string> expected = {
        {"dfAnrede", "Herr"},
        {"dfVorname", "Max"},
        {"dfNachname", "Muster"},
        {"dfStrasse", "Weg 1a"},
        {"dfKundennummer", "42"},
        {"dfOrt", "12345 - Musterstadt"},
        {"dfTelefon", "0123"},
        {"dfFax", "0124"},
        {"dfEMail", "max@example.org"},
        {"dfSpeicherGesamt", "8192 MB"},
        {"dfSpeicherFrei", "1536 MB"},
        {"dfDesktop", "1920 x 1080 x 24"},
        {"dfBetriebssystem", "Debian GNU/Linux 12"},
        {"dfDrucker", "Laser"},
        {"dfFestplatteFrei", "3072 MB"},
        {"dfFestplatte", "102400 MB"},
    };
    EXPECT_EQ(fields, expected);
    EXPECT_EQ(order, (std::vector<std::string>{"dfAnrede", "dfVorname", "dfNachname", "dfStrasse",
                                               "dfKundennummer", "dfOrt", "dfTelefon", "dfFax",
                                               "dfEMail", "dfSpeicherGesamt", "dfSpeicherFrei",
                                               "dfDesktop", "dfBetriebssystem", "dfDrucker",
                                               "dfFestplatteFrei", "dfFestplatte"}));
}

TEST_F(KundendatenFill, MissingCustomerFileGivesEmptyFieldsAndALoneBlank) {
    Fill();
    EXPECT_EQ(fields["dfAnrede"], "");
    EXPECT_EQ(fields["dfStrasse"], " ");
    EXPECT_EQ(fields["dfOrt"], "");
    EXPECT_EQ(fields["dfDrucker"], "Laser"); // the machine is measured all the same
}

TEST_F(KundendatenFill, FailingGroupLeavesItsFieldsAndTheRestGoesOn) {
    Fill();
    probe.failMemory = true;
    probe.failScreen = true;
    probe.noPrinter = true;
    probe.failVersion = true;
    probe.diskFree = -1; // an unreadable drive is no failure: it counts 0
    probe.diskSize = -1;
    fields["dfSpeicherGesamt"] = "previous";
    fields["dfDesktop"] = "previous";
    fields["dfDrucker"] = "previous";
    Fill();
    EXPECT_EQ(fields["dfSpeicherGesamt"], "previous");
    EXPECT_EQ(fields["dfDesktop"], "previous");
    EXPECT_EQ(fields["dfDrucker"], "previous");
    EXPECT_EQ(fields["dfBetriebssystem"], "Fehler bei der Ermittlung der Windows-Version");
    EXPECT_EQ(fields["dfFestplatteFrei"], "0 MB");
    EXPECT_EQ(fields["dfFestplatte"], "0 MB");
}

} // namespace
} // namespace hovlo
