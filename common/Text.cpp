#include "common/Text.h"

namespace {

constexpr unsigned char LastTrimmedCode = ' ';

bool Kept(char c)
{
    return static_cast<unsigned char>(c) > LastTrimmedCode;
}

} // namespace

std::string_view Trimmed(std::string_view text)
{
    while (!text.empty() && !Kept(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && !Kept(text.back()))
        text.remove_suffix(1);
    return text;
}
