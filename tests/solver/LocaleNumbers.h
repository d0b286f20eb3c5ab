#pragma once
// The number format of the platform's front end, for an English or a German user, or for the
// user running the test, as the program makes it.

#include "NumberFormat.h"

#include <memory>

std::unique_ptr<NumberFormat> localeNumbers(bool german);
std::unique_ptr<NumberFormat> userNumbers();
