// Counts and factors in the texts of the calculations are written in the
// runtime's plain number form, the same in every locale.
#include "model/basAxisRequirements.h"

#include <charconv>

std::string sFctPlainNumber(double value)
{
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value,
                                      std::chars_format::general, 15);
    std::string digits(buffer, result.ptr);
    for (char& c : digits)
        if (c == 'e')
            c = 'E';
    // The runtime writes no zero before the decimal point.
    const bool negative = !digits.empty() && digits[0] == '-';
    const size_t first = negative ? 1 : 0;
    if (digits.compare(first, 2, "0.") == 0)
        digits.erase(first, 1);
    return negative ? digits : " " + digits;
}
