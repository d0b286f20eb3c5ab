#pragma once
// Table rows run once with a decimal point and once with a decimal comma.

#include "RowNames.h"

#include <string>
#include <tuple>

// A text written with a decimal point, for a decimal comma if asked: '.' and ',' swapped.
inline std::string inLocale(std::string text, bool comma) {
    for (char& ch : text) {
        ch = !comma ? ch : ch == '.' ? ',' : ch == ',' ? '.' : ch;
    }
    return text;
}

// For rows with a `name`, each run in both locales.
struct ByRowAndLocale {
    template <typename Row>
    std::string operator()(const testing::TestParamInfo<std::tuple<Row, bool>>& row) const {
        return testName(std::get<0>(row.param).name) +
               (std::get<1>(row.param) ? "_de_DE" : "_en_US");
    }
};
