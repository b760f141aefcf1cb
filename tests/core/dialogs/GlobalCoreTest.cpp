// ShellOpen's decisions against a fake shell, the command-line splitting and the folders.
#include "dialogs/GlobalCore.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace hovlo {
namespace {

using ::testing::_;
using ::testing::ElementsAre;
using ::testing::Return;
using ::testing::StrictMock;

class MockShell : public IShell {
public:
    MOCK_METHOD(int, ShellExecute,
                (const std::string&, const std::string&, const std::string&, const std::string&,
                 int),
                (override));
    MOCK_METHOD(int, FindExecutable, (const std::string&, const std::string&), (override));
    MOCK_METHOD(bool, StartProcess, (const std::string&, const std::vector<std::string>&, bool),
                (override));
};

struct Messages {
    std::vector<std::string> shown;
    TInformationMessage callback() {
        return [this](const std::string& text) { shown.push_back(text); };
    }
};

TEST(ShellOpen, EmptyNameDoesNothing) {
    StrictMock<MockShell> shell;
    Messages messages;
    EXPECT_FALSE(ShellOpen("", "/opt/", "x", true, shell, messages.callback()));
    EXPECT_TRUE(messages.shown.empty());
}

TEST(ShellOpen, ProgramInAnyCaseStartsWithWholePathAndSplitParameters) {
    for (const char* name : {"Zinvo.exe", "Zinvo.EXE", "zinvo.Exe"}) {
        SCOPED_TRACE(name);
        StrictMock<MockShell> shell;
        EXPECT_CALL(shell, StartProcess(std::string("/opt/My Files/Veskora/") + name,
                                        ElementsAre("/usr/lib/ho vlo/Update.cfg", "config"), true))
            .WillOnce(Return(true));
        EXPECT_TRUE(ShellOpen(name, "/opt/My Files/Veskora",
                              "\"/usr/lib/ho vlo/Update.cfg\" config", true, shell, nullptr));
    }
}

TEST(ShellOpen, ProgramThatFailsToStartReturnsFalseSilently) {
    StrictMock<MockShell> shell;
    Messages messages;
    EXPECT_CALL(shell, StartProcess("/Zinvo.exe", ElementsAre(), false)).WillOnce(Return(false));
    EXPECT_FALSE(ShellOpen("Zinvo.exe", "", "", false, shell, messages.callback()));
    EXPECT_TRUE(messages.shown.empty());
}

TEST(ShellOpen, DocumentWithRegisteredProgramIsOpenedWithItsFolder) {
    for (const char* name : {"manual.pdf", "setup.exe.txt", "exe"}) {
        SCOPED_TRACE(name);
        StrictMock<MockShell> shell;
        Messages messages;
        EXPECT_CALL(shell, FindExecutable(name, "/docs/")).WillOnce(Return(42));
        EXPECT_CALL(shell, ShellExecute("open", std::string("/docs/") + name, "", "", kShowNormal))
            .WillOnce(Return(42));
        EXPECT_FALSE(ShellOpen(name, "/docs", "ignored", true, shell, messages.callback()));
        EXPECT_TRUE(messages.shown.empty());
    }
}

TEST(ShellOpen, DocumentWithoutProgramShowsTheMessageNamingTheFileOnly) {
    for (int found : {kShellFileNotFound, kShellPathNotFound, kShellNoAssociation, 32}) {
        SCOPED_TRACE(found);
        StrictMock<MockShell> shell;
        Messages messages;
        EXPECT_CALL(shell, FindExecutable("Brief.xyz", "/docs/")).WillOnce(Return(found));
        EXPECT_FALSE(ShellOpen("Brief.xyz", "/docs/", "", false, shell, messages.callback()));
        EXPECT_THAT(messages.shown,
                    ElementsAre("F\u00fcr das angegebene Dokument (Brief.xyz) ist keine "
                                "Verkn\u00fcpfung verf\u00fcgbar. Bitte installieren Sie das "
                                "f\u00fcr diesen Dokumenttyp notwendige Programm."));
    }
}

TEST(ShellOpen, WebAddressInAnyCaseSkipsTheCheckAndTheFolder) {
    for (const char* address : {"https://support.veskora.example/", "HTTP://x.example", "hTtP:"}) {
        SCOPED_TRACE(address);
        StrictMock<MockShell> shell;
        EXPECT_CALL(shell, ShellExecute("open", address, "", "", kShowNormal))
            .WillOnce(Return(kShellNoAssociation)); // the shell's result is not examined
        EXPECT_FALSE(ShellOpen(address, "/docs/", "", false, shell, nullptr));
    }
}

TEST(SplitCommandLine, BlanksSeparateAndQuotesGroup) {
    using V = std::vector<std::string>;
    const std::vector<std::pair<std::string, V>> cases = {
        {"", V{}},
        {"   ", V{}},
        {"a b\tc", V{"a", "b", "c"}},
        {"  a   b  ", V{"a", "b"}},
        {"\"/a b/Update.cfg\" config", V{"/a b/Update.cfg", "config"}},
        {"pre\"fix mid\"post x", V{"prefix midpost", "x"}},
        {"\"\" x", V{"", "x"}},
        {"\"unclosed rest", V{"unclosed rest"}},
    };
    for (const auto& [line, expected] : cases) {
        SCOPED_TRACE(line);
        EXPECT_EQ(SplitCommandLine(line), expected);
    }
}

TEST(Folders, EndInTheSeparatorAndTheProgramFolderHoldsThisProgram) {
    EXPECT_EQ(GetCommonFilesDir(), "/opt/");
    const std::string dir = GetProgramDir();
    ASSERT_FALSE(dir.empty());
    EXPECT_EQ(dir.back(), '/');
    EXPECT_EQ(dir.front(), '/');
    EXPECT_EQ(GetProgramDir(), dir);
    EXPECT_EQ(dir, std::string(HOVLO_BINARY_DIR) + "/tests/");
}

} // namespace
} // namespace hovlo
