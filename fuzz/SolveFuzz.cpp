// Feeds arbitrary coefficient texts to the root calculation and checks that every outcome is
// well formed: the right root texts for its kind, and root texts that read back as numbers.
// It also holds the fast number conversion to QLocale's verdict on every text.

#include "platform/NumberText.h"
#include "solver/SolveQuadratic.h"

#include <QLocale>
#include <QStringList>

#include <cmath>
#include <cstdlib>

namespace {

void require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

bool readsBack(const std::optional<QString>& root) {
    return root && platform::parseNumber(*root).has_value();
}

// The fast conversion path must agree with QLocale on every text.
bool parsesAsLocaleDoes(const QString& text) {
    QLocale locale;
    locale.setNumberOptions(QLocale::RejectGroupSeparator);
    bool ok = false;
    const double value = locale.toDouble(text, &ok);
    const std::optional<double> expected =
        ok && std::isfinite(value) ? std::optional(value) : std::nullopt;
    return platform::parseNumber(text) == expected;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // The first byte picks the locale so both decimal separators get exercised.
    if (size == 0) {
        return 0;
    }
    QLocale::setDefault((data[0] & 1U) != 0 ? QLocale(QLocale::German, QLocale::Germany)
                                            : QLocale(QLocale::English, QLocale::UnitedStates));
    const QString input = QString::fromUtf8(reinterpret_cast<const char*>(data + 1),
                                            static_cast<qsizetype>(size - 1));
    QStringList texts = input.split(u'\n');
    while (texts.size() < 3) {
        texts.append(QString());
    }
    for (const QString& text : texts) {
        require(parsesAsLocaleDoes(text));
    }
    const SolveOutcome outcome = SolveQuadratic(texts[0], texts[1], texts[2]);
    switch (outcome.kind) {
    case SolveKind::Solved:
        require(readsBack(outcome.firstRoot) && readsBack(outcome.secondRoot));
        break;
    case SolveKind::Failed:
        require(!outcome.secondRoot && (!outcome.firstRoot || readsBack(outcome.firstRoot)));
        break;
    case SolveKind::MissingInput:
        require(texts[0].isEmpty() || texts[1].isEmpty() || texts[2].isEmpty());
        [[fallthrough]];
    case SolveKind::NoRealRoots:
        require(!outcome.firstRoot && !outcome.secondRoot);
        break;
    }
    return 0;
}
