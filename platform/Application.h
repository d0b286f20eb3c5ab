#pragma once
// What every window of the program relies on from the toolkit, set up once at start.

namespace platform {

// The Fusion style with classic push buttons (so button faces take their palette colour on
// every desktop), the program's fonts, and MS Sans Serif 8.25 pt as the default font. Call after
// creating the QApplication.
void prepareApplication();

} // namespace platform
