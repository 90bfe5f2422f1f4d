// Cutting the receive buffer into messages.

#include "connection/ConnectionState.h"
#include "connection/RecvBuffer.h"
#include "support/ClientTest.h"
#include "support/RecordingWindows.h"
#include "tests/connection/ServerFrames.h"

#include <vector>

namespace {

class RecvBufferTest : public ClientTest {
protected:
    // One batch over whatever the buffer holds.
    void batch()
    {
        CutBatch(windows, [this](const ServerMessage& m) { messages.push_back(m); });
    }

    RecordingWindows windows;
    std::vector<ServerMessage> messages;
};

TEST_F(RecvBufferTest, WholeMessagesGoInOrderAndAnUnfinishedTailWaits)
{
    const QByteArray third = frame('P', {QByteArray("\x0c\x0c\x05", 3)});
    connection().RecvBuffer = frame('c', {"ann", "hi", "0"}) + frame('b', {}) + third.left(3);
    batch();
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0].Command, 'c');
    EXPECT_EQ(messages[0].Fields, (QList<QByteArray>{"ann", "hi", "0"}));
    EXPECT_EQ(messages[1].Command, 'b');
    EXPECT_EQ(connection().RecvBuffer, third.left(3));

    connection().RecvBuffer += third.mid(3);
    batch();
    ASSERT_EQ(messages.size(), 3u);
    EXPECT_EQ(messages[2].Command, 'P');
    EXPECT_EQ(messages[2].Fields, (QList<QByteArray>{QByteArray("\x0c\x0c\x05", 3)}));
    EXPECT_TRUE(connection().RecvBuffer.isEmpty());
    EXPECT_TRUE(windows.calls.isEmpty());
}

TEST_F(RecvBufferTest, OneByteAtATimeGivesTheSameMessageOnce)
{
    const QByteArray bytes = frame('M', {"\x0f" "abc", "two", ""});
    for (char c : bytes) {
        connection().RecvBuffer += c;
        batch();
    }
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].Command, 'M');
    EXPECT_EQ(messages[0].Fields, (QList<QByteArray>{"\x0f" "abc", "two", ""}));
    EXPECT_TRUE(connection().RecvBuffer.isEmpty());
}

TEST_F(RecvBufferTest, EmptyPiecesAreSkippedQuietly)
{
    connection().RecvBuffer = QByteArray("\x01\x01", 2) + frame('S', {}) + "\x01";
    batch();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].Command, 'S');
    EXPECT_TRUE(connection().RecvBuffer.isEmpty());
    EXPECT_TRUE(windows.calls.isEmpty());
}

TEST_F(RecvBufferTest, ShortMessagesKeepTheirHeadAndABlankCommandHasNoSecondByte)
{
    connection().RecvBuffer = QByteArray("\xA6" "b" "\0" "\x01", 4)      // "b" with two fields
                              + QByteArray("\xA6\x01", 2)                 // no command at all
                              + QByteArray("\xA6" "G" "\0" "X" "\x01", 5);  // four bytes: the head goes
    batch();
    ASSERT_EQ(messages.size(), 3u);
    EXPECT_EQ(messages[0].Command, 'b');
    EXPECT_EQ(messages[0].Fields, (QList<QByteArray>{"\xA6" "b", ""}));
    EXPECT_EQ(messages[1].Command, ' ');
    EXPECT_EQ(messages[1].Fields, (QList<QByteArray>{"\xA6"}));
    EXPECT_EQ(messages[2].Command, 'G');
    EXPECT_EQ(messages[2].Fields, (QList<QByteArray>{"X"}));
}

TEST_F(RecvBufferTest, AnUnfinishedTailEndingIn0x02CountsAsWhole)
{
    connection().RecvBuffer = QByteArray("\xA6" "G" "\0" "ab\x02", 6);
    batch();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].Fields, (QList<QByteArray>{"ab"}));
    EXPECT_TRUE(connection().RecvBuffer.isEmpty());
}

TEST_F(RecvBufferTest, AMalformedPieceIsDroppedAndRecordedAndTheStreamGoesOn)
{
    connection().RecvBuffer = QByteArray("junk\x01", 5) + frame('b', {}) + QByteArray("xy\x02", 3);
    batch();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].Command, 'b');
    EXPECT_TRUE(connection().RecvBuffer.isEmpty());
    ASSERT_EQ(windows.callsTo(QStringLiteral("AddToLog")).size(), 2);
    EXPECT_TRUE(windows.calls[0].startsWith(QStringLiteral("AddToLog|frmMain|ProcessData|0|Malformed server message")));

    // Text without a start byte waits until its end byte shows it is junk.
    connection().RecvBuffer = "no start";
    batch();
    EXPECT_EQ(connection().RecvBuffer, QByteArray("no start"));
    connection().RecvBuffer += QByteArray("\x01", 1) + frame('S', {});
    batch();
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[1].Command, 'S');
}

TEST_F(RecvBufferTest, AnUnfinishedMessageOverTheLimitIsDroppedAndTheStreamResynchronises)
{
    connection().RecvBuffer = QByteArray("\xA6" "D" "\0", 3) + QByteArray(recv::kMaxUnfinishedMessage, 'n');
    batch();
    EXPECT_TRUE(connection().RecvBuffer.isEmpty());
    ASSERT_EQ(windows.callsTo(QStringLiteral("AddToLog")).size(), 1);
    EXPECT_TRUE(windows.calls[0].contains(QStringLiteral("over the size limit")));

    // The rest of the long message is junk up to its end byte; the next
    // message is read again.
    connection().RecvBuffer = QByteArray(1000, 'n') + "\x01" + frame('b', {});
    batch();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].Command, 'b');

    // A long message that is still within the limit stays.
    connection().RecvBuffer = QByteArray("\xA6" "D" "\0", 3) + QByteArray(100000, 'n');
    batch();
    EXPECT_EQ(connection().RecvBuffer.size(), 100003);
}

TEST_F(RecvBufferTest, TheKeptTailGoesInFrontOfTextThatArrivedDuringTheBatch)
{
    const QByteArray second = frame('S', {});
    connection().RecvBuffer = frame('b', {}) + second.left(2);
    CutBatch(windows, [&](const ServerMessage& m) {
        messages.push_back(m);
        connection().RecvBuffer += second.mid(2) + frame('U', {});
    });
    EXPECT_EQ(connection().RecvBuffer, second + frame('U', {}));
    batch();
    ASSERT_EQ(messages.size(), 3u);
    EXPECT_EQ(messages[1].Command, 'S');
    EXPECT_EQ(messages[2].Command, 'U');
}

TEST_F(RecvBufferTest, AnExceptionEndsTheBatchAndLosesTheMessagesNotYetHandled)
{
    connection().RecvBuffer = frame('b', {}) + frame('S', {}) + frame('U', {}) + "\xA6";
    int seen = 0;
    EXPECT_THROW(CutBatch(windows,
                          [&](const ServerMessage&) {
                              ++seen;
                              connection().RecvBuffer += "new";
                              if (seen == 2)
                                  Raise(errTypeMismatch);
                          }),
                 RuntimeError);
    EXPECT_EQ(seen, 2);
    // The unfinished tail went back first; the newer text follows it.
    EXPECT_EQ(connection().RecvBuffer, QByteArray("\xA6" "newnew"));
}

TEST_F(RecvBufferTest, AResetDuringTheBatchAlsoEmptiesTheKeptTail)
{
    // A tail of the old connection must not be joined to the next one's stream.
    connection().RecvBuffer = frame('b', {}) + QByteArray("\xA6" "c" "\0" "bo", 5);
    CutBatch(windows, [&](const ServerMessage& m) {
        messages.push_back(m);
        connection().RecvBuffer.clear();  // the world is reset while the message is handled
    });
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(connection().RecvBuffer.isEmpty());
}

TEST_F(RecvBufferTest, AnUnfinishedMessageStaysBoundedWhileNoBatchRuns)
{
    // A batch waiting on a message box takes nothing; the data event goes on.
    AppendReceived(windows, frame('b', {}) + QByteArray("\xA6" "D" "\0", 3));
    const QByteArray chunk(64 * 1024, 'n');
    for (int i = 0; i < 20; ++i)
        AppendReceived(windows, chunk);
    // The long message went once it passed the limit; the whole one before it stays.
    EXPECT_EQ(connection().RecvBuffer, frame('b', {}) + QByteArray(4 * chunk.size(), 'n'));
    const QStringList logged = windows.callsTo(QStringLiteral("AddToLog"));
    ASSERT_EQ(logged.size(), 1);
    EXPECT_TRUE(logged[0].contains(QStringLiteral("over the size limit")));

    // The rest of it is junk up to its end byte; the stream picks up after it.
    AppendReceived(windows, QByteArray("\x01", 1) + frame('S', {}));
    batch();
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0].Command, 'b');
    EXPECT_EQ(messages[1].Command, 'S');
    EXPECT_TRUE(connection().RecvBuffer.isEmpty());

    // While a batch runs, its own unfinished tail counts with the newer text.
    connection().RecvBuffer = frame('U', {}) + QByteArray("\xA6" "D" "\0", 3);
    CutBatch(windows, [&](const ServerMessage& m) {
        messages.push_back(m);
        for (int i = 0; i < 16; ++i)
            AppendReceived(windows, chunk);
    });
    EXPECT_TRUE(connection().RecvBuffer.isEmpty());
    connection().RecvBuffer += QByteArray("nn\x01", 3);
    batch();
    EXPECT_EQ(messages.size(), 3u);  // no message made of the head and what followed the drop
}

} // namespace
