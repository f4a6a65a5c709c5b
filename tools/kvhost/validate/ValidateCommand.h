// kvhost validate, and the hidden command its child processes run.
#pragma once

#include "../Commands.h"

// Thrown when a check failed: the results are printed already, kvhost only exits with 1.
class ValidationFailed : public KvhostError {
public:
    ValidationFailed() : KvhostError("validation failed") {}
};

void runValidate(const Arguments& arguments);
void runValidateChild(const Arguments& arguments);
