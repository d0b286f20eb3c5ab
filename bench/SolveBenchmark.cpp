// Cost of one root calculation, from texts to texts, on typical and on failing input.

#include "solver/SolveQuadratic.h"

#include <QLocale>

#include <benchmark/benchmark.h>

namespace {

void solve(benchmark::State& state, const QString& a, const QString& b, const QString& c) {
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    for (auto _ : state) {
        benchmark::DoNotOptimize(SolveQuadratic(a, b, c));
    }
}

// Three boxes full: a digit, the point, then digits up to `length` characters.
void solveLong(benchmark::State& state, qsizetype length) {
    const QString text = QStringLiteral("1.") + QString(length - 2, u'7');
    solve(state, text, QStringLiteral("-") + text, QStringLiteral("-") + text);
}

} // namespace

BENCHMARK_CAPTURE(solve, whole_roots, QStringLiteral("1"), QStringLiteral("-3"),
                  QStringLiteral("2"));
BENCHMARK_CAPTURE(solve, irrational_roots, QStringLiteral("1.5"), QStringLiteral("-7.25"),
                  QStringLiteral("0.125"));
BENCHMARK_CAPTURE(solve, cancelling_roots, QStringLiteral("0.00000001"),
                  QStringLiteral("100000000"), QStringLiteral("50000000"));
BENCHMARK_CAPTURE(solve, no_real_roots, QStringLiteral("1"), QStringLiteral("0"),
                  QStringLiteral("1"));
BENCHMARK_CAPTURE(solve, missing_input, QStringLiteral("1"), QStringLiteral(""),
                  QStringLiteral("1"));
BENCHMARK_CAPTURE(solve, not_a_number, QStringLiteral("1"), QStringLiteral("x"),
                  QStringLiteral("1"));
BENCHMARK_CAPTURE(solve, a_is_zero, QStringLiteral("0"), QStringLiteral("2"), QStringLiteral("1"));
BENCHMARK_CAPTURE(solve, scales_far_apart, QStringLiteral("1e-300"), QStringLiteral("1e150"),
                  QStringLiteral("1"));
BENCHMARK_CAPTURE(solve, forty_digits_each,
                  QStringLiteral("1.234567890123456789012345678901234567891"),
                  QStringLiteral("-9.876543210987654321098765432109876543219"),
                  QStringLiteral("0.1111111111111111111111111111111111111111"));

BENCHMARK_CAPTURE(solve, exponents_of_any_size, QStringLiteral("1e-99999999"),
                  QStringLiteral("1e300"), QStringLiteral("-1e-400"));
// CALCULATE with each box at the most a box holds, and beyond.
BENCHMARK_CAPTURE(solveLong, boxes_full_32767, 32767)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(solveLong, a_mebibyte_each, 1 << 20)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
