// Arbitrary bytes from the game server through the receive buffer's cutter
// and the dispatcher, with the world model behind them and every window
// effect recorded. The input arrives in a few chunks (its first byte says
// how many), one batch after each, so unfinished tails are kept and joined.

#include "connection/ConnectionState.h"
#include "connection/Dispatcher.h"
#include "foundation/MenuState.h"
#include "foundation/RuntimeError.h"
#include "foundation/SettingsState.h"
#include "fuzz/ScratchFolder.h"
#include "platform/Services.h"
#include "tests/support/QuietServices.h"
#include "tests/support/RecordingWindows.h"
#include "tests/support/StartedWorld.h"
#include "world/WorldState.h"

#include <cstdint>
#include <cstdlib>
#include <memory>

namespace {

void startWorld()
{
    world() = StartedWorld();
    resetConnectionState();
    connection().UserName = QStringLiteral("ann");
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    // The ban message writes the settings store: keep it away from the user's.
    const QString folder = ScratchFolder().path();
    qputenv("XDG_CONFIG_HOME", folder.toLocal8Bit());
    settings().MapPath = folder + QStringLiteral("/Map/");
    settings().SoundOn = true;
    platform::install(std::make_unique<QuietServices>());
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    startWorld();
    RecordingWindows windows;
    windows.endThrows = false;
    windows.keepRecord = false;
    if (size == 0)
        return 0;
    const size_t chunks = 1 + data[0] % 4;
    const QByteArray bytes(reinterpret_cast<const char*>(data + 1), static_cast<qsizetype>(size - 1));
    const qsizetype step = bytes.size() / static_cast<qsizetype>(chunks) + 1;
    for (qsizetype pos = 0; pos < bytes.size(); pos += step) {
        AppendReceived(windows, bytes.mid(pos, step));
        ProcessBatch(windows);
        if (connection().RecvBuffer.size() > recv::kMaxUnfinishedMessage + step)
            std::abort();  // the buffer must stay bounded
    }
    return 0;
}
