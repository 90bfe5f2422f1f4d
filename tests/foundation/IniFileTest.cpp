#include "foundation/IniFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
class IniFileTest : public ::testing::Test {
protected:
    QString path() const { return dir.path() + QStringLiteral("/DesignData.Dat"); }
    void write(const QByteArray& bytes)
    {
        QFile f(path());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    QByteArray read() const
    {
        QFile f(path());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    QTemporaryDir dir;
};
} // namespace

TEST_F(IniFileTest, ReadsLikeTheProfileReader)
{
    EXPECT_EQ(ReadINI(path(), QStringLiteral("INIT"), QStringLiteral("NumberButtons")), QString());

    write("; made by hand\r\n"
          "[Other]\r\n"
          "NumberButtons=99\r\n"
          "\r\n"
          "  [ init ]  \r\n"
          "  numberbuttons  =  17   \r\n"
          "Quoted=\"a b \"\r\n"
          "Empty=\n"
          "NoEquals\n"
          "[INIT]\r\n"
          "NumberButtons=18\r\n");
    // Names in any letter case; the first matching section and key count.
    EXPECT_EQ(ReadINI(path(), QStringLiteral("INIT"), QStringLiteral("NumberButtons")), QStringLiteral("17"));
    EXPECT_EQ(ReadINI(path(), QStringLiteral("other"), QStringLiteral("NUMBERBUTTONS")), QStringLiteral("99"));
    EXPECT_EQ(ReadINI(path(), QStringLiteral("INIT"), QStringLiteral("Quoted")), QStringLiteral("a b "));
    EXPECT_EQ(ReadINI(path(), QStringLiteral("INIT"), QStringLiteral("Empty")), QString());
    EXPECT_EQ(ReadINI(path(), QStringLiteral("INIT"), QStringLiteral("NoEquals")), QString());
    EXPECT_EQ(ReadINI(path(), QStringLiteral("Missing"), QStringLiteral("NumberButtons")), QString());
    EXPECT_EQ(ReadINI(path(), QStringLiteral("Other"), QStringLiteral("Empty")), QString());

    write("[INIT]\nLong=" + QByteArray(6000, 'x') + "\n");
    EXPECT_EQ(ReadINI(path(), QStringLiteral("INIT"), QStringLiteral("Long")).size(), 4999);
}

TEST_F(IniFileTest, WriteCreatesFileSectionAndKeyAndKeepsTheRest)
{
    ASSERT_TRUE(WriteINI(path(), QStringLiteral("INIT"), QStringLiteral("NumberButtons"), QStringLiteral("17")));
    EXPECT_EQ(read(), QByteArray("[INIT]\r\nNumberButtons=17\r\n"));
    EXPECT_EQ(ReadINI(path(), QStringLiteral("INIT"), QStringLiteral("NumberButtons")), QStringLiteral("17"));

    write("; comment\r\n[init]\r\nnumberbuttons = 14\r\nOther=1\r\n\r\n[Next]\r\nA=2\r\n");
    ASSERT_TRUE(WriteINI(path(), QStringLiteral("INIT"), QStringLiteral("NumberButtons"), QStringLiteral("20")));
    EXPECT_EQ(read(), QByteArray("; comment\r\n[init]\r\nNumberButtons=20\r\nOther=1\r\n\r\n[Next]\r\nA=2\r\n"));

    // A new key goes to the end of its section, a new section to the end.
    ASSERT_TRUE(WriteINI(path(), QStringLiteral("INIT"), QStringLiteral("New"), QStringLiteral("x")));
    ASSERT_TRUE(WriteINI(path(), QStringLiteral("Last"), QStringLiteral("B"), QStringLiteral("caf\u00e9")));
    EXPECT_EQ(read(), QByteArray("; comment\r\n[init]\r\nNumberButtons=20\r\nOther=1\r\nNew=x\r\n\r\n[Next]\r\nA=2\r\n"
                                 "[Last]\r\nB=caf\xe9\r\n"));
    EXPECT_EQ(ReadINI(path(), QStringLiteral("last"), QStringLiteral("b")), QStringLiteral("caf\u00e9"));
    EXPECT_EQ(ReadINI(path(), QStringLiteral("Next"), QStringLiteral("A")), QStringLiteral("2"));

    // A folder that does not exist cannot take the file.
    EXPECT_FALSE(WriteINI(dir.path() + QStringLiteral("/no/such.ini"), QStringLiteral("S"), QStringLiteral("K"),
                          QStringLiteral("V")));
}
