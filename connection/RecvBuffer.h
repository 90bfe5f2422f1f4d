#pragma once
// Cutting the receive buffer into the server's messages.
//
// A server message on the wire is 0xA6, the command character, 0x00, the
// fields joined by 0x00, and the end byte 0x01. A batch takes everything the
// buffer holds, cuts it at the end bytes into pieces and hands every whole
// piece, in arrival order, to its caller; an unfinished tail goes back to the
// front of the buffer, ahead of anything that arrived while the batch ran.

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <functional>

class ClientWindows;

namespace recv {
constexpr char kStartByte = '\xA6';
constexpr char kEndByte = '\x01';
// Marks a piece that an end byte followed.
constexpr char kEndMark = '\x02';
constexpr char kSeparator = '\0';
// An unfinished message longer than this is dropped: no well-formed message
// comes near it, and keeping it would let the buffer grow without end.
constexpr qsizetype kMaxUnfinishedMessage = 1024 * 1024;
} // namespace recv

// One message of the server, as wire bytes.
struct ServerMessage {
    // The second byte; a blank when the message has none.
    char Command = ' ';
    // The fields, numbered from 0; n separators give n + 1 fields.
    QList<QByteArray> Fields;
};

// Reads a whole message from its bytes without the end mark. A message of
// three bytes or fewer keeps its head: 0xA6 "G" 0x00 gives the fields
// 0xA6 "G" and an empty one.
ServerMessage ReadServerMessage(QByteArrayView message);

// The game socket's data event: appends the bytes to connection().RecvBuffer.
// An unfinished message at the end that grows past the limit is dropped and
// recorded (also while a batch runs and waits on a message box); the stream
// picks up again at the next piece that starts with 0xA6.
void AppendReceived(ClientWindows& windows, const QByteArray& bytes);

// One batch over connection().RecvBuffer: every whole message goes to
// onMessage in order. The unfinished tail goes back into the buffer before
// the first message is handled. A piece that ends with the end mark but does
// not start with 0xA6, and an unfinished message above the limit, are
// dropped and recorded with AddToLog; the stream picks up again at the next
// piece that starts with 0xA6. An exception from onMessage ends the batch:
// the messages not yet handled are lost, the buffer keeps what it holds.
void CutBatch(ClientWindows& windows, const std::function<void(const ServerMessage&)>& onMessage);
