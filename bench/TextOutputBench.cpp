// Cost of appending chat lines through AddText to a box that keeps growing:
// a chat line is a sender's name (bold, no line break) and the message.
#include "foundation/Application.h"
#include "foundation/Controls.h"
#include "foundation/SettingsState.h"
#include "foundation/TextOutput.h"

#include <QElapsedTimer>
#include <QScrollBar>
#include <QTextCursor>
#include <QTextEdit>
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

// The same two runs (a bold name, then the message and a new block) written
// straight into a read-only box without undo, the scroll bar moved to its end
// after each line: the cost of the text layout alone, as a baseline.
void addBareLine(QTextEdit& box, const QTextCharFormat& name, const QTextCharFormat& message, int i)
{
    QTextCursor cursor(box.document());
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(QStringLiteral("Player%1: ").arg(i % 97), name);
    cursor.insertText(QStringLiteral("anyone up for a game on the north field? meet at the store %1").arg(i), message);
    cursor.insertBlock();
    box.verticalScrollBar()->setValue(box.verticalScrollBar()->maximum());
}

std::unique_ptr<QTextEdit> makeBareBox()
{
    auto box = std::make_unique<QTextEdit>();
    box->setReadOnly(true);
    box->setUndoRedoEnabled(false);
    box->resize(900, 250);
    box->show();
    return box;
}

struct LineCosts {
    double firstUs = 0;  // per line over the first thousand lines
    double lastUs = 0;   // per line over the last thousand of 100,000
};

// Microseconds for 50 lines from `first` on and the window events after them.
template <class AddLine>
double costOf50Lines(AddLine& addLine, int first)
{
    QElapsedTimer timer;
    timer.start();
    for (int i = first; i < first + 50; ++i)
        addLine(i);
    QCoreApplication::processEvents();
    return timer.nsecsElapsed() / 1000.0;
}

// 100,000 lines into each of two boxes side by side, 50 lines into one, then
// 50 into the other, so that a change of the machine's load during the run
// weighs on both alike.
template <class AddA, class AddB>
void costsOf100kLines(AddA addA, AddB addB, LineCosts& a, LineCosts& b)
{
    double usA = 0;
    double usB = 0;
    for (int first = 0; first < 100000; first += 50) {
        if (first == 1000) {
            a.firstUs = usA / 1000;
            b.firstUs = usB / 1000;
        }
        if (first == 99000)
            usA = usB = 0;
        usA += costOf50Lines(addA, first);
        usB += costOf50Lines(addB, first);
    }
    a.lastUs = usA / 1000;
    b.lastUs = usB / 1000;
}

// 100,000 lines into one box, as a long session would: the cost per line of
// the first and the last thousand lines through AddText, and through the bare
// loop beside it in the same run.
void BM_AddText100kLines(benchmark::State& state)
{
    configureChatFont();
    QTextCharFormat name;
    name.setFontWeight(QFont::Bold);
    name.setForeground(QColor(128, 0, 0));
    QTextCharFormat message;
    message.setForeground(QColor(192, 64, 64));
    // The fonts are loaded and their glyphs cached before anything is timed.
    {
        auto box = makeBox();
        auto bare = makeBareBox();
        for (int i = 0; i < 200; ++i) {
            addChatLine(*box, i);
            addBareLine(*bare, name, message, i);
        }
        QCoreApplication::processEvents();
    }
    for (auto _ : state) {
        auto box = makeBox();
        auto bare = makeBareBox();
        LineCosts added;
        LineCosts baseline;
        costsOf100kLines([&](int i) { addChatLine(*box, i); },
                         [&](int i) { addBareLine(*bare, name, message, i); }, added, baseline);

        state.counters["first_1000_us_per_line"] = added.firstUs;
        state.counters["last_1000_us_per_line"] = added.lastUs;
        state.counters["bare_first_1000_us_per_line"] = baseline.firstUs;
        state.counters["bare_last_1000_us_per_line"] = baseline.lastUs;
        state.counters["last_to_first"] = added.lastUs / added.firstUs;
        state.counters["last_to_bare_last"] = added.lastUs / baseline.lastUs;
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
