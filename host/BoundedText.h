// The two text steps every host-facing text goes through. `text` holds at least maxLen + 1
// bytes; nothing is written past text[maxLen], which always ends up a terminator.
#pragma once

#include "HostTypes.h"

// Copies at most maxLen characters and fills the rest of the first maxLen bytes with terminators.
void boundedCopy(char* text, const char* source, int32 maxLen);

// Appends until the text holds maxLen characters or the source ends.
void boundedAppend(char* text, const char* source, int32 maxLen);
