#pragma once
// The number of a menu item on Windows, as automation counts on it: from 1000, in menu order;
// 0 for a name the window's menus do not hold.

#include "WindowTable.h"

#include <string_view>

inline int menuId(const forms::WindowTable& table, std::string_view name) {
    int id = 1000;
    for (const forms::MenuRow& menu : table.menus) {
        if (menu.items.empty() && menu.name == name) {
            return id;
        }
        id += menu.items.empty() ? 1 : 0;
        for (const forms::MenuItemRow& item : menu.items) {
            if (item.name == name) {
                return id;
            }
            ++id;
        }
    }
    return 0;
}
