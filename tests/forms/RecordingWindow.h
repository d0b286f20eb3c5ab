#pragma once
// Stand-ins for a window, its message box and the secondary windows that record what the
// handlers did, so the handlers run without any window.

#include "WindowView.h"

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
    void setCaption(const std::string& text) override { events.push_back("caption " + text); }
    void printLine(const std::string& text) override { events.push_back("print [" + text + ']'); }
    void closeWindow() override { events.push_back("close"); }
    int showMessage(const std::string& text) override {
        events.push_back("message " + text);
        return forms::messageBoxOk;
    }
    void showAbout() override { events.push_back("show About"); }
    void showHelp() override { events.push_back("show Help"); }

    // The events, "; " between.
    std::string said() const {
        std::string all;
        for (const std::string& event : events) {
            all += (all.empty() ? "" : "; ") + event;
        }
        return all;
    }

    std::map<std::string, std::string> texts;
    std::vector<std::string> events;
};
