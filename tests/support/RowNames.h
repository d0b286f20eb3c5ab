#pragma once
// Test names from the rows' own names, so that each row of a table runs and reports on its own
// (--gtest_filter='*/second_the_folder_with_the_program').

#include <gtest/gtest.h>

#include <cctype>
#include <string>

inline std::string testName(std::string name) {
    for (char& ch : name) {
        ch = std::isalnum(static_cast<unsigned char>(ch)) ? ch : '_';
    }
    return name;
}

// For rows with a `name`.
struct ByRowName {
    template <typename Row> std::string operator()(const testing::TestParamInfo<Row>& row) const {
        return testName(row.param.name);
    }
};
