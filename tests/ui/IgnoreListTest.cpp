// The ignore list: the window, its file and the ignore test.

#include "UiTest.h"

#include "foundation/SettingsState.h"
#include "foundation/frmDebug.h"
#include "support/ListClicks.h"
#include "support/OrdinaryUser.h"
#include "ui/frmChat.h"
#include "ui/frmIgnore.h"
#include "ui/frmMain.h"

#include <QApplication>
#include <QDir>
#include <QTest>
#include <QTreeWidget>

class IgnoreListTest : public UiTest {
protected:
    void SetUp() override
    {
        UiTest::SetUp();
        settings().DatPath = programFolder() + QStringLiteral("/Dat/");
    }
    frmIgnore& ignore() { return Forms::get<frmIgnore>(); }
    QByteArray file() const { return readFile(QStringLiteral("Dat/Ignore.Dat")); }
    void setOnline(const QStringList& names)
    {
        chat().WhoList->clear();
        for (const QString& n : names)
            chat().WhoList->addTopLevelItem(new QTreeWidgetItem(QStringList{n}));
    }
    void pickOnline(const QString& name) { ClickListItem(ignore().lstOnline, name); }
    QString log() { return Forms::get<frmDebug>().txtLog->Text(); }
};

TEST_F(IgnoreListTest, ChangesKeepTheListSortedAndRewriteTheFile)
{
    ignore().Show();
    setOnline({QStringLiteral("Cy"), QStringLiteral("al_1"), QStringLiteral("Bob Two")});
    QTest::mouseClick(ignore().cmdUpdate, Qt::LeftButton);
    EXPECT_EQ(ignore().lstOnline->count(), 3);

    QTest::mouseClick(ignore().cmdAdd, Qt::LeftButton);  // nothing picked: nothing added
    EXPECT_TRUE(file().isEmpty());
    for (const char* name : {"Cy", "al_1", "Bob Two"}) {
        pickOnline(QString::fromLatin1(name));
        QTest::mouseClick(ignore().cmdAdd, Qt::LeftButton);
    }
    QString through = QStringLiteral("dee_dee");
    ignore().IgnoreAdd(through);
    EXPECT_EQ(through, QStringLiteral("dee dee"));
    EXPECT_EQ(ignore().Names(), (QStringList{"al_1", "Bob Two", "Cy", "dee dee"}));
    EXPECT_EQ(file(), QByteArray(" 4 \r\nal_1\r\nBob Two\r\nCy\r\ndee dee\r\n"));

    // A name already listed is not added again and the file is not touched.
    writeFile(QStringLiteral("Dat/Ignore.Dat"), "untouched");
    pickOnline(QStringLiteral("Cy"));
    QTest::mouseClick(ignore().cmdAdd, Qt::LeftButton);
    EXPECT_EQ(file(), QByteArray("untouched"));

    // An empty user list keeps the names picked from before.
    setOnline({});
    ignore().cmdUpdate_Click();
    EXPECT_EQ(ignore().lstOnline->count(), 3);

    // Remove takes every selected name, and nothing without a current one.
    QListWidget* list = ignore().lstIgnored;
    list->setCurrentRow(-1);
    list->clearSelection();
    ignore().cmdRem_Click();
    EXPECT_EQ(file(), QByteArray("untouched"));
    list->setCurrentRow(0);  // current and selected
    list->item(1)->setSelected(true);
    list->item(3)->setSelected(true);
    QTest::mouseClick(ignore().cmdRem, Qt::LeftButton);
    EXPECT_EQ(ignore().Names(), QStringList{"Cy"});
    EXPECT_EQ(file(), QByteArray(" 1 \r\nCy\r\n"));

    // Done hides the window, which keeps its list; a fresh load reads it back.
    QTest::mouseClick(ignore().cmdDone, Qt::LeftButton);
    EXPECT_TRUE(Forms::isLoaded<frmIgnore>());
    EXPECT_FALSE(ignore().Visible());
    Forms::unload<frmIgnore>();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(ignore().Names(), QStringList{"Cy"});
    ignore().cmdClear->click();
    EXPECT_EQ(file(), QByteArray(" 0 \r\n"));
}

TEST_F(IgnoreListTest, DamagedFilesAndMissingFoldersLoseNoNames)
{
    // A count larger than the names: the names there are, and a note.
    writeFile(QStringLiteral("Dat/Ignore.Dat"), " 5 \r\nzed\r\nann\r\n");
    EXPECT_EQ(ignore().Names(), (QStringList{"ann", "zed"}));
    EXPECT_TRUE(log().contains(QStringLiteral("Error #62 Ignore.Dat holds 2 of the 5 names it counts in "
                                              "frmIgnore,LoadIgnoreList")))
        << log().toStdString();
    Forms::unload<frmIgnore>();
    EXPECT_EQ(file(), QByteArray(" 2 \r\nann\r\nzed\r\n"));

    // No count at all: every line is a name.
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    writeFile(QStringLiteral("Dat/Ignore.Dat"), "bob\nann\n\n");
    EXPECT_EQ(ignore().Names(), (QStringList{"ann", "bob"}));
    EXPECT_TRUE(log().contains(QStringLiteral("Error #13 Ignore.Dat does not start with the count")));
    Forms::unload<frmIgnore>();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    // A missing Dat folder is made at the first save.
    QDir(programFolder() + QStringLiteral("/Dat")).removeRecursively();
    QString name = QStringLiteral("cy");
    ignore().IgnoreAdd(name);
    EXPECT_EQ(file(), QByteArray(" 1 \r\ncy\r\n"));

    // A file that cannot be written is noted and the list is kept, even when
    // the window gets the focus again.
    settings().DatPath = programFolder() + QStringLiteral("/Dat/Ignore.Dat/");
    name = QStringLiteral("dee");
    ignore().IgnoreAdd(name);
    EXPECT_TRUE(log().contains(QStringLiteral("Error #75 Cannot write"))) << log().toStdString();
    ignore().Form_GotFocus();
    EXPECT_EQ(ignore().Names(), (QStringList{"cy", "dee"}));
}

TEST_F(IgnoreListTest, AFileThatCannotBeReadIsNotWrittenOverAndItsNamesJoinTheListOnceItCanBe)
{
    writeFile(QStringLiteral("Dat/Ignore.Dat"), " 2 \r\nann\r\nbob\r\n");
    const QString path = programFolder() + QStringLiteral("/Dat/Ignore.Dat");
    OrdinaryUser::setMode(programFolder(), 0755);
    OrdinaryUser::setMode(programFolder() + QStringLiteral("/Dat"), 0777);
    OrdinaryUser::setMode(path, 0222);
    setOnline({QStringLiteral("cy"), QStringLiteral("dee")});
    {
        const OrdinaryUser player;
        if (!player.ok())
            GTEST_SKIP() << "cannot act as an ordinary user here";
        game().mnuIgnoreList->trigger();
        QApplication::setActiveWindow(&ignore());
        EXPECT_TRUE(ignore().Names().isEmpty());
        QTest::mouseClick(ignore().cmdUpdate, Qt::LeftButton);
        pickOnline(QStringLiteral("cy"));
        QTest::mouseClick(ignore().cmdAdd, Qt::LeftButton);
        activate();  // the ignore window loses the focus
    }
    EXPECT_EQ(file(), QByteArray(" 2 \r\nann\r\nbob\r\n"));
    EXPECT_TRUE(log().contains(QStringLiteral("Error #75 Cannot read ") + path +
                               QStringLiteral(", so the list is not written over it")))
        << log().toStdString();

    OrdinaryUser::setMode(path, 0666);
    QApplication::setActiveWindow(&ignore());
    pickOnline(QStringLiteral("dee"));
    QTest::mouseClick(ignore().cmdAdd, Qt::LeftButton);
    EXPECT_EQ(ignore().Names(), (QStringList{"ann", "bob", "cy", "dee"}));
    EXPECT_EQ(file(), QByteArray(" 4 \r\nann\r\nbob\r\ncy\r\ndee\r\n"));
}
