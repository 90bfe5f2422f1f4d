// Cost of a who reply of 1,000 players through the who window's Update:
// the who window's list, the chat window's user list and the game room's
// player list rebuilt, with the main windows shown as while playing.

#include "community/frmWho.h"
#include "foundation/Application.h"
#include "ui/frmBack.h"
#include "ui/frmChat.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

// Players of every level class, half of them in a game.
QString whoReply(int players)
{
    static const char* const levels[] = {"5", "12", "27", "45", "63", "78", "80", "85", "90", "95", "99"};
    QStringList entries;
    for (int i = 0; i < players; ++i)
        entries << QStringLiteral("Player%1:%2:Rank %3:%4:%5:Team%6:%7:%8:%9")
                       .arg(i)
                       .arg(QLatin1String(levels[i % 11]))
                       .arg(i % 20)
                       .arg((i * 37) % 12000)
                       .arg(i % 2 ? QStringLiteral("IN GAME") : QStringLiteral("Waiting"))
                       .arg(i % 30)
                       .arg(i % 500)
                       .arg(i % 60)
                       .arg((i * 131) % 70000);
    return entries.join(QLatin1Char(';'));
}

void BM_WhoUpdate(benchmark::State& state)
{
    Forms::get<frmBack>().Show();
    Forms::get<frmChat>().Show();
    frmWho& who = Forms::get<frmWho>();
    if (state.range(1))
        who.gridWhoWindow_ColumnClick(1);
    const QString reply = whoReply(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        who.Update(reply);
        // The lists repaint before the next frame.
        QCoreApplication::processEvents();
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
    Forms::destroyAll();
}
BENCHMARK(BM_WhoUpdate)->Args({1000, 0})->Args({1000, 1})->ArgNames({"players", "sorted"})->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The who window reads its buttons from the settings store: keep it away
    // from the user's.
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    QuelvarApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
