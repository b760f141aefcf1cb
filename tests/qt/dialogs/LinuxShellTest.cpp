// The Linux shell against the real machine: a program with blanks in its path started and waited
// for, and documents opened through a default application registered in a private XDG setup.
#include "platform/LinuxShell.h"
#include "dialogs/GlobalCore.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace hovlo::platform {
namespace {

void WriteExecutable(const QString& path, const QByteArray& script) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(script);
    file.close();
    file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

QStringList ReadLines(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts);
}

TEST(LinuxShell, StartsProgramWithBlanksInItsPathAndWaitsForItsEnd) {
    QTemporaryDir temp;
    ASSERT_TRUE(QDir(temp.path()).mkpath("a b"));
    const QString folder = temp.path() + "/a b";
    // Sleeps first, so a return before its end would find no file.
    WriteExecutable(
        folder + "/prog x.exe",
        "#!/bin/sh\nsleep 0.3\nprintf '%s\\n' \"$@\" > \"$(dirname \"$0\")/args.txt\"\n");

    bool paintedMeanwhile = false;
    QTimer::singleShot(0, [&] { paintedMeanwhile = true; });
    TLinuxShell shell;
    EXPECT_TRUE(ShellOpen("prog x.exe", folder.toStdString(),
                          "\"/usr/lib/ho vlo/Update.cfg\" config", true, shell, nullptr));
    EXPECT_EQ(ReadLines(folder + "/args.txt"),
              (QStringList{"/usr/lib/ho vlo/Update.cfg", "config"}));
    EXPECT_TRUE(paintedMeanwhile); // the wait kept the event loop turning
}

TEST(LinuxShell, MissingProgramReturnsAtOnce) {
    QTemporaryDir temp;
    TLinuxShell shell;
    EXPECT_FALSE(shell.StartProcess((temp.path() + "/Zinvo.exe").toStdString(), {"config"}, true));
    EXPECT_FALSE(shell.StartProcess((temp.path() + "/Zinvo.exe").toStdString(), {}, false));
}

// A private desktop: one application, registered as the default for plain text, that writes
// the file it was given into opened.txt.
class LinuxShellDesktop : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(temp.isValid());
        const QString root = temp.path();
        QDir(root).mkpath("data/applications");
        QDir(root).mkpath("config");
        WriteExecutable(root + "/opener.sh", "#!/bin/sh\nprintf '%s\\n' \"$1\" > \"" +
                                                 root.toUtf8() + "/opened.txt\"\n");
        QFile desktop(root + "/data/applications/hovlo-test-opener.desktop");
        ASSERT_TRUE(desktop.open(QIODevice::WriteOnly));
        desktop.write("[Desktop Entry]\nType=Application\nName=Opener\nExec=" + root.toUtf8() +
                      "/opener.sh %f\nMimeType=text/plain;\n");
        desktop.close();
        QFile mimeapps(root + "/config/mimeapps.list");
        ASSERT_TRUE(mimeapps.open(QIODevice::WriteOnly));
        mimeapps.write("[Default Applications]\ntext/plain=hovlo-test-opener.desktop\n");
        mimeapps.close();
        // GIO reads these once per process; each test runs in a process of its own.
        qputenv("XDG_DATA_HOME", (root + "/data").toUtf8());
        qputenv("XDG_CONFIG_HOME", (root + "/config").toUtf8());
        QDir(root).mkpath("docs");
        QFile note(root + "/docs/note.txt");
        ASSERT_TRUE(note.open(QIODevice::WriteOnly));
        note.write("hello\n");
        note.close();
        QFile blob(root + "/docs/blob.hovlo-unknown");
        ASSERT_TRUE(blob.open(QIODevice::WriteOnly));
        blob.write(QByteArray("\x00\x01\x02\xff\xfe", 5));
        blob.close();
    }

    QTemporaryDir temp;
    TLinuxShell shell;
};

TEST_F(LinuxShellDesktop, OpensDocumentWithItsDefaultApplicationRelativeToTheFolder) {
    const std::string docs = (temp.path() + "/docs").toStdString();
    EXPECT_GT(shell.FindExecutable("note.txt", docs), 32);
    EXPECT_GT(shell.ShellExecute("open", "note.txt", "", docs, kShowNormal), 32);
    const QString opened = temp.path() + "/opened.txt";
    EXPECT_TRUE(QTest::qWaitFor([&] { return !ReadLines(opened).isEmpty(); }, 5000));
    EXPECT_EQ(ReadLines(opened), QStringList{temp.path() + "/docs/note.txt"});
}

TEST_F(LinuxShellDesktop, MapsFailuresToTheShellCodes) {
    const std::string root = temp.path().toStdString();
    struct Case {
        std::string verb;
        std::string file;
        int expected;
    };
    const std::vector<Case> cases = {
        {"open", root + "/docs/missing.txt", kShellFileNotFound},
        {"open", root + "/nofolder/note.txt", kShellPathNotFound},
        {"open", root + "/docs/blob.hovlo-unknown", kShellNoAssociation},
        {"open", "hovlo-unknown-scheme:thing", kShellNoAssociation},
        {"print", root + "/docs/note.txt", kShellNoAssociation},
        {"open", "", kShellFileNotFound},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        EXPECT_EQ(shell.ShellExecute(c.verb, c.file, "", "", kShowNormal), c.expected);
        if (c.verb == "open") {
            EXPECT_EQ(shell.FindExecutable(c.file, ""), c.expected);
        }
    }
    EXPECT_FALSE(QFile::exists(temp.path() + "/opened.txt"));
}

} // namespace
} // namespace hovlo::platform
