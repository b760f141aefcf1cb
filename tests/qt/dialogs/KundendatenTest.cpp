// The your-data dialog as a window: the fixture customer file and a fake probe show in the
// fields, a second showing reads both anew, and pbOk is the only way in and out.
#include "controls/VeskButton.h"
#include "controls/VeskEdit.h"
#include "data/IniFile.h"
#include "data/SystemProbe.h"
#include "dialogs/frmKundendaten.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace hovlo {
namespace {

class FakeProbe : public ISystemProbe {
public:
    bool noPrinter = false;
    std::uint64_t total = 4ULL << 30;

    TMemoryStatus MemoryStatus() override { return {total, 1ULL << 30}; }
    int ScreenWidth() override { return 1280; }
    int ScreenHeight() override { return 800; }
    int ColorDepth() override { return 24; }
    std::optional<std::string> VersionText() override {
        return "Debian GNU/Linux 12 (bookworm) (Kernel 6.1.0)";
    }
    std::vector<std::string> Printers() override { return {"Buero"}; }
    std::string CurrentPrinter() override {
        if (noPrinter)
            throw EPrinter();
        return "Buero";
    }
    std::int64_t DiskFree(int) override { return 20LL << 30; }
    std::int64_t DiskSize(int) override { return 50LL << 30; }
};

class KundendatenDialog : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(
            QFile::copy(HOVLO_FIXTURES_DIR "/dialogs/Vesk.ini", folder.path() + "/Vesk.ini"));
        const std::string path = folder.path().toStdString();
        SetProfileFolderResolver([path] { return path; });
        SetSystemProbe(&probe);
    }
    void TearDown() override {
        SetSystemProbe(nullptr);
        SetProfileFolderResolver(nullptr);
    }
    QString Text(const char* field) const {
        TVeskEdit* edit = dialog.Field(QString::fromLatin1(field));
        return edit ? edit->text() : QStringLiteral("<no field>");
    }
    void ShowAndHide() {
        dialog.show();
        dialog.hide();
    }

    QTemporaryDir folder;
    FakeProbe probe;
    TFormKundendaten dialog;
};

TEST_F(KundendatenDialog, ShowsCustomerFileAndMachineAtEachShowing) {
    probe.noPrinter = true; // a machine without a default printer
    ShowAndHide();
    const std::vector<std::pair<const char*, QString>> first = {
        {"dfAnrede", "Frau"},
        {"dfVorname", "Erika"},
        {"dfNachname", "Mustermann"},
        {"dfStrasse", QString::fromUtf8("Heidestra\u00dfe 17")},
        {"dfKundennummer", "4711-0815"},
        {"dfOrt", QString::fromUtf8("51147 - K\u00f6ln")},
        {"dfTelefon", "02203 123456"},
        {"dfFax", "02203 123457"},
        {"dfEMail", "erika.mustermann@example.org"},
        {"dfSpeicherGesamt", "4096 MB"},
        {"dfSpeicherFrei", "1024 MB"},
        {"dfDesktop", "1280 x 800 x 24"},
        {"dfBetriebssystem", "Debian GNU/Linux 12 (bookworm) (Kernel 6.1.0)"},
        {"dfDrucker", ""},
        {"dfFestplatteFrei", "20480 MB"},
        {"dfFestplatte", "51200 MB"},
    };
    for (const auto& [field, text] : first)
        EXPECT_EQ(Text(field), text) << field;

    // The customer moves and the machine changes while the program runs.
    QFile file(folder.path() + "/Vesk.ini");
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write("[Adresse]\nAnrede=Frau\nStrasse=Am Markt\nOrt=Bonn\n");
    file.close();
    probe.noPrinter = false;
    probe.total = 16ULL << 30;
    ShowAndHide();
    EXPECT_EQ(Text("dfStrasse"), QStringLiteral("Am Markt "));
    EXPECT_EQ(Text("dfOrt"), QStringLiteral("Bonn"));
    EXPECT_EQ(Text("dfVorname"), QString());
    EXPECT_EQ(Text("dfSpeicherGesamt"), QStringLiteral("16384 MB"));
    EXPECT_EQ(Text("dfDrucker"), QStringLiteral("Buero"));

    // A failing printer query later keeps the printer shown before.
    probe.noPrinter = true;
    ShowAndHide();
    EXPECT_EQ(Text("dfDrucker"), QStringLiteral("Buero"));
}

TEST_F(KundendatenDialog, HasTheStoredSizeAndPbOkAsItsOnlyTabStop) {
    EXPECT_EQ(dialog.size(), QSize(514, 399));
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Ihre Daten"));
    int tabStops = 0;
    for (QWidget* child : dialog.findChildren<QWidget*>())
        if (child->focusPolicy() & Qt::TabFocus)
            ++tabStops;
    EXPECT_EQ(tabStops, 1);
    auto* ok = dialog.findChild<TVeskButton*>(QStringLiteral("pbOk"));
    ASSERT_NE(ok, nullptr);
    EXPECT_TRUE(ok->focusPolicy() & Qt::TabFocus);
    EXPECT_EQ(dialog.Field("dfStrasse")->geometry(), QRect(96, 80, 392, 21));
    EXPECT_EQ(dialog.Field("dfFax")->geometry(), QRect(338, 136, 150, 21));
    EXPECT_TRUE(dialog.Field("dfAnrede")->isReadOnly());
}

TEST_F(KundendatenDialog, EnterAndEscapeCloseIt) {
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
        SCOPED_TRACE(key);
        QTimer::singleShot(0, &dialog, [&] {
            EXPECT_TRUE(QTest::qWaitForWindowExposed(&dialog));
            QWidget* target = dialog.focusWidget() ? dialog.focusWidget() : &dialog;
            EXPECT_EQ(target, dialog.findChild<TVeskButton*>(QStringLiteral("pbOk")));
            QTest::keyClick(target, key);
            // Escape presses the button the way a click looks, which takes a moment.
            if (!QTest::qWaitFor([&] { return !dialog.isVisible(); }, 2000)) {
                ADD_FAILURE() << "still open";
                dialog.done(0);
            }
        });
        EXPECT_EQ(dialog.exec(), 1);
    }
}

} // namespace
} // namespace hovlo
