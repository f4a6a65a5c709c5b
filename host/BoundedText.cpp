#include "BoundedText.h"

#include <cstring>

void boundedCopy(char* text, const char* source, int32 maxLen)
{
    if (text == nullptr || maxLen < 0)
        return;
    std::strncpy(text, source, static_cast<std::size_t>(maxLen));
    text[maxLen] = '\0';
}

void boundedAppend(char* text, const char* source, int32 maxLen)
{
    if (text == nullptr || maxLen < 0)
        return;
    std::size_t length = strnlen(text, static_cast<std::size_t>(maxLen));
    while (length < static_cast<std::size_t>(maxLen) && *source != '\0')
        text[length++] = *source++;
    text[length] = '\0';
    text[maxLen] = '\0';
}
