// The small text utilities, conversions, the code page, chat logs and sounds.

#include "foundation/Ansi.h"
#include "foundation/ChatLog.h"
#include "foundation/Convert.h"
#include "foundation/RuntimeError.h"
#include "foundation/SettingsState.h"
#include "foundation/Sound.h"
#include "foundation/Utilities.h"
#include "support/ClientTest.h"

#include <QFile>

namespace {
QString chars(std::initializer_list<int> codes)
{
    QString s;
    for (int c : codes)
        s.append(AnsiChar(static_cast<unsigned char>(c)));
    return s;
}
} // namespace

TEST(StripBadChars, RemovesControlAndHighCodesKeepsTheRestInOrder)
{
    EXPECT_EQ(StripBadChars(QStringLiteral("a\tb\nc")), QStringLiteral("abc"));
    const QString printable = QStringLiteral("Hello, World! 0-9 ~`{}|");
    EXPECT_EQ(StripBadChars(printable), printable);
    // 26 to 31 and 127 to 137 stay; 0 to 25 and 138 to 255 go.
    EXPECT_EQ(StripBadChars(chars({0, 25, 26, 31, 127, 128, 137, 138, 200, 255, 'x'})),
              chars({26, 31, 127, 128, 137, 'x'}));
    // A character the code page has no byte for is not among the removed ones.
    EXPECT_EQ(StripBadChars(QString(QChar(0x4E2D))), QString(QChar(0x4E2D)));
}

TEST(StrEqual, LengthFirstThenExactOrCaseInsensitive)
{
    EXPECT_FALSE(StrEqual(QStringLiteral("Abc"), QStringLiteral("abc"), 0));
    EXPECT_TRUE(StrEqual(QStringLiteral("Abc"), QStringLiteral("abc"), 1));
    EXPECT_TRUE(StrEqual(QStringLiteral("abc"), QStringLiteral("abc"), 0));
    EXPECT_FALSE(StrEqual(QStringLiteral("abc"), QStringLiteral("abcd"), 1));
    EXPECT_FALSE(StrEqual(QStringLiteral("ab"), QStringLiteral("abab"), 0));
    EXPECT_TRUE(StrEqual(QString(), QString(), 0));
}

TEST(CollapseRepeats, SingleCharacterRuns)
{
    EXPECT_EQ(CollapseRepeats(QStringLiteral("a   b"), QStringLiteral(" "), false), QStringLiteral("a b"));
    EXPECT_EQ(CollapseRepeats(QStringLiteral("  a  b  "), QStringLiteral(" "), false), QStringLiteral(" a b "));
    EXPECT_EQ(CollapseRepeats(QString(), QStringLiteral(" "), false), QString());
    EXPECT_EQ(CollapseRepeats(QStringLiteral("abc"), QString(), false), QStringLiteral("abc"));
    // Letter case counts unless ignored.
    EXPECT_EQ(CollapseRepeats(QStringLiteral("xAaAy"), QStringLiteral("a"), false), QStringLiteral("xAaAy"));
    EXPECT_EQ(CollapseRepeats(QStringLiteral("xAaAy"), QStringLiteral("a"), true), QStringLiteral("xAy"));
    // Each character is reduced to its low byte.
    EXPECT_EQ(CollapseRepeats(QString(QChar(0x20AC)), QStringLiteral(" "), false), QString(QChar(0xAC)));
}

TEST(CollapseRepeats, LongerPatterns)
{
    EXPECT_EQ(CollapseRepeats(QStringLiteral("ababab!"), QStringLiteral("ab"), false), QStringLiteral("ab!"));
    EXPECT_EQ(CollapseRepeats(QStringLiteral("abAB"), QStringLiteral("ab"), true), QStringLiteral("ab"));
    EXPECT_EQ(CollapseRepeats(QStringLiteral("abAB"), QStringLiteral("ab"), false), QStringLiteral("abAB"));
    // A broken occurrence starts the count again.
    EXPECT_EQ(CollapseRepeats(QStringLiteral("abaab"), QStringLiteral("ab"), false), QStringLiteral("abaab"));
    EXPECT_EQ(CollapseRepeats(QStringLiteral("xyzxyzxyz"), QStringLiteral("xyz"), false), QStringLiteral("xyz"));
}

TEST(SplitStr, PiecesBetweenDelimiters)
{
    EXPECT_EQ(SplitStr(QStringLiteral("a;b"), QStringLiteral(";")), (QStringList{QStringLiteral("a"), QStringLiteral("b")}));
    EXPECT_EQ(SplitStr(QStringLiteral("ab"), QStringLiteral(";")), QStringList{QStringLiteral("ab")});
    EXPECT_EQ(SplitStr(QStringLiteral("a;"), QStringLiteral(";")), (QStringList{QStringLiteral("a"), QString()}));
    EXPECT_EQ(SplitStr(QStringLiteral("a;;b"), QStringLiteral(";")),
              (QStringList{QStringLiteral("a"), QString(), QStringLiteral("b")}));
    EXPECT_EQ(SplitStr(QString(), QStringLiteral(";")), QStringList{QString()});
    EXPECT_EQ(SplitStr(QStringLiteral("a;b"), QString()), QStringList{QStringLiteral("a;b")});
    EXPECT_EQ(SplitStr(QStringLiteral("a::b::c"), QStringLiteral("::")).size(), 3);
    EXPECT_EQ(PassFirstArg(150, 150), 150);
}

TEST(Conversions, RoundingHalvesToEvenAndStrictText)
{
    EXPECT_EQ(CInt(2.5), 2);
    EXPECT_EQ(CInt(3.5), 4);
    EXPECT_EQ(CInt(-2.5), -2);
    EXPECT_EQ(CLng(145.5), 146);
    EXPECT_EQ(CLng(QStringLiteral(" 12.7 ")), 13);
    EXPECT_EQ(Fix(-12.7), -12);
    EXPECT_EQ(Int(-12.2), -13);
    EXPECT_THROW(CInt(40000.0), RuntimeError);
    EXPECT_THROW(CByte(256.0), RuntimeError);
    try {
        CDbl(QStringLiteral("abc"));
        FAIL();
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.number(), 13);
        EXPECT_EQ(e.description(), QStringLiteral("Type mismatch"));
    }
    EXPECT_THROW(CDbl(QString()), RuntimeError);
    EXPECT_EQ(CDbl(QStringLiteral("&H10")), 16);
    // Plain digits, at and past the length that converts exactly, and digits
    // with anything else in them.
    EXPECT_EQ(CDbl(QStringLiteral("007")), 7);
    EXPECT_EQ(CDbl(QStringLiteral("999999999999999")), 999999999999999.0);
    EXPECT_EQ(CDbl(QStringLiteral("12345678901234567890")), 12345678901234567890.0);
    EXPECT_EQ(CDbl(QStringLiteral(" 42")), 42);
    EXPECT_EQ(CDbl(QStringLiteral("1e3")), 1000);
    EXPECT_THROW(CDbl(QStringLiteral("4 2")), RuntimeError);
    EXPECT_THROW(CDbl(QStringLiteral("\u0664\u0662")), RuntimeError);
    EXPECT_TRUE(CBool(QStringLiteral("true")));
    EXPECT_FALSE(CBool(QStringLiteral("FALSE")));
    EXPECT_TRUE(CBool(QStringLiteral("-1")));
    EXPECT_FALSE(CBool(QStringLiteral("0")));
    EXPECT_THROW(CBool(QStringLiteral("yes")), RuntimeError);
    EXPECT_EQ(Val(QStringLiteral("12abc")), 12);
    EXPECT_EQ(Val(QStringLiteral("abc")), 0);
    EXPECT_EQ(Val(QStringLiteral(" 1 2.5x")), 12.5);
    EXPECT_EQ(Val(QStringLiteral("-3e2")), -300);
    EXPECT_EQ(Val(QStringLiteral("&HFF")), 255);
}

TEST(Ansi, EveryByteRoundTripsAndUnknownCharactersBecomeQuestionMarks)
{
    QByteArray all(256, '\0');
    for (int i = 0; i < 256; ++i)
        all[i] = static_cast<char>(i);
    EXPECT_EQ(ToAnsi(FromAnsi(all)), all);
    EXPECT_EQ(FromAnsi(QByteArray("\x80", 1)), QString(QChar(0x20AC)));
    EXPECT_EQ(AnsiCode(QChar(0x00A6)), 0xA6);
    EXPECT_EQ(AnsiCode(QChar(0x0160)), 0x8A);
    EXPECT_EQ(ToAnsi(QString(QChar(0x4E2D))), QByteArray("?"));
}

class ChatLogTest : public ClientTest {};

TEST_F(ChatLogTest, AppendsDatedLinesToTheLogOfItsKind)
{
    WriteLog(QStringLiteral("first"), 0);
    WriteLog(QStringLiteral("second \xE9"), 0);
    WriteLog(QStringLiteral("chatter"), 1);
    WriteLog(QStringLiteral("other"), 7);
    const QByteArray all = readFile(QStringLiteral("AllLogs.log"));
    const QList<QByteArray> lines = all.split('\n');
    ASSERT_EQ(lines.size(), 3);  // two lines and the empty rest after the last line feed
    EXPECT_TRUE(lines[0].endsWith(":\tfirst\r"));
    EXPECT_TRUE(lines[1].endsWith(":\tsecond \xE9\r"));
    EXPECT_TRUE(lines[0].startsWith(ToAnsi(CurrentDateText() + QLatin1Char(' '))));
    EXPECT_TRUE(readFile(QStringLiteral("ChatterLog.log")).endsWith(":\tchatter\r\n"));
    EXPECT_TRUE(readFile(QStringLiteral("Others.log")).endsWith(":\tother\r\n"));
}

TEST_F(ChatLogTest, AnUnwritableLogRaises)
{
    QFile::remove(programFolder() + QStringLiteral("/AllLogs.log"));
    QDir().mkpath(programFolder() + QStringLiteral("/AllLogs.log"));  // a folder where the file should be
    EXPECT_THROW(WriteLog(QStringLiteral("x"), 0), RuntimeError);
}

TEST_F(ChatLogTest, SoundsPlayByTableOnlyWhileSoundIsOn)
{
    settings().GraphicsPath = QStringLiteral("/g/");
    settings().SoundOn = false;
    PlaySound(0, 2);
    PlaySound(3, 0);
    EXPECT_TRUE(services().soundFiles.isEmpty());
    EXPECT_TRUE(services().soundAliases.isEmpty());

    settings().SoundOn = true;
    PlaySound(0, 2);
    PlaySound(0, 14);
    PlaySound(0, 7);   // no file of its own: the folder, which plays the default sound
    PlaySound(0, 16);  // nothing
    PlaySound(10, 0);  // nothing
    PlaySound(-1, 0);  // nothing
    PlaySound(1, 99);
    PlaySound(9, 0);
    EXPECT_EQ(services().soundFiles,
              (QStringList{QStringLiteral("/g/fire.wav"), QStringLiteral("/g/Thunder.wav"), QStringLiteral("/g/")}));
    EXPECT_EQ(services().soundAliases, (QStringList{QStringLiteral("SystemStart"), QStringLiteral("SystemHand")}));
}
