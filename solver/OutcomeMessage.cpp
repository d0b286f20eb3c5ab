#include "OutcomeMessage.h"

std::optional<QString> messageFor(SolveKind kind) {
    switch (kind) {
    case SolveKind::MissingInput:
        return QStringLiteral("Please enter a number into all of the boxes.");
    case SolveKind::NoRealRoots:
        return QStringLiteral("There are no roots.  The Curve does not go below the x-Axis");
    case SolveKind::Failed:
        return QStringLiteral("Please do not mess around with this program.  If you are not going "
                              "to use it responsibly, you should not use it at all.");
    case SolveKind::Solved:
        break;
    }
    return std::nullopt;
}
