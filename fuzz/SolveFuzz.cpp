// Arbitrary coefficient texts must give a well-formed outcome: MissingInput exactly when a box
// is empty, a second root only when Solved, and root texts that read back as numbers.

#include "platform/NumberText.h"
#include "solver/SolveQuadratic.h"

#include <QStringList>

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto require = [](bool condition) { condition ? void() : std::abort(); };
    const auto readsBack = [](const std::optional<QString>& root) {
        return !root || platform::parseNumber(*root);
    };
    // The first byte picks the locale, so both decimal separators are exercised.
    QLocale::setDefault(size > 0 && (data[0] & 1U) != 0 ? QLocale(QLocale::German)
                                                        : QLocale(QLocale::English));
    QStringList texts =
        QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size)).mid(1).split(u'\n');
    texts.resize(std::max<qsizetype>(texts.size(), 3));
    const SolveOutcome outcome = SolveQuadratic(texts[0], texts[1], texts[2]);
    require((outcome.kind == SolveKind::MissingInput) ==
            (texts[0].isEmpty() || texts[1].isEmpty() || texts[2].isEmpty()));
    require(outcome.secondRoot.has_value() == (outcome.kind == SolveKind::Solved));
    require(!outcome.firstRoot || outcome.kind == SolveKind::Solved ||
            outcome.kind == SolveKind::Failed);
    require(readsBack(outcome.firstRoot) && readsBack(outcome.secondRoot));
    return 0;
}
