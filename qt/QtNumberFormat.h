#pragma once
// Numbers in a Qt locale: read with that locale's decimal separator and signs, written as QLocale
// writes them.

#include "NumberFormat.h"

#include <QLocale>

class QtNumberFormat final : public NumberFormat {
public:
    explicit QtNumberFormat(const QLocale& locale = QLocale());

    std::optional<TypedNumber> read(const std::string& text) const override;
    std::string write(double value) const override;

private:
    QLocale locale_;
    NumberSymbols symbols_;
};
