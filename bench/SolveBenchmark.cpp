// Cost of one root calculation, from texts to texts, on typical and on failing input.

#include "solver/SolveQuadratic.h"

#include <QLocale>

#include <benchmark/benchmark.h>

namespace {

void solve(benchmark::State& state, const char* a, const char* b, const char* c) {
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    const QString aText = QString::fromLatin1(a);
    const QString bText = QString::fromLatin1(b);
    const QString cText = QString::fromLatin1(c);
    for (auto _ : state) {
        benchmark::DoNotOptimize(SolveQuadratic(aText, bText, cText));
    }
}

} // namespace

BENCHMARK_CAPTURE(solve, whole_roots, "1", "-3", "2");
BENCHMARK_CAPTURE(solve, irrational_roots, "1.5", "-7.25", "0.125");
BENCHMARK_CAPTURE(solve, cancelling_roots, "0.00000001", "100000000", "50000000");
BENCHMARK_CAPTURE(solve, no_real_roots, "1", "0", "1");
BENCHMARK_CAPTURE(solve, missing_input, "1", "", "1");
BENCHMARK_CAPTURE(solve, not_a_number, "1", "x", "1");
BENCHMARK_CAPTURE(solve, a_is_zero, "0", "2", "1");
BENCHMARK_CAPTURE(solve, scales_far_apart, "1e-300", "1e150", "1");
BENCHMARK_CAPTURE(solve, forty_digits_each, "1.234567890123456789012345678901234567891",
                  "-9.876543210987654321098765432109876543219",
                  "0.1111111111111111111111111111111111111111");

BENCHMARK_MAIN();
