#pragma once
// The main window's static description: attributes, controls and menu bar, in twips.

#include "platform/WindowDescription.h"

const platform::WindowDescription& brintamoDescription();
