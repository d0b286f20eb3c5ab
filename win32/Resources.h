#pragma once
// The program's resources by number, shared by the resource script and the code.

#define BRINTAMO_ICON 1
#define BRINTAMO_ABOUT_ICON 2
#define BRINTAMO_HELP_PICTURE 3
