#pragma once
// The program's windows by the names of their tables, for tests that hold for every one.

#include "AboutBoxTable.h"
#include "HelpWindowTable.h"
#include "MainWindowTable.h"

#include <ostream>

struct WindowCase {
    const char* name;
    const forms::WindowTable& (*table)();
};

inline const WindowCase windowCases[] = {{"Brintamo", forms::mainWindowTable},
                                         {"frmAbout", forms::aboutBoxTable},
                                         {"Help", forms::helpWindowTable}};

inline void PrintTo(const WindowCase& window, std::ostream* out) {
    *out << window.name;
}
