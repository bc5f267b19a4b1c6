#include "commandfile/Normalizers.h"

#include "common/NumberFormat.h"
#include "common/Text.h"
#include "common/Utf8.h"

#include <charconv>
#include <cstdlib>
#include <optional>
#include <system_error>

namespace {

const std::string IdCharacters = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ()-_";
const std::string EmptyIdText = "1";
constexpr char IdFill = '0';

const std::string NumberCharacters = "0123456789+-,.";
constexpr char FilePoint = '.';
constexpr int SignificantDigits = 15;
// Below this decimal exponent a non-zero value is written in exponent form.
constexpr int SmallestFixedExponent = -4;

constexpr int PanelMinDecimals = 1;
constexpr int PanelMaxDecimals = 5;

std::string KeepOnly(const std::string &text, const std::string &allowed)
{
    std::string kept;
    for (const char c : text)
        if (allowed.find(c) != std::string::npos)
            kept += c;
    return kept;
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// An optional sign, at least one digit, at most one separator; nothing else.
std::optional<double> ReadLocalNumber(const std::string &text, char decimalSeparator)
{
    std::size_t position = 0;
    bool negative = false;
    if (position < text.size() && (text[position] == '+' || text[position] == '-')) {
        negative = text[position] == '-';
        ++position;
    }
    std::string plain;
    bool hasDigit = false;
    bool hasSeparator = false;
    for (; position < text.size(); ++position) {
        const char c = text[position];
        if (IsDigit(c)) {
            hasDigit = true;
            plain += c;
        } else if (c == decimalSeparator && !hasSeparator) {
            hasSeparator = true;
            plain += FilePoint;
        } else {
            return std::nullopt;
        }
    }
    if (!hasDigit)
        return std::nullopt;
    double value = 0;
    const auto result = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (result.ec != std::errc())
        return std::nullopt;
    return negative ? -value : value;
}

} // namespace

std::string AsciiUpperCase(const std::string &text)
{
    std::string upper = text;
    for (char &c : upper)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return upper;
}

std::string FitToLength(const std::string &text, int length, char fill)
{
    const std::vector<std::string> characters = Utf8Characters(text);
    const auto wanted = static_cast<std::size_t>(length < 0 ? 0 : length);
    std::string fitted;
    if (characters.size() >= wanted) {
        for (std::size_t i = 0; i < wanted; ++i)
            fitted += characters[i];
        return fitted;
    }
    return std::string(wanted - characters.size(), fill) + text;
}

std::string NormalizeId(const std::string &text, int length, const UpperCase &upperCase)
{
    std::string id = KeepOnly(upperCase(text), IdCharacters);
    if (id.empty())
        id = EmptyIdText;
    return FitToLength(id, length, IdFill);
}

std::string ToLocalDecimalSeparator(const std::string &text, char decimalSeparator)
{
    if (decimalSeparator != '.' && decimalSeparator != ',')
        return text;
    std::string local = text;
    for (char &c : local)
        if (c == '.' || c == ',')
            c = decimalSeparator;
    return local;
}

std::string FormatGeneralNumber(double value)
{
    if (value == 0)
        return "0";

    // Scientific form with 15 significant digits: "d.dddddddddddddde-05".
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value,
                                      std::chars_format::scientific, SignificantDigits - 1);
    const std::string scientific(buffer, result.ptr);

    const bool negative = scientific[0] == '-';
    const std::size_t mantissaStart = negative ? 1 : 0;
    const std::size_t e = scientific.find('e');
    const int exponent = std::atoi(scientific.c_str() + e + 1);
    std::string digits;
    for (std::size_t i = mantissaStart; i < e; ++i)
        if (IsDigit(scientific[i]))
            digits += scientific[i];
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();

    std::string text;
    if (exponent < SmallestFixedExponent) {
        text = digits.substr(0, 1);
        if (digits.size() > 1)
            text += FilePoint + digits.substr(1);
        text += "E-" + std::to_string(-exponent);
    } else if (exponent < 0) {
        text = std::string("0") + FilePoint + std::string(-exponent - 1, '0') + digits;
    } else {
        const auto integerDigits = static_cast<std::size_t>(exponent) + 1;
        if (digits.size() <= integerDigits) {
            text = digits + std::string(integerDigits - digits.size(), '0');
        } else {
            text = digits.substr(0, integerDigits) + FilePoint + digits.substr(integerDigits);
        }
    }
    return negative ? "-" + text : text;
}

std::string NormalizeNumber(const std::string &text, int maxLength, bool pointAsDecimal,
                            float defaultValue, char decimalSeparator)
{
    std::string kept = KeepOnly(std::string(Trimmed(text)), NumberCharacters);
    kept = kept.substr(0, static_cast<std::size_t>(maxLength < 0 ? 0 : maxLength));
    kept = ToLocalDecimalSeparator(kept, decimalSeparator);

    const double value =
        ReadLocalNumber(kept, decimalSeparator).value_or(static_cast<double>(defaultValue));
    std::string number = FormatGeneralNumber(value);
    // The file always takes "."; only a number for the user keeps his separator.
    if (!pointAsDecimal)
        for (char &c : number)
            if (c == FilePoint)
                c = decimalSeparator;
    return number;
}

std::string FormatPanelNumber(float value, char decimalSeparator)
{
    return FormatFloatPattern(value, PanelMinDecimals, PanelMaxDecimals, decimalSeparator);
}
