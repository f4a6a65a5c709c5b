#include "NumberArguments.h"

#include "Commands.h"

#include <cmath>
#include <cstdlib>

double numberArgument(const std::string& text, const std::string& option)
{
    char* end = nullptr;
    const double value = std::strtod(text.c_str(), &end);
    if (text.empty() || *end != '\0')
        throw UsageError(option + " wants a number, not '" + text + "'");
    return value;
}

long wholeNumberArgument(const std::string& text, const std::string& option, long lowest, long highest)
{
    const double value = numberArgument(text, option);
    // Range first: converting a value outside long (or NaN) to long is undefined.
    if (!(value >= static_cast<double>(lowest) && value <= static_cast<double>(highest)) || value != std::floor(value))
        throw UsageError(option + " wants a whole number from " + std::to_string(lowest) + " to "
                         + std::to_string(highest) + ", not '" + text + "'");
    return static_cast<long>(value);
}
