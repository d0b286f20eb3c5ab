#include "Help.h"

#include "HelpDescription.h"

Help::Help() : Form(helpDescription()) {}
