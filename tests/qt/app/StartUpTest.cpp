#include "app/frmMain.h"
#include "core/support/TempDir.h"
#include "platform/Application.h"

#include <QApplication>
#include <gtest/gtest.h>

namespace hovlo {
namespace {

TEST(StartUp, UsableConfigurationGivesTheConfiguredCaptionAndRunState) {
    test::TTempDir dir;
    const std::string cfg = dir.Write("Dialog.cfg", "[Setting]\nDialogname=Haushaltsbuch - Hilfe\n"
                                                    "PID=3\nProdukt=Haushaltsbuch\n");
    TFormMain form(QStringList{QStringLiteral("hovlo"), QStringLiteral("-c"),
                               QString::fromStdString(cfg), QStringLiteral("-Fax"),
                               QStringLiteral("-DID"), QStringLiteral("77")});
    EXPECT_FALSE(platform::Terminated());
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Haushaltsbuch - Hilfe"));
    EXPECT_EQ(form.RunState().FProductId, "95");
    EXPECT_EQ(form.RunState().FPageMode, pmFax);
    EXPECT_EQ(form.RunState().FDialogId, "77");
    EXPECT_EQ(form.RunState().FExeDir, QCoreApplication::applicationDirPath().toStdString() + "/");
}

} // namespace
} // namespace hovlo
