// The alias window: the server's alias texts, the editor and the requests.

#include "UiTest.h"

#include "foundation/frmDebug.h"
#include "platform/Services.h"
#include "ui/frmAlias.h"

#include <QApplication>
#include <QTest>

namespace {
// An alias data text: its sub-code character, then the rest.
QString data(int subCode, const QString& rest) { return QChar(subCode + 5) + rest; }
const QChar kRecord(5);
const QChar kName(6);
const QChar kNul(0);
} // namespace

class AliasWindowTest : public UiTest {
protected:
    frmAlias& alias() { return Forms::get<frmAlias>(); }
    // "name=commands" for every item, in the list's order.
    QStringList listed()
    {
        QStringList items;
        for (int i = 0; i < alias().lvAliases->topLevelItemCount(); ++i) {
            const QTreeWidgetItem* item = alias().lvAliases->topLevelItem(i);
            items.append(item->text(0) + QLatin1Char('=') + frmAlias::ItemCommands(item));
        }
        return items;
    }
    void clickItem(int index)
    {
        QTreeWidget* list = alias().lvAliases;
        const QRect r = list->visualItemRect(list->topLevelItem(index));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, r.center());
    }
};

TEST_F(AliasWindowTest, RepliesFillChangeAndEmptyTheListAndSkipBadRecords)
{
    alias().ProcessAlias(data(0, "a" + QString(kName) + "x" + kRecord + "b" + kName + "y"));
    EXPECT_EQ(listed(), (QStringList{"a=x", "b=y"}));

    // A save replaces a listed alias's commands and lists a new one.
    alias().ProcessAlias(data(1, "a" + QString(kNul) + "z"));
    alias().ProcessAlias(data(1, "c" + QString(kNul) + "w"));
    EXPECT_EQ(listed(), (QStringList{"a=z", "b=y", "c=w"}));

    // "X" is the server refusing; only a name that is exactly "X".
    alias().ProcessAlias(data(1, "X" + QString(kNul) + "jump"));
    EXPECT_EQ(listed(), (QStringList{"a=z", "b=y", "c=w"}));
    ASSERT_EQ(services().messageBoxes.size(), 1u);
    EXPECT_EQ(services().messageBoxes[0].text, QStringLiteral("You do not have enough aliases available to save 'jump'"));
    EXPECT_EQ(services().messageBoxes[0].style, platform::vbInformation);
    EXPECT_EQ(services().messageBoxes[0].title, QStringLiteral("Unable to add"));

    // A removal: digit 0 removes a listed name (an unlisted one is no error),
    // any other digit is the server not finding it.
    alias().ProcessAlias(data(2, "0b"));
    alias().ProcessAlias(data(2, "0nope"));
    alias().ProcessAlias(data(2, "1zz"));
    alias().ProcessAlias(data(7, "ignored"));
    EXPECT_EQ(listed(), (QStringList{"a=z", "c=w"}));
    ASSERT_EQ(services().messageBoxes.size(), 2u);
    EXPECT_EQ(services().messageBoxes[1].text, QStringLiteral("Unable to find alias 'zz' to delete!"));
    EXPECT_EQ(services().messageBoxes[1].title, QStringLiteral("Unable to delete"));

    // Texts that end too early are errors for the caller; the list stays.
    for (const auto& [text, number] : std::vector<std::pair<QString, int>>{
             {QString(), 5}, {data(1, "nocommands"), 9}, {data(2, "x"), 13}, {data(2, ""), 13}}) {
        try {
            alias().ProcessAlias(text);
            ADD_FAILURE() << "no error for " << text.toStdString();
        } catch (const RuntimeError& e) {
            EXPECT_EQ(e.number(), number);
        }
    }
    EXPECT_EQ(listed(), (QStringList{"a=z", "c=w"}));

    // The sub-code alone is an empty list.
    alias().ProcessAlias(data(0, ""));
    EXPECT_TRUE(listed().isEmpty());

    // Malformed records are left out, the rest listed, the damage noted once.
    alias().ParseAlias("a" + QString(kName) + "x" + kRecord + kRecord + "plain" + kRecord + "a" + kName + "again" +
                       kRecord + "b" + kName + "y" + kName + "tail");
    EXPECT_EQ(listed(), (QStringList{"a=x", "b=y"}));
    const QString log = Forms::get<frmDebug>().txtLog->Text();
    EXPECT_EQ(log.count(QStringLiteral("Error #")), 1) << log.toStdString();
    EXPECT_TRUE(log.contains(QStringLiteral("Error #9 Subscript out of range (3 alias records left out) in "
                                            "frmAlias,ParseAlias")))
        << log.toStdString();
}

TEST_F(AliasWindowTest, TheEditorAsksBeforeLoadingAndSendsWhatWasTyped)
{
    alias().Show();
    QApplication::processEvents();
    EXPECT_EQ(sent, (std::vector<SentCommand>{{"a", "0"}}));  // the load asks for the list
    alias().ParseAlias("a" + QString(kName) + "go n\r\nfire" + kRecord + "b" + kName + "y");

    // Nothing selected: no removal.
    QTest::mouseClick(alias().cmdRem, Qt::LeftButton);
    EXPECT_EQ(sent.size(), 1u);

    // Typing marks the editor and names the window.
    QTest::mouseClick(alias().cmdAddNew, Qt::LeftButton);
    EXPECT_EQ(alias().Caption(), QStringLiteral("Alias: New"));
    EXPECT_EQ(QApplication::focusWidget(), alias().txtName);
    QTest::keyClicks(alias().txtName, QStringLiteral("jump"));
    EXPECT_EQ(alias().Caption(), QStringLiteral("Alias: 'jump'"));
    EXPECT_EQ(alias().txtNameTag(), QStringLiteral("no"));
    QTest::keyClicks(alias().rtbCommands, QStringLiteral("n"));
    QTest::keyClick(alias().rtbCommands, Qt::Key_Return);
    QTest::keyClicks(alias().rtbCommands, QStringLiteral("& s"));
    QTest::mouseClick(alias().cmdUpdateAlias, Qt::LeftButton);
    EXPECT_EQ(sent.back(), (SentCommand{"a", "1" + QString(kNul) + "jump" + kNul + "n\r\n& s"}));
    // Enter in the name line is the Refresh button.
    QTest::mouseClick(alias().txtName, Qt::LeftButton);
    QTest::keyClick(alias().txtName, Qt::Key_Return);
    EXPECT_EQ(sent.back(), (SentCommand{"a", "0"}));

    // A saved reply for the alias in the editor lists it with its commands;
    // one for another alias lists it until the next list reply.
    alias().AddNew(QStringLiteral("jump"));
    alias().AddNew(QStringLiteral("other"));
    alias().AddNew(QStringLiteral("b"));
    EXPECT_EQ(listed(), (QStringList{"a=go n\r\nfire", "b=y", "jump=n\r\n& s", "other="}));

    // Loading another alias asks first, and loads it whatever the answer.
    services().messageBoxAnswers = {platform::vbNo};
    clickItem(0);
    ASSERT_EQ(services().messageBoxes.size(), 1u);
    EXPECT_EQ(services().messageBoxes[0].text, QStringLiteral("Save changes to last alias?"));
    EXPECT_EQ(services().messageBoxes[0].style, platform::vbYesNo | platform::vbCritical);
    EXPECT_EQ(alias().txtName->text(), QStringLiteral("a"));
    EXPECT_EQ(alias().rtbCommands->toPlainText(), QStringLiteral("go n\nfire"));
    EXPECT_EQ(alias().EditorCommands(), QStringLiteral("go n\r\nfire"));
    EXPECT_EQ(alias().Caption(), QStringLiteral("Alias: 'a'"));
    EXPECT_EQ(alias().txtNameTag(), QStringLiteral("yes"));
    EXPECT_EQ(sent.size(), 3u);  // nothing saved

    // An unchanged alias is left without a question.
    clickItem(1);
    EXPECT_EQ(services().messageBoxes.size(), 1u);
    EXPECT_EQ(alias().txtName->text(), QStringLiteral("b"));
    QTest::mouseClick(alias().cmdRem, Qt::LeftButton);
    EXPECT_EQ(sent.back(), (SentCommand{"a", "2" + QString(kNul) + "b"}));
    EXPECT_EQ(alias().lvAliases->topLevelItemCount(), 4);  // the server's reply removes it

    QTest::mouseClick(alias().cmdExit, Qt::LeftButton);
    EXPECT_FALSE(Forms::isLoaded<frmAlias>());
}
