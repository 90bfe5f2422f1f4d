// Arbitrary who replies from the game server, through the receive buffer's
// cutter and the dispatcher with the world model behind them, into what the
// who window's Update decides: the listed rows, their colours and the user
// list's looks. The server's single entries ("L") for the listed players
// follow, with slots in and out of the table's range, against the world's
// player slots.

#include "community/WhoData.h"
#include "connection/ConnectionState.h"
#include "connection/Dispatcher.h"
#include "fuzz/ScratchFolder.h"
#include "platform/Services.h"
#include "tests/support/QuietServices.h"
#include "tests/support/RecordingWindows.h"
#include "tests/support/StartedWorld.h"
#include "world/WorldState.h"

#include <QSet>
#include <cstdint>
#include <cstdlib>
#include <memory>

namespace {

void check(bool condition)
{
    if (!condition)
        std::abort();
}

// The core half of the who window and the user list; the rest is recorded.
class WhoWindows : public RecordingWindows {
public:
    void WhoUpdate(const QString& raw) override
    {
        const WhoReply reply = ParseWhoReply(raw);
        check(reply.skipped == 0 || reply.firstError);
        QSet<QString> names;
        for (const WhoRow& row : reply.rows) {
            check(row.Name != QLatin1String("$w"));
            check(!names.contains(row.Name.toCaseFolded()));
            names.insert(row.Name.toCaseFolded());
            WhoWindowColour(row);
            const WhoListLook look = WhoListRowLook(row);
            check(look.cells.size() >= 2 && look.cells.size() <= 6);
            check(look.inGame == (row.Ready == QLatin1String("IN GAME")));
        }
        check(WhoCaption(static_cast<int>(reply.rows.size())).endsWith(QLatin1String(" Players Online.")));

        // The rows are, in order, entries of nine fields or more read the
        // plain way (split at ";" and ":"); every other entry but "$w" is
        // counted as skipped.
        std::size_t next = 0;
        int entries = 0;
        for (const QString& entry : raw.split(QLatin1Char(';'))) {
            const QStringList fields = entry.split(QLatin1Char(':'));
            if (fields[0] == QLatin1String("$w"))
                continue;
            ++entries;
            if (next < reply.rows.size() && fields.size() >= WhoRow::kFieldCount) {
                const WhoRow& row = reply.rows[next];
                bool same = true;
                for (int f = 0; f < WhoRow::kFieldCount; ++f)
                    same = same && row.field(f) == fields[f];
                next += same ? 1 : 0;
            }
        }
        check(next == reply.rows.size() && entries == static_cast<int>(reply.rows.size()) + reply.skipped);
    }

    // Slots outside the table raise before anything is written.
    void WhoListAdd(const QString& name, qint16 slot, qint16 level) override
    {
        NameWhoSlot(slot, name);
        check(slot >= 0 && world().PlayerSlots[static_cast<std::size_t>(slot)].Name == name);
        WhoListAddLook(level);
    }
    void WhoListRemove(const QString&, qint16 slot) override
    {
        FreeWhoSlot(slot);
        check(world().PlayerSlots[static_cast<std::size_t>(slot)].Name.isEmpty());
    }
};

QByteArray frame(char command, std::initializer_list<QByteArray> fields)
{
    QByteArray b("\xA6");
    b += command;
    b += '\0';
    b += QByteArrayList(fields).join('\0');
    b += '\x01';
    return b;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    // Nothing here should reach the user's settings store.
    qputenv("XDG_CONFIG_HOME", ScratchFolder().path().toLocal8Bit());
    platform::install(std::make_unique<QuietServices>());
    world() = StartedWorld();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // A who reply and single entries change nothing of the world but its
    // player slots: only they go back to the start, not the whole map.
    world().PlayerSlots = StartedWorld().PlayerSlots;
    resetConnectionState();

    // The payload can hold no byte that frames or separates fields.
    QByteArray payload(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    payload.removeIf([](char c) { return c == '\0' || c == '\x01' || c == '\xA6'; });
    WhoWindows windows;
    windows.endThrows = false;
    windows.keepRecord = false;
    QByteArray stream = frame('w', {payload});
    const QList<QByteArray> entries = payload.split(';');
    for (qsizetype i = 0; i < entries.size() && i < 40; ++i) {
        const QByteArray name = entries[i].split(':').first();
        const QByteArray slot = QByteArray::number((i * 7) % 40 - 3);
        stream += frame('L', {"1", slot, name, QByteArray::number(i * 9)});
        if (i % 3 == 0)
            stream += frame('L', {"0", name.toUpper(), slot});
    }
    connection().RecvBuffer = stream;
    ProcessBatch(windows);
    return 0;
}
