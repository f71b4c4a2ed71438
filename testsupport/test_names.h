#pragma once
// Names for the cases of parameterised tests: GoogleTest accepts only letters, digits and '_',
// and a case named after its text or number reads better in a report than its index.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace zorvix::test {

// "12abc" -> "12abc", " -7" -> "blank_minus_7", "" -> "empty". Letters and digits stay, every
// other character becomes a word, so the texts of one table keep apart.
inline std::string spelled(std::string_view text)
{
    if (text.empty())
        return "empty";
    std::string name;
    bool word = false; // the last piece written was a spelled-out word
    auto piece = [&](const char* spelledOut) {
        if (!name.empty())
            name += '_';
        name += spelledOut;
        word = true;
    };
    for (const char c : text) {
        if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) {
            if (word)
                name += '_';
            name += c;
            word = false;
            continue;
        }
        switch (c) {
        case ' ': piece("blank"); break;
        case '\t': piece("tab"); break;
        case '\n': piece("lf"); break;
        case '\r': piece("cr"); break;
        case '-': piece("minus"); break;
        case '+': piece("plus"); break;
        case '.': piece("point"); break;
        case '/': piece("slash"); break;
        case '_': piece("underscore"); break;
        default: {
            char hex[8];
            std::snprintf(hex, sizeof hex, "x%02X", static_cast<unsigned char>(c));
            piece(hex);
        }
        }
    }
    return name;
}

// A number in its shortest round-trip form, spelled: -2.5 -> "minus_2_point_5".
inline std::string spelled(double value)
{
    char text[32] = "";
    // The shortest of the %.Ng forms that reads back as the same value.
    for (int digits = 1; digits <= 17; ++digits) {
        std::snprintf(text, sizeof text, "%.*g", digits, value);
        if (std::strtod(text, nullptr) == value)
            break;
    }
    return spelled(std::string_view(text));
}

} // namespace zorvix::test
