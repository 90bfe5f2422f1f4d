// Cost of appending chat lines through AddText to a box that keeps growing:
// a chat line is a sender's name (bold, no line break) and the message.
#include "foundation/Application.h"
#include "foundation/Controls.h"
#include "foundation/SettingsState.h"
#include "foundation/TextOutput.h"

#include <QElapsedTimer>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

void configureChatFont()
{
    Settings& s = settings();
    s.FontType = QStringLiteral("MS Sans Serif");
    s.FontType2 = QStringLiteral("Arial");
    s.FontSize = 10;
    s.BoldNames = true;
}

void addChatLine(RichTextBox& box, int i)
{
    AddText(QStringLiteral("Player%1: ").arg(i % 97), box, RGB(0, 0, 128), false, true, false);
    // Every tenth line carries a link, as chat does now and then.
    if (i % 10 == 0)
        AddText(QStringLiteral("have a look at http://quelvar.net/maps/%1 before the next round").arg(i), box,
                RGB(64, 64, 192), true, false, true);
    else
        AddText(QStringLiteral("anyone up for a game on the north field? meet at the store %1").arg(i), box,
                RGB(64, 64, 192), true, false, true);
}

std::unique_ptr<RichTextBox> makeBox()
{
    auto box = std::make_unique<RichTextBox>();
    box->resize(900, 250);
    box->show();
    return box;
}

// One chat line into a box that already holds range(0) lines.
void BM_AddTextChatLine(benchmark::State& state)
{
    configureChatFont();
    auto box = makeBox();
    for (int i = 0; i < state.range(0); ++i) {
        addChatLine(*box, i);
        if (i % 50 == 0)
            QCoreApplication::processEvents();
    }
    QCoreApplication::processEvents();
    int i = 0;
    for (auto _ : state) {
        addChatLine(*box, i++);
        if (i % 50 == 0)
            QCoreApplication::processEvents();
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_AddTextChatLine)->Arg(0)->Arg(100000)->Unit(benchmark::kMicrosecond);

// 100,000 lines into one box, as a long session would: the cost per line of
// the first and the last thousand lines.
void BM_AddText100kLines(benchmark::State& state)
{
    configureChatFont();
    for (auto _ : state) {
        auto box = makeBox();
        QElapsedTimer timer;
        double firstUs = 0;
        double lastUs = 0;
        timer.start();
        for (int i = 0; i < 100000; ++i) {
            if (i == 1000)
                firstUs = timer.nsecsElapsed() / 1000.0 / 1000;
            if (i == 99000)
                timer.restart();
            addChatLine(*box, i);
            if (i % 50 == 0)
                QCoreApplication::processEvents();
        }
        lastUs = timer.nsecsElapsed() / 1000.0 / 1000;
        state.counters["first_1000_us_per_line"] = firstUs;
        state.counters["last_1000_us_per_line"] = lastUs;
    }
}
BENCHMARK(BM_AddText100kLines)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QuelvarApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
