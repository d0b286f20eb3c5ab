#pragma once
// Turns the rows of a window description into Qt widgets and menus.

#include "WindowDescription.h"

#include <QMenuBar>
#include <QWidget>

namespace platform {

// Creates each control on `surface` at its place, with its font, colours and text, chains the
// focus in tab-index order and puts the focus on the first control in that order.
void buildControls(QWidget* surface, std::span<const ControlDescription> controls);

void buildMenus(QMenuBar* menuBar, std::span<const MenuDescription> menus);

} // namespace platform
