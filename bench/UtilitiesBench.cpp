// Cost of the text utilities that every typed and received chat line passes.
#include "foundation/Ansi.h"
#include "foundation/Utilities.h"

#include <benchmark/benchmark.h>

static void BM_StripBadChars(benchmark::State& state)
{
    const QString line = QStringLiteral("hello there, this is a typical chat line with a tab\there and some words");
    for (auto _ : state)
        benchmark::DoNotOptimize(StripBadChars(line));
}
BENCHMARK(BM_StripBadChars);

static void BM_AnsiRoundTrip(benchmark::State& state)
{
    QByteArray bytes(4096, '\0');
    for (int i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<char>(i & 0xFF);
    for (auto _ : state)
        benchmark::DoNotOptimize(ToAnsi(FromAnsi(bytes)));
    state.SetBytesProcessed(state.iterations() * bytes.size());
}
BENCHMARK(BM_AnsiRoundTrip);

BENCHMARK_MAIN();
