#include "app/RunState.h"

#include <gtest/gtest.h>

namespace hovlo {
namespace {

struct TCommandLineCase {
    const char* name;
    std::vector<std::string> args;
    bool usable;
    std::string configFile;
    std::string configDir;
    TPageMode mode;
    std::string version;
    std::string dialogId;
    friend void PrintTo(const TCommandLineCase& c, std::ostream* os) { *os << c.name; }
};

class ReadCommandLine : public ::testing::TestWithParam<TCommandLineCase> {};

TEST_P(ReadCommandLine, GivesTheRunState) {
    const auto& c = GetParam();
    TRunState s;
    EXPECT_EQ(hovlo::ReadCommandLine(s, c.args, "/home/kunde/work"), c.usable);
    EXPECT_EQ(s.FConfigFile, c.configFile);
    EXPECT_EQ(s.FConfigDir, c.configDir);
    EXPECT_EQ(s.FPageMode, c.mode);
    EXPECT_EQ(s.FVersion, c.version);
    EXPECT_EQ(s.FDialogId, c.dialogId);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReadCommandLine,
    ::testing::Values(
        TCommandLineCase{"NoArguments", {}, false, "", "", pmOnline, "", ""},
        TCommandLineCase{"TypicalCall",
                         {"-C", "/opt/prod/Dialog.cfg", "-V", "12.0", "-DID", "4711"},
                         true, "/opt/prod/Dialog.cfg", "/opt/prod/", pmOnline, "12.0", "4711"},
        TCommandLineCase{"SevenArgumentsAreRefusedAsAWhole",
                         {"-C", "/opt/prod/Dialog.cfg", "-V", "12.0", "-DID", "4711", "-FAX"},
                         false, "", "", pmOnline, "", ""},
        TCommandLineCase{"LowerCaseOptions", {"-c", "/a/b.cfg", "-fax"}, true, "/a/b.cfg", "/a/",
                         pmFax, "", ""},
        TCommandLineCase{"SlashIsNoOptionPrefix", {"/C", "/a/b.cfg"}, false, "", "", pmOnline, "",
                         ""},
        TCommandLineCase{"RelativeFileIsExpandedAgainstTheCurrentFolder",
                         {"-C", "cfg/../prod/Dialog.cfg"}, true,
                         "/home/kunde/work/prod/Dialog.cfg", "/home/kunde/work/prod/", pmOnline,
                         "", ""},
        TCommandLineCase{"ConfigAsLastArgumentIsEmpty", {"-V", "1", "-C"}, false, "", "/",
                         pmOnline, "1", ""},
        TCommandLineCase{"ValueAfterAnOptionIsExaminedToo", {"-C", "/a/b.cfg", "-V", "-FAX"},
                         true, "/a/b.cfg", "/a/", pmFax, "-FAX", ""},
        TCommandLineCase{"LastModeSwitchWins", {"-C", "/a/b.cfg", "-FAX", "-ONLINE"}, true,
                         "/a/b.cfg", "/a/", pmOnline, "", ""},
        TCommandLineCase{"LetterMode", {"-BRIEF", "-C", "/a/b.cfg"}, true, "/a/b.cfg", "/a/",
                         pmLetter, "", ""},
        TCommandLineCase{"LastConfigWins", {"-C", "/a/one.cfg", "-C", "/b/two.cfg"}, true,
                         "/b/two.cfg", "/b/", pmOnline, "", ""},
        TCommandLineCase{"StrayWordsAreIgnored", {"-X", "hallo", "-C", "/a/b.cfg"}, true,
                         "/a/b.cfg", "/a/", pmOnline, "", ""},
        TCommandLineCase{"BackslashIsNoSeparator", {"-C", "/a/Pfad\\b.cfg"}, true,
                         "/a/Pfad\\b.cfg", "/a/", pmOnline, "", ""},
        TCommandLineCase{"FolderAsConfigKeepsItsSeparator", {"-C", "/a/b/"}, true, "/a/b/",
                         "/a/b/", pmOnline, "", ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ReadCommandLineState, RefusedLineLeavesTheStateAlone) {
    TRunState s;
    s.FVersion = "vorher";
    s.FPageMode = pmLetter;
    EXPECT_FALSE(hovlo::ReadCommandLine(s, {"-V", "1", "-V", "2", "-V", "3", "-FAX"}, "/"));
    EXPECT_EQ(s.FVersion, "vorher");
    EXPECT_EQ(s.FPageMode, pmLetter);
}

TEST(ReadCommandLineState, EmptyConfigValueIsUnusable) {
    TRunState s;
    EXPECT_FALSE(hovlo::ReadCommandLine(s, {"-C", ""}, "/home"));
    EXPECT_TRUE(s.FConfigFile.empty());
}

} // namespace
} // namespace hovlo
