#include "OutcomeMessages.h"

namespace forms {

std::optional<std::string> messageFor(SolveKind kind) {
    switch (kind) {
    case SolveKind::MissingInput:
        return "Please enter a number into all of the boxes.";
    case SolveKind::NoRealRoots:
        return "There are no roots.  The Curve does not go below the x-Axis";
    case SolveKind::Failed:
        return "Please do not mess around with this program.  If you are not going to use it "
               "responsibly, you should not use it at all.";
    case SolveKind::Solved:
        break;
    }
    return std::nullopt;
}

} // namespace forms
