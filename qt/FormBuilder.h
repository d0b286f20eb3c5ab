#pragma once
// Turns the rows of a window description into Qt widgets and menus.

#include "WindowTable.h"

#include <QMenuBar>
#include <QWidget>

namespace qtui {

// Creates each control on `surface` at its place, with its font, colours and text, chains the
// focus in tab-index order and puts the focus on the first control in that order.
void buildControls(QWidget* surface, std::span<const forms::ControlRow> controls);

// Gives the named controls on `surface` their names and descriptions for screen readers, and ties
// labels to the controls they name. Nothing changes on screen.
void describeForScreenReaders(QWidget* surface, std::span<const forms::AccessibleRow> rows);

void buildMenus(QMenuBar* menuBar, std::span<const forms::MenuRow> menus);

} // namespace qtui
