// The files the windows keep: written whole where the folder takes a new
// file, and in place where only the file itself may be written.

#include "UiTest.h"

#include "foundation/SettingsState.h"
#include "foundation/frmDebug.h"
#include "support/ListClicks.h"
#include "support/OrdinaryUser.h"
#include "ui/frmBack.h"
#include "ui/frmChat.h"
#include "ui/frmIgnore.h"
#include "ui/frmMain.h"
#include "ui/frmOptions.h"
#include "ui/frmSound.h"

#include <QApplication>
#include <QTest>
#include <QTreeWidget>

using DataFilesTest = UiTest;

TEST_F(DataFilesTest, EachFileIsWrittenInPlaceWhereItsFolderTakesNoNewFile)
{
    settings().DatPath = programFolder() + QStringLiteral("/Dat/");
    writeFile(QStringLiteral("Dat/Ignore.Dat"), " 0 \r\n");
    writeFile(QStringLiteral("Dat/PlayList.lst"), "");
    writeFile(QStringLiteral("DesignData.Dat"), "[INIT]\r\nNumberButtons=14\r\n");
    for (const char* file : {"Dat/Ignore.Dat", "Dat/PlayList.lst", "DesignData.Dat"})
        OrdinaryUser::setMode(programFolder() + QLatin1Char('/') + QLatin1String(file), 0666);
    OrdinaryUser::setMode(programFolder() + QStringLiteral("/Dat"), 0555);
    OrdinaryUser::setMode(programFolder(), 0555);
    chat().WhoList->addTopLevelItem(new QTreeWidgetItem(QStringList{QStringLiteral("Cy")}));
    {
        const OrdinaryUser player;
        if (!player.ok())
            GTEST_SKIP() << "cannot act as an ordinary user here";
        game().mnuIgnoreList->trigger();
        frmIgnore& ignore = Forms::get<frmIgnore>();
        QTest::mouseClick(ignore.cmdUpdate, Qt::LeftButton);
        ClickListItem(ignore.lstOnline, QStringLiteral("Cy"));
        QTest::mouseClick(ignore.cmdAdd, Qt::LeftButton);

        game().mnuOptionsSound->trigger();
        frmSound& sound = Forms::get<frmSound>();
        services().fileDialogAnswers.push_back(QStringLiteral("/songs/rain.mp3"));
        QTest::mouseClick(sound.cmdAdd, Qt::LeftButton);
        QTest::mouseClick(sound.cmdDone, Qt::LeftButton);

        game().mnuOptionsGeneral->trigger();
        frmOptions& options = Forms::get<frmOptions>();
        options.cmbButtons->setFocus();
        QTest::keyClick(options.cmbButtons, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(options.cmbButtons, QStringLiteral("17"));
        QTest::mouseClick(options.Command1, Qt::LeftButton);
    }
    OrdinaryUser::setMode(programFolder(), 0755);
    EXPECT_EQ(readFile(QStringLiteral("Dat/Ignore.Dat")), QByteArray(" 1 \r\nCy\r\n"));
    EXPECT_EQ(readFile(QStringLiteral("Dat/PlayList.lst")), QByteArray("\"/songs/rain.mp3\"\r\n"));
    EXPECT_EQ(readFile(QStringLiteral("DesignData.Dat")), QByteArray("[INIT]\r\nNumberButtons=17\r\n"));
    EXPECT_FALSE(Forms::isLoaded<frmDebug>()) << Forms::get<frmDebug>().txtLog->Text().toStdString();
}
