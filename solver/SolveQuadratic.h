#pragma once
// The root calculation: three coefficient texts in, two rounded root texts or an outcome out,
// exactly for the numbers as typed. It touches no window and shows no message; the caller
// decides what the outcome looks like.

#include "NumberFormat.h"

#include <optional>
#include <string>

enum class SolveKind { MissingInput, NoRealRoots, Solved, Failed };

struct SolveOutcome {
    SolveKind kind = SolveKind::Failed;
    // Root taken with +sqrt; also kept by a Failed outcome whose failure came after it.
    std::optional<std::string> firstRoot;
    // Root taken with -sqrt; present for Solved only.
    std::optional<std::string> secondRoot;
};

// Solves a*x^2 + b*x + c = 0 for UTF-8 texts as `numbers` reads them, each root rounded down
// from the half (floor(100*r + 0.5) / 100) and written by `numbers`.
SolveOutcome solveQuadratic(const std::string& aText, const std::string& bText,
                            const std::string& cText, const NumberFormat& numbers);
