#pragma once
// The Help window's static description: a title, three paragraphs and the worked example.

#include "platform/WindowDescription.h"

const platform::WindowDescription& helpDescription();
