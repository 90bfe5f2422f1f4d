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

void CutBatch(ClientWindows& windows, const std::function<void(const ServerMessage&)>& onMessage)
{
    // The batch holds its bytes itself: text that arrives while a handler lets
    // events run is appended to the emptied buffer and waits for the next batch.
    const QByteArray batch = std::exchange(connection().RecvBuffer, QByteArray());
    // Bytes this batch has put back at the front of the buffer.
    qsizetype keptBytes = 0;

    qsizetype pos = 0;
    for (;;) {
        const qsizetype end = batch.indexOf(kEndByte, pos);
        // A piece that an end byte followed carries the end mark behind its bytes.
        const bool marked = end >= 0;
        const QByteArrayView bytes = QByteArrayView(batch).sliced(pos, (marked ? end : batch.size()) - pos);

        // Nothing between two end bytes (or after the last one) is an empty piece.
        if (!bytes.isEmpty()) {
            const bool endsWithMark = marked || bytes.back() == kEndMark;
            if (bytes.front() == kStartByte && endsWithMark) {
                onMessage(ReadServerMessage(marked ? bytes : bytes.chopped(1)));
            } else if (endsWithMark) {
                // Cannot come from well-formed frames; kept, it would hold up
                // every later message.
                recordDrop(windows, QStringLiteral("Malformed server message"), bytes.size() + (marked ? 1 : 0));
            } else if (bytes.size() > kMaxUnfinishedMessage) {
                recordDrop(windows, QStringLiteral("Unfinished server message over the size limit"), bytes.size());
            } else {
                // Behind what this batch put back, ahead of newer text (a
                // handler may have emptied the buffer meanwhile).
                QByteArray& buffer = connection().RecvBuffer;
                keptBytes = qMin(keptBytes, buffer.size());
                buffer.insert(keptBytes, bytes);
                keptBytes += bytes.size();
            }
        }
        if (!marked)
            break;
        pos = end + 1;
    }
}
