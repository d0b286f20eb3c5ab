#pragma once
// The one place where an outcome of the root calculation turns into the text the user reads.

#include "SolveQuadratic.h"

#include <optional>
#include <string>

namespace forms {

// The message reported for an outcome; Solved reports nothing.
std::optional<std::string> messageFor(SolveKind kind);

} // namespace forms
