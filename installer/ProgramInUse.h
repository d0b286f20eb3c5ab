#pragma once
// Whether an installed program is in use, which the uninstallers ask before they remove anything.

#include <string>

namespace installer {

// True while some process runs the program at `path`, or holds the file so that it could not be
// replaced, whoever's process it is and in whichever session; false for a file that is not there.
bool isInUse(const std::wstring& path);

} // namespace installer
