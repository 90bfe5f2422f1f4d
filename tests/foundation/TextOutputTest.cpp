#include "foundation/Controls.h"
#include "foundation/MenuState.h"
#include "foundation/RichTextLinks.h"
#include "foundation/SettingsState.h"
#include "foundation/ShellOpen.h"
#include "foundation/TextOutput.h"
#include "support/ClientTest.h"

#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFragment>
#include <vector>

namespace {

struct Fragment {
    QString text;
    quint32 colour = 0;
    bool underline = false;
    bool bold = false;
    bool italic = false;
    QString family;
    double size = 0;
};

// The runs of one format in the box, line by line (a "|" stands for each
// line break).
std::vector<Fragment> fragments(const RichTextBox& box)
{
    std::vector<Fragment> out;
    for (QTextBlock b = box.document()->begin(); b.isValid(); b = b.next()) {
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextFragment f = it.fragment();
            const QTextCharFormat cf = f.charFormat();
            const QColor c = cf.foreground().color();
            const QStringList families = cf.fontFamilies().toStringList();
            out.push_back({f.text(), RGB(c.red(), c.green(), c.blue()), cf.fontUnderline(),
                           cf.fontWeight() == QFont::Bold, cf.fontItalic(), families.value(0), cf.fontPointSize()});
        }
        if (b.next().isValid()) {
            Fragment lineBreak;
            lineBreak.text = QStringLiteral("|");
            out.push_back(lineBreak);
        }
    }
    return out;
}

class TextOutputTest : public ClientTest {
protected:
    void SetUp() override
    {
        ClientTest::SetUp();
        Settings& s = settings();
        s.FontType = QStringLiteral("Verdana");
        s.FontType2 = QStringLiteral("Arial");
        s.FontSize = 10;
        RtbSavedValue = 0;
        box = std::make_unique<RichTextBox>();
    }
    void TearDown() override
    {
        box.reset();
        ClientTest::TearDown();
    }
    std::unique_ptr<RichTextBox> box;
};

constexpr quint32 kGiven = RGB(10, 20, 30);

} // namespace

TEST_F(TextOutputTest, LinkInTheMiddleIsBlueUnderlinedAndTheRestTakesTheChatFont)
{
    AddText(QStringLiteral("see http://quelvar.net/x now!"), *box, kGiven, true, false, false);
    const auto f = fragments(*box);
    ASSERT_EQ(f.size(), 4u);
    EXPECT_EQ(f[0].text, QStringLiteral("see "));
    EXPECT_EQ(f[0].colour, kGiven);
    EXPECT_FALSE(f[0].underline);
    EXPECT_TRUE(f[0].family.isEmpty());  // the box's own font: the chat font is set after the links
    EXPECT_EQ(f[1].text, QStringLiteral("http://quelvar.net/x"));
    EXPECT_EQ(f[1].colour, RGB(0, 0, 255));
    EXPECT_TRUE(f[1].underline);
    EXPECT_TRUE(f[1].family.isEmpty());
    EXPECT_EQ(f[2].text, QStringLiteral(" now!"));
    EXPECT_EQ(f[2].colour, kGiven);
    EXPECT_FALSE(f[2].underline);
    EXPECT_FALSE(f[2].bold);
    EXPECT_EQ(f[2].family, QStringLiteral("Verdana"));
    EXPECT_EQ(f[2].size, 10.0);
    EXPECT_EQ(f[3].text, QStringLiteral("|"));
    EXPECT_EQ(box->Text(), QStringLiteral("see http://quelvar.net/x now!\n"));
    EXPECT_EQ(box->document()->blockCount(), 2);

    // Two links in one piece; the text before the second keeps the font the
    // box writes in now (the chat font of the line before).
    AddText(QStringLiteral("a http://one b http://two c"), *box, kGiven, true, false, false);
    const auto g = fragments(*box);
    ASSERT_EQ(g.size(), 10u);
    EXPECT_EQ(g[4].text, QStringLiteral("a "));
    EXPECT_EQ(g[4].family, QStringLiteral("Verdana"));
    EXPECT_EQ(g[5].text, QStringLiteral("http://one"));
    EXPECT_TRUE(g[5].underline);
    EXPECT_EQ(g[6].text, QStringLiteral(" b "));
    EXPECT_EQ(g[7].text, QStringLiteral("http://two"));
    EXPECT_EQ(g[8].text, QStringLiteral(" c"));
}

TEST_F(TextOutputTest, LinkAtTheEndAlwaysEndsTheLineAndCapitalsAreLinks)
{
    AddText(QStringLiteral("go HTTP://Quelvar.NET/c"), *box, kGiven, false, true, false);
    const auto f = fragments(*box);
    ASSERT_EQ(f.size(), 4u);
    EXPECT_EQ(f[0].text, QStringLiteral("go "));
    EXPECT_FALSE(f[0].bold);  // bold is for the plain rest only
    EXPECT_EQ(f[1].text, QStringLiteral("HTTP://Quelvar.NET/c"));
    EXPECT_TRUE(f[1].underline);
    EXPECT_EQ(f[1].colour, RGB(0, 0, 255));
    EXPECT_EQ(f[2].text, QStringLiteral(" "));
    EXPECT_FALSE(f[2].underline);
    EXPECT_EQ(f[2].colour, kGiven);
    EXPECT_EQ(f[3].text, QStringLiteral("|"));

    AddText(QStringLiteral("next"), *box, kGiven, false, false, false);
    EXPECT_EQ(box->Text(), QStringLiteral("go HTTP://Quelvar.NET/c \nnext"));

    // "http:/" alone is no link.
    AddText(QStringLiteral(" http:/x"), *box, kGiven, true, false, false);
    EXPECT_EQ(box->Text(), QStringLiteral("go HTTP://Quelvar.NET/c \nnext http:/x\n"));
    EXPECT_FALSE(fragments(*box).at(4).underline);
}

TEST_F(TextOutputTest, EmptyTextNameAndMessageBoldFontsAndItalic)
{
    AddText(QString(), *box, 0, false, false, false);
    EXPECT_EQ(box->Text(), QString());
    AddText(QString(), *box, 0, true, false, false);
    EXPECT_EQ(box->Text(), QStringLiteral("\n"));
    EXPECT_EQ(box->document()->blockCount(), 2);

    box->clear();
    settings().Italic = true;
    AddText(QStringLiteral("Bob: "), *box, RGB(0, 0, 128), false, true, false);
    AddText(QStringLiteral("hi there"), *box, RGB(64, 64, 192), true, false, true);
    auto f = fragments(*box);
    ASSERT_EQ(f.size(), 3u);
    EXPECT_EQ(f[0].text, QStringLiteral("Bob: "));
    EXPECT_TRUE(f[0].bold);
    EXPECT_EQ(f[0].family, QStringLiteral("Verdana"));
    EXPECT_TRUE(f[0].italic);
    EXPECT_EQ(f[0].colour, RGB(0, 0, 128));
    EXPECT_EQ(f[1].text, QStringLiteral("hi there"));
    EXPECT_FALSE(f[1].bold);
    EXPECT_EQ(f[1].family, QStringLiteral("Arial"));
    EXPECT_EQ(f[1].colour, RGB(64, 64, 192));
    EXPECT_EQ(box->Text(), QStringLiteral("Bob: hi there\n"));

    // Nothing switches italic off again; the size follows the setting.
    settings().Italic = false;
    settings().FontSize = 14;
    AddText(QStringLiteral("later"), *box, 0, true, false, false);
    f = fragments(*box);
    EXPECT_EQ(f[3].text, QStringLiteral("later"));
    EXPECT_TRUE(f[3].italic);
    EXPECT_EQ(f[3].size, 14.0);
    EXPECT_EQ(f[3].colour, 0u);
}

TEST_F(TextOutputTest, LanguageFilterOnlyWhenCheckedAndOnlyAfterTheLastLink)
{
    AddText(QStringLiteral("damn it"), *box, 0, true, false, false);
    optionMenus().mnuOptionLangFilter.setChecked(true);
    AddText(QStringLiteral("damn http://damn.example damn"), *box, 0, true, false, false);
    AddText(QStringLiteral("Shit"), *box, 0, true, false, false);
    EXPECT_EQ(box->Text(), QStringLiteral("damn it\ndamn http://damn.example d***\nS***\n"));
}

TEST_F(TextOutputTest, ScrollLockKeepsTheViewAndOffScrollsToTheEnd)
{
    box->resize(300, 120);
    box->show();
    for (int i = 0; i < 60; ++i)
        AddText(QStringLiteral("line %1").arg(i), *box, 0, true, false, false);
    QScrollBar* bar = box->verticalScrollBar();
    ASSERT_GT(bar->maximum(), 0);
    EXPECT_EQ(bar->value(), bar->maximum());
    const int savedEnd = box->document()->characterCount() - 1;
    EXPECT_EQ(RtbSavedValue, savedEnd - 1 - 7);  // where "line 59" went in

    // The user scrolls up and locks scrolling: new lines do not move the view.
    bar->setValue(bar->maximum() / 3);
    const int kept = bar->value();
    optionMenus().mnuOptionsScroll.setChecked(true);
    for (int i = 0; i < 30; ++i)
        AddText(QStringLiteral("more %1").arg(i), *box, 0, true, false, false);
    EXPECT_EQ(bar->value(), kept);
    EXPECT_EQ(RtbSavedValue, savedEnd - 8);  // unchanged while locked
    EXPECT_EQ(box->textCursor().position(), RtbSavedValue);

    // Unlocked, the next line scrolls to the end.
    optionMenus().mnuOptionsScroll.setChecked(false);
    AddText(QStringLiteral("last"), *box, 0, true, false, false);
    EXPECT_EQ(bar->value(), bar->maximum());
    EXPECT_EQ(box->textCursor().position(), box->document()->characterCount() - 1);
}

TEST_F(TextOutputTest, LinkUnderThePointerGivesTheHandAndTheAddress)
{
    box->resize(400, 200);
    box->show();
    AddText(QStringLiteral("see http://quelvar.net/x now"), *box, 0, true, false, false);
    RichTextBox scratch;
    // x, y in twips relative to the box, at the insertion point before a character.
    auto at = [&](int position) {
        QTextCursor c(box->document());
        c.setPosition(position);
        const QRect r = box->cursorRect(c);
        const QPoint p = box->viewport()->mapTo(box.get(), QPoint(r.left(), r.center().y()));
        return std::pair<float, float>(p.x() * 15.0f, p.y() * 15.0f);
    };

    const auto [lx, ly] = at(12);  // inside "http://quelvar.net/x"
    RTBLinkHover(*box, scratch, 0, 0, lx, ly);
    EXPECT_EQ(box->viewport()->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(RTBLinkClick(*box, scratch, 1, 0, lx, ly), QStringLiteral("http://quelvar.net/x"));
    EXPECT_EQ(RTBLinkClick(*box, scratch, 2, 0, lx, ly), QString());

    const auto [px, py] = at(2);  // inside "see"
    RTBLinkHover(*box, scratch, 0, 0, px, py);
    EXPECT_EQ(box->viewport()->cursor().shape(), Qt::IBeamCursor);
    EXPECT_EQ(RTBLinkClick(*box, scratch, 1, 0, px, py), QString());
    EXPECT_TRUE(box->textCursor().atEnd());  // the visible selection did not move
}

TEST_F(TextOutputTest, ShellOpenPassesEveryArgumentAsText)
{
    ShellOpen(QStringLiteral("Open"), QStringLiteral("http://quelvar.net"), QString(), 0, 1);
    ShellOpen(QStringLiteral("Open"), 0, 0, 0, 1);
    EXPECT_EQ(services().shellFiles, QStringList({QStringLiteral("http://quelvar.net"), QStringLiteral("0")}));
}
