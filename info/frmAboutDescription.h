#pragma once
// The About box's static description: title, version, description, the author's note and
// address, the icon, OK and "System Info...", and the separator lines.

#include "platform/WindowDescription.h"

const platform::WindowDescription& frmAboutDescription();
