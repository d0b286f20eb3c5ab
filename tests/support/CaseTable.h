#pragma once
// Cases kept as plain text beside their tests: a row a line, its fields apart by " | "; empty
// lines and lines starting with '#' are left out. In a field \t, \n, \0, \\, \xHH and \u{HHHH}
// (as UTF-8) stand for what they say, {N*c} for N times the character c; (empty) is the empty
// text and (none) no value at all. A table that cannot be read, or a row with another number of
// fields, ends the test program: a missing case must never pass for a passing one.

#include <cstdlib>
#include <fstream>
#include <iostream>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace cases {

inline std::string utf8(unsigned long code) {
    if (code < 0x80) {
        return std::string(1, char(code));
    }
    if (code < 0x800) {
        return {char(0xC0 | code >> 6), char(0x80 | (code & 0x3F))};
    }
    return {char(0xE0 | code >> 12), char(0x80 | (code >> 6 & 0x3F)), char(0x80 | (code & 0x3F))};
}

inline std::string unescaped(const std::string& field) {
    if (field == "(empty)") {
        return {};
    }
    std::string text;
    for (std::size_t i = 0; i < field.size(); ++i) {
        const std::size_t close = field.find('}', i);
        if (field[i] == '{' && close != std::string::npos && field.find('*', i) + 2 == close) {
            text.append(std::stoul(field.substr(i + 1)), field[close - 1]);
            i = close;
        } else if (field[i] != '\\' || i + 1 == field.size()) {
            text += field[i];
        } else if (const char kind = field[++i]; kind == 'x') {
            text += char(std::stoul(field.substr(i + 1, 2), nullptr, 16));
            i += 2;
        } else if (kind == 'u') {
            text += utf8(std::stoul(field.substr(i + 2), nullptr, 16));
            i = field.find('}', i);
        } else {
            text += kind == 't' ? '\t' : kind == 'n' ? '\n' : kind == '0' ? '\0' : kind;
        }
    }
    return text;
}

inline std::optional<std::string> value(const std::string& field) {
    return field == "(none)" ? std::nullopt : std::optional(field);
}

inline std::vector<std::vector<std::string>> read(const std::string& file, std::size_t fields) {
    std::ifstream table(file);
    std::vector<std::vector<std::string>> rows;
    for (std::string line; std::getline(table, line);) {
        if (line.empty() || line.starts_with('#')) {
            continue;
        }
        rows.emplace_back();
        for (std::size_t start = 0, bar = 0; bar != std::string::npos; start = bar + 3) {
            bar = line.find(" | ", start);
            rows.back().push_back(unescaped(line.substr(start, bar - start)));
        }
        if (rows.back().size() != fields) {
            std::cerr << file << ": " << line << ": not " << fields << " fields\n";
            std::exit(2);
        }
    }
    if (rows.empty()) {
        std::cerr << file << ": no cases\n";
        std::exit(2);
    }
    return rows;
}

// The rows as structs of as many texts, in the table's order.
template <typename Row, std::size_t fields> std::vector<Row> rowsOf(const std::string& file) {
    std::vector<Row> rows;
    for (const auto& texts : read(file, fields)) {
        rows.push_back([&]<std::size_t... field>(std::index_sequence<field...>) {
            return Row{texts[field]...};
        }(std::make_index_sequence<fields>()));
    }
    return rows;
}

} // namespace cases
