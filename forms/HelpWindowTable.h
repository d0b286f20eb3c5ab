#pragma once
// The Help window's table: a title, three paragraphs and the worked example.

#include "WindowTable.h"

namespace forms {

const WindowTable& helpWindowTable();

} // namespace forms
