#include "LabelLines.h"

namespace forms {

namespace {

std::string_view withoutEndBlanks(std::string_view line) {
    return line.substr(0, line.find_last_not_of(' ') + 1);
}

// The parts between separators, empty ones included.
std::vector<std::string_view> split(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    for (std::size_t start = 0;;) {
        const std::size_t end = text.find(separator, start);
        parts.push_back(text.substr(start, end - start));
        if (end == std::string_view::npos) {
            return parts;
        }
        start = end + 1;
    }
}

} // namespace

std::vector<std::string> labelLines(std::string_view text, double width,
                                    const TextMeasure& measure) {
    std::vector<std::string> lines;
    for (const std::string_view paragraph : split(text, '\n')) {
        const std::vector<std::string_view> words = split(paragraph, ' ');
        std::string line(words.front());
        for (std::size_t word = 1; word < words.size(); ++word) {
            std::string longer = line + ' ' + std::string(words[word]);
            if (measure(withoutEndBlanks(longer)) > width) {
                lines.emplace_back(withoutEndBlanks(line));
                line = words[word];
            } else {
                line = std::move(longer);
            }
        }
        lines.emplace_back(withoutEndBlanks(line));
    }
    return lines;
}

} // namespace forms
