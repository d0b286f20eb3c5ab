#pragma once
// The Help window: everything it shows comes from its table; it has no handler of its own.

#include "platform/Form.h"

class Help : public platform::Form {
    Q_OBJECT

public:
    Help();
};
