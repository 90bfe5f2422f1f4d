#include "connection/Frame.h"
#include "connection/Scramble.h"
#include "foundation/Ansi.h"
#include "foundation/RuntimeError.h"
#include "support/FakeGameServer.h"

#include <gtest/gtest.h>

TEST(Frame, FramesAndCleansTheText)
{
    EXPECT_EQ(BuildFrame(QStringLiteral("w"), QString()), BytesOf({0xA6, 0x77, 0x00, 0x00, 0x01}));
    // NUL, 0x01, 0x02 and the broken bar go; everything else stays in order.
    const QString text = QStringLiteral("1") + QChar(0) + QStringLiteral("name") + QChar(0) + QChar(1) +
                         QStringLiteral("cmd") + QChar(2) + QChar(0xA6) + QStringLiteral("s");
    EXPECT_EQ(BuildFrame(QStringLiteral("a"), text), Bytes("\xA6" "a\0" "1namecmds\0\x01"));
    // Text leaves in the code page, one byte per character.
    EXPECT_EQ(BuildFrame(QStringLiteral("C"), QStringLiteral("€é")), BytesOf({0xA6, 'C', 0, 0x80, 0xE9, 0, 1}));
}

TEST(Frame, LoginFrameKeepsItsFieldsAsTyped)
{
    EXPECT_EQ(VersionText(), QStringLiteral("105"));
    EXPECT_EQ(BuildLoginFrame(QStringLiteral("ann"), QStringLiteral("pw"), QStringLiteral("105")),
              Bytes("\xA6!\0ann\0pw\0" "105\0\x01"));
    // Unlike Server, nothing is removed from the fields.
    EXPECT_EQ(BuildLoginFrame(QStringLiteral("a") + QChar(0xA6), QString(), QStringLiteral("1")),
              Bytes("\xA6!\0a\xA6\0\0" "1\0\x01"));
}

TEST(Frame, SmallNumbersAreValuePlusFive)
{
    // The viewport (0, 149), 15 across, 11 down.
    const QString viewport = QString(SmallNumber(0)) + SmallNumber(149) + SmallNumber(15) + SmallNumber(11);
    EXPECT_EQ(ToAnsi(viewport), BytesOf({0x05, 0x9A, 0x14, 0x10}));
    EXPECT_EQ(BuildFrame(QStringLiteral("M"), viewport), BytesOf({0xA6, 'M', 0, 0x05, 0x9A, 0x14, 0x10, 0, 1}));
    for (int v = -5; v <= 250; ++v) {
        EXPECT_EQ(SmallNumberValue(SmallNumber(v)), v);
        EXPECT_EQ(SmallNumberValue(QString(SmallNumber(v)) + QStringLiteral("x")), v);
        EXPECT_EQ(SmallNumberValue(ToAnsi(QString(SmallNumber(v)))), v);
    }
    EXPECT_THROW(SmallNumber(251), RuntimeError);
    EXPECT_THROW(SmallNumber(-6), RuntimeError);
    try {
        SmallNumberValue(QString());
        FAIL() << "an empty field has no number";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.number(), errInvalidProcedureCall);
    }
    EXPECT_THROW(SmallNumberValue(QByteArray()), RuntimeError);
}

TEST(ScrambleText, ReversesAndTransformsEachCode)
{
    const QString abc = ScrambleText(QStringLiteral("abc"), 1);
    ASSERT_EQ(abc.size(), 3);
    EXPECT_EQ(AnsiCode(abc.at(0)), 201);
    EXPECT_EQ(AnsiCode(abc.at(1)), 199);
    EXPECT_EQ(AnsiCode(abc.at(2)), 197);
    EXPECT_EQ(ScrambleText(abc, 0), QStringLiteral("abc"));
    EXPECT_EQ(ScrambleText(QString(), 1), QString());
    // Any other non-zero mode scrambles too.
    EXPECT_EQ(ScrambleText(QStringLiteral("abc"), -1), abc);

    // Every code from 0 to 126 survives the round trip.
    QString all;
    for (int c = 0; c <= 126; ++c)
        all.append(QChar(c));
    const QString scrambled = ScrambleText(all, 1);
    ASSERT_EQ(scrambled.size(), all.size());
    EXPECT_EQ(ScrambleText(scrambled, 0), all);
    // Code 126 becomes 255; the high codes pass through the code page (0x80-0x9F).
    EXPECT_EQ(AnsiCode(scrambled.at(0)), 255);
    EXPECT_EQ(AnsiCode(ScrambleText(QStringLiteral("?"), 1).at(0)), 0x81);
}

TEST(ScrambleText, AnyFailingCharacterEmptiesTheResult)
{
    // Scrambling: 2c + 3 above 255 for codes from 127 on ("é" is 233, "€" is 128).
    EXPECT_EQ(ScrambleText(QStringLiteral("pass") + QChar(127), 1), QString());
    EXPECT_EQ(ScrambleText(QStringLiteral("paßword"), 1), QString());
    EXPECT_EQ(ScrambleText(QStringLiteral("€uro"), 1), QString());
    // Unscrambling: codes 0 and 1 would give a negative code.
    EXPECT_EQ(ScrambleText(QStringLiteral("ab") + QChar(1), 0), QString());
    EXPECT_EQ(ScrambleText(QString(QChar(0)) + QStringLiteral("ab"), 0), QString());
    // Code 2 gives -0.5, which rounds to 0; halves go to the even number.
    EXPECT_EQ(ScrambleText(QString(QChar(2)), 0), QString(QChar(0)));
    EXPECT_EQ(ScrambleText(QString(QChar(6)), 0), QString(QChar(2)));   // 1.5 -> 2
    EXPECT_EQ(ScrambleText(QString(QChar(8)), 0), QString(QChar(2)));   // 2.5 -> 2
    EXPECT_EQ(ScrambleText(QString(QChar(10)), 0), QString(QChar(4)));  // 3.5 -> 4
}
