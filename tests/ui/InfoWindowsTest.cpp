#include "UiTest.h"

#include "foundation/SettingsState.h"
#include "ui/frmAbout.h"
#include "ui/frmBasic.h"
#include "ui/frmCmd.h"
#include "ui/frmMain.h"
#include "ui/frmStats.h"

#include <QTest>

using InfoWindowsTest = UiTest;

TEST_F(InfoWindowsTest, TheAboutBoxShowsItsPictureAndClosesFromItsButton)
{
    installAssets();
    settings().GraphicsPath = programFolder() + QStringLiteral("/Graphics/");
    game().mnuHelpAbout->trigger();
    frmAbout& about = Forms::get<frmAbout>();
    EXPECT_FALSE(about.picAbout->pixmap().isNull());
    QTest::mouseClick(about.cmdClose, Qt::LeftButton);
    EXPECT_FALSE(Forms::isLoaded<frmAbout>());
}

TEST_F(InfoWindowsTest, StatisticsAndInstructionsUnloadAndTheCommandListOnlyHides)
{
    frmStats& stats = Forms::get<frmStats>();
    EXPECT_EQ(stats.lblStats->text(), QStringLiteral("Downloading Please Wait..."));
    QTest::mouseClick(stats.ZephButton1, Qt::LeftButton);
    EXPECT_FALSE(Forms::isLoaded<frmStats>());
    QTest::mouseClick(Forms::get<frmBasic>().Command1, Qt::LeftButton);
    EXPECT_FALSE(Forms::isLoaded<frmBasic>());

    game().mnuCmdLst->trigger();
    Forms::get<frmCmd>().CmdList->setPlainText(QStringLiteral("/who"));
    QTest::mouseClick(Forms::get<frmCmd>().Command1, Qt::LeftButton);
    ASSERT_TRUE(Forms::isLoaded<frmCmd>());
    EXPECT_FALSE(Forms::get<frmCmd>().Visible());
    game().mnuCommandList->trigger();
    EXPECT_TRUE(Forms::get<frmCmd>().Visible());
    EXPECT_EQ(Forms::get<frmCmd>().CmdList->toPlainText(), QStringLiteral("/who"));
}
