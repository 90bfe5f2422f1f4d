// Messages per second through the receive buffer's cutter and the
// dispatcher, for a mixed stream like a busy game sends: map cells,
// positions, status messages and chat lines. Window effects are recorded.

#include "connection/ConnectionState.h"
#include "connection/Dispatcher.h"
#include "platform/Services.h"
#include "tests/connection/ServerFrames.h"
#include "tests/support/RecordingWindows.h"
#include "tests/support/StartedWorld.h"
#include "world/WorldState.h"

#include <benchmark/benchmark.h>
#include <memory>

namespace {

// 100 messages: 50 map cells, 20 own positions, 15 other players, 10 status
// messages, 5 chat lines.
QByteArray mixedStream()
{
    QByteArray s;
    for (int i = 0; i < 10; ++i) {
        for (int j = 0; j < 5; ++j)
            s += frame('o', {smalls({(i * 7 + j) % 150, (i * 3 + j) % 150, 2 + j % 4, j})});
        s += frame('P', {smalls({20 + i, 30, 0})});
        s += frame('P', {smalls({21 + i, 30, 0})});
        s += frame('E', {smalls({40 + i, 41, 3})});
        s += frame('E', {smalls({41 + i, 41, 4})});
        s += frame('F', {smalls({42 + i, 41, 5})});
        s += frame('M', {smalls({30}) + "shooter", "victim", "head"});
        s += frame('c', {"somebody", "a chat line of ordinary length, nothing special in it", "0"});
    }
    return s;
}

void startWorld()
{
    resetWorldState();
    StartWorld(world());
    connection().UserName = QStringLiteral("ann");
}

} // namespace

static void BM_DispatchMixedStream(benchmark::State& state)
{
    startWorld();
    RecordingWindows windows;
    const QByteArray stream = mixedStream();
    for (auto _ : state) {
        connection().RecvBuffer = stream;
        ProcessBatch(windows);
        windows.clear();
    }
    state.SetItemsProcessed(state.iterations() * 100);
    state.SetBytesProcessed(state.iterations() * stream.size());
}
BENCHMARK(BM_DispatchMixedStream);

BENCHMARK_MAIN();
