#pragma once
// The one place where an outcome of the root calculation turns into the text the user reads.

#include "SolveQuadratic.h"

#include <QString>

#include <optional>

// The message reported for an outcome; Solved reports nothing.
std::optional<QString> messageFor(SolveKind kind);
