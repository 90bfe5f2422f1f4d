#include "connection/RecvBuffer.h"

#include "connection/ClientWindows.h"
#include "connection/ConnectionState.h"

#include <utility>

using namespace recv;

ServerMessage ReadServerMessage(QByteArrayView message)
{
    ServerMessage m;
    if (message.size() >= 2)
        m.Command = message[1];
    // Shorter messages keep their head, so the head becomes part of field 0.
    const QByteArrayView rest = message.size() >= 4 ? message.sliced(3) : message;
    qsizetype start = 0;
    for (;;) {
        const qsizetype sep = rest.indexOf(kSeparator, start);
        if (sep < 0) {
            m.Fields.append(rest.sliced(start).toByteArray());
            break;
        }
        m.Fields.append(rest.sliced(start, sep - start).toByteArray());
        start = sep + 1;
    }
    return m;
}

namespace {
void recordDrop(ClientWindows& windows, const QString& what, qsizetype bytes)
{
    windows.AddToLog(QStringLiteral("frmMain"), QStringLiteral("ProcessData"),
                     ErrObject{0, QStringLiteral("%1 dropped (%2 bytes)").arg(what).arg(bytes)});
}
} // namespace

void AppendReceived(ClientWindows& windows, const QByteArray& bytes)
{
    QByteArray& buffer = connection().RecvBuffer;
    buffer.append(bytes);
    // Only the message still arriving at the end can grow without an end in
    // sight; while a batch waits on a message box nothing else would stop it.
    const qsizetype tail = buffer.size() - (buffer.lastIndexOf(kEndByte) + 1);
    if (tail > kMaxUnfinishedMessage) {
        buffer.chop(tail);
        recordDrop(windows, QStringLiteral("Unfinished server message over the size limit"), tail);
    }
}

void CutBatch(ClientWindows& windows, const std::function<void(const ServerMessage&)>& onMessage)
{
    // The batch holds its bytes itself: text that arrives while a handler lets
    // events run is appended to the emptied buffer and waits for the next batch.
    const QByteArray batch = std::exchange(connection().RecvBuffer, QByteArray());

    // The text behind the last end byte is a message still arriving, unless
    // it ends with the end mark. It goes back at once, so that newer text
    // lands behind it, the size limit sees all of it, and a reset during the
    // batch empties it with the rest of the buffer.
    const qsizetype lastEnd = batch.lastIndexOf(kEndByte);
    const QByteArrayView tail = QByteArrayView(batch).sliced(lastEnd + 1);
    const bool tailWhole = !tail.isEmpty() && tail.back() == kEndMark;
    if (!tail.isEmpty() && !tailWhole) {
        if (tail.size() > kMaxUnfinishedMessage)
            recordDrop(windows, QStringLiteral("Unfinished server message over the size limit"), tail.size());
        else
            connection().RecvBuffer = tail.toByteArray();
    }

    qsizetype pos = 0;
    for (;;) {
        const qsizetype end = batch.indexOf(kEndByte, pos);
        // A piece that an end byte followed carries the end mark behind its bytes.
        const bool marked = end >= 0;
        if (!marked && !tailWhole)
            break;
        const QByteArrayView bytes = QByteArrayView(batch).sliced(pos, (marked ? end : batch.size()) - pos);

        // Nothing between two end bytes (or after the last one) is an empty piece.
        if (!bytes.isEmpty()) {
            if (bytes.front() == kStartByte) {
                onMessage(ReadServerMessage(marked ? bytes : bytes.chopped(1)));
            } else {
                // Cannot come from well-formed frames; kept, it would hold up
                // every later message.
                recordDrop(windows, QStringLiteral("Malformed server message"), bytes.size() + (marked ? 1 : 0));
            }
        }
        if (!marked)
            break;
        pos = end + 1;
    }
}
