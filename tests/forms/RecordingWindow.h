#pragma once
// Stand-ins for a window, its message box and the secondary windows that record what the
// handlers did, and numbers written the plain way, so the handlers run without any toolkit.

#include "NumberFormat.h"
#include "WindowView.h"

#include <charconv>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

struct RecordingWindow final : forms::WindowView, forms::MessageService, forms::SecondaryWindows {
    std::string text(const char* control) const override {
        const auto found = texts.find(control);
        return found == texts.end() ? std::string() : found->second;
    }
    void setText(const char* control, const std::string& text) override {
        texts[control] = text;
        events.push_back(std::string("set ") + control);
    }
    void setCaption(const std::string& text) override { caption = text; }
    void printLine(const std::string& text) override { events.push_back("print [" + text + ']'); }
    void closeWindow() override { events.push_back("close"); }
    int showMessage(const std::string& text) override {
        events.push_back("message " + text);
        return forms::messageBoxOk;
    }
    void showAbout() override { events.push_back("show About"); }
    void showHelp() override { events.push_back("show Help"); }

    std::map<std::string, std::string> texts;
    std::string caption;
    std::vector<std::string> events;
};

// Numbers as the C locale writes them: [-]digits[.digits][e[+-]digits], surrounding blanks
// allowed; roots in the program's general format.
struct PlainNumbers final : NumberFormat {
    std::optional<TypedNumber> read(const std::string& text) const override {
        const auto first = text.find_first_not_of(' ');
        const auto last = text.find_last_not_of(' ');
        if (first == std::string::npos) {
            return std::nullopt;
        }
        const std::string number = text.substr(first, last - first + 1);
        double nearest = 0;
        const auto [end, error] =
            std::from_chars(number.data(), number.data() + number.size(), nearest);
        if (error != std::errc() || end != number.data() + number.size()) {
            return std::nullopt;
        }
        TypedNumber typed{number.starts_with('-'), "", 0, nearest};
        bool afterPoint = false;
        for (auto ch = number.begin(); ch != number.end() && *ch != 'e' && *ch != 'E'; ++ch) {
            afterPoint = afterPoint || *ch == '.';
            if (std::isdigit(static_cast<unsigned char>(*ch))) {
                typed.digits += *ch;
                typed.exponent -= afterPoint ? 1 : 0;
            }
        }
        if (const auto marker = number.find_first_of("eE"); marker != std::string::npos) {
            typed.exponent += std::stoll(number.substr(marker + 1));
        }
        typed.digits.erase(0, typed.digits.find_first_not_of('0'));
        while (!typed.digits.empty() && typed.digits.back() == '0') {
            typed.digits.pop_back();
            ++typed.exponent;
        }
        return typed.digits.empty() ? TypedNumber{} : typed;
    }
    std::string write(double value) const override {
        char text[32];
        std::snprintf(text, sizeof text, "%.15G", value == 0 ? 0.0 : value);
        return text;
    }
};
