#pragma once
// The root calculation: three coefficient texts in, two rounded root texts or an outcome out.
// It touches no window and shows no message; the caller decides what the outcome looks like.

#include <QString>

#include <optional>

enum class SolveKind { MissingInput, NoRealRoots, Solved, Failed };

struct SolveOutcome {
    SolveKind kind = SolveKind::Failed;
    // Root taken with +sqrt; also kept by a Failed outcome whose failure came after it.
    std::optional<QString> firstRoot;
    // Root taken with -sqrt; present for Solved only.
    std::optional<QString> secondRoot;
};

// Solves a*x^2 + b*x + c = 0 for texts in the user's locale, each root rounded down from the
// half (floor(100*r + 0.5) / 100) and written in the general number format.
SolveOutcome SolveQuadratic(const QString& aText, const QString& bText, const QString& cText);
