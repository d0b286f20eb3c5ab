#pragma once
// The number format of the platform's front end, for an English or a German user.

#include "NumberFormat.h"

#include <memory>

std::unique_ptr<NumberFormat> localeNumbers(bool german);
