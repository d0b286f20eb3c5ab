#pragma once
// The main window's table: the equation row, CALCULATE, the answer row, CLEAR and the menu bar.

#include "WindowTable.h"

namespace forms {

const WindowTable& mainWindowTable();

// Its controls and menu items by what they are; the texts are their names in the table.
namespace mainWindow {
inline constexpr const char* coefficientA = "Text1"; // of x squared
inline constexpr const char* coefficientB = "Text2"; // of x
inline constexpr const char* coefficientC = "Text3"; // the constant
inline constexpr const char* firstRoot = "Text4";    // taken with +sqrt
inline constexpr const char* secondRoot = "Text5";   // taken with -sqrt
inline constexpr const char* calculateButton = "Command1";
inline constexpr const char* clearButton = "Command2";
inline constexpr const char* aboutItem = "mnuAbout";
inline constexpr const char* helpItem = "mnuhelp";
inline constexpr const char* exitItem = "mnuExit";
} // namespace mainWindow

} // namespace forms
