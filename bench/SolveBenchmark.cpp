// Cost of one root calculation, from texts to texts, on typical and on failing input.

#include "QtNumberFormat.h"
#include "SolveQuadratic.h"

#include <benchmark/benchmark.h>

#include <random>

namespace {

void solve(benchmark::State& state, const std::string& a, const std::string& b,
           const std::string& c) {
    const QtNumberFormat numbers(QLocale(QLocale::English, QLocale::UnitedStates));
    for (auto _ : state) {
        benchmark::DoNotOptimize(solveQuadratic(a, b, c, numbers));
    }
}

// Three boxes full: a digit, the point, then digits up to `length` characters.
void solveLong(benchmark::State& state, std::size_t length) {
    const std::string text = "1." + std::string(length - 2, '7');
    solve(state, text, "-" + text, "-" + text);
}

// Three boxes of `length` dense digits each: 1000…0, 333…3 and 1777…7.
void solveDense(benchmark::State& state, std::size_t length) {
    solve(state, "1" + std::string(length - 1, '0'), std::string(length, '3'),
          "1" + std::string(length - 1, '7'));
}

// Three boxes of `length` random digits, the point after the first: typical long input.
void solveRandom(benchmark::State& state, std::size_t length) {
    std::mt19937 generator(7);
    std::uniform_int_distribution<int> digit(0, 9);
    const auto box = [&](const std::string& sign) {
        std::string text = sign + std::to_string(1 + digit(generator) % 9) + '.';
        while (text.size() < length) {
            text += char('0' + digit(generator));
        }
        return text;
    };
    solve(state, box(""), box("-"), box("-"));
}

std::string nines(std::size_t count) {
    return std::string(count, '9');
}

} // namespace

BENCHMARK_CAPTURE(solve, whole_roots, std::string("1"), std::string("-3"), std::string("2"));
BENCHMARK_CAPTURE(solve, irrational_roots, std::string("1.5"), std::string("-7.25"),
                  std::string("0.125"));
BENCHMARK_CAPTURE(solve, cancelling_roots, std::string("0.00000001"), std::string("100000000"),
                  std::string("50000000"));
BENCHMARK_CAPTURE(solve, no_real_roots, std::string("1"), std::string("0"), std::string("1"));
BENCHMARK_CAPTURE(solve, missing_input, std::string("1"), std::string(""), std::string("1"));
BENCHMARK_CAPTURE(solve, not_a_number, std::string("1"), std::string("x"), std::string("1"));
BENCHMARK_CAPTURE(solve, a_is_zero, std::string("0"), std::string("2"), std::string("1"));
BENCHMARK_CAPTURE(solve, scales_far_apart, std::string("1e-300"), std::string("1e150"),
                  std::string("1"));
BENCHMARK_CAPTURE(solve, forty_digits_each,
                  std::string("1.234567890123456789012345678901234567891"),
                  std::string("-9.876543210987654321098765432109876543219"),
                  std::string("0.1111111111111111111111111111111111111111"));

BENCHMARK_CAPTURE(solve, exponents_of_any_size, std::string("1e-99999999"), std::string("1e300"),
                  std::string("-1e-400"));
// CALCULATE with long boxes: the classic 32,767 characters, and a mebibyte each.
BENCHMARK_CAPTURE(solveLong, boxes_of_32767, 32767)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(solveLong, a_mebibyte_each, 1 << 20)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(solveDense, a_mebibyte_of_dense_digits_each, 1 << 20)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(solveRandom, a_mebibyte_of_random_digits_each, 1 << 20)
    ->Unit(benchmark::kMillisecond);
// The worst cases: only the last of the digits decides a root. A root a hair below a rounding
// boundary (0.00499...9, b a mebibyte long); a double root, (x - 0.00499...9)^2 = 0, whose
// discriminant is 0 only with every digit of b and c (c a mebibyte long).
BENCHMARK_CAPTURE(solve, a_tie_decided_by_the_last_of_a_mebibyte, std::string("1"),
                  "-0.004" + nines((1 << 20) - 6), std::string("0"))
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(solve, a_double_root_decided_by_every_digit, std::string("1"),
                  "-0.00" + nines((1 << 19) - 1) + '8',
                  "0.000024" + nines((1 << 19) - 2) + std::string((1 << 19) - 1, '0') + '1')
    ->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
