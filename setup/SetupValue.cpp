#include "setup/SetupValue.h"

#include "common/NumberFormat.h"
#include "common/Text.h"
#include "setup/SetupFileFormat.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>

using namespace SetupFile;

namespace {

// Longer texts are not taken as numbers, so converting one costs little
// however often a directory points at it.
constexpr std::size_t MaxNumberTextLength = 256;
constexpr std::size_t FloatTextSize = 32;

std::string At(std::uint64_t offset)
{
    return " at offset " + std::to_string(offset);
}

SetupReadFailure BeyondEnd(std::uint64_t recordOffset)
{
    return SetupReadFailure("the value record" + At(recordOffset) +
                            " lies beyond the end of the file");
}

SetupReadFailure NoInteger(const std::string &what, std::uint64_t recordOffset)
{
    return SetupReadFailure(what + At(recordOffset) + " does not fit an integer field");
}

float FloatOf(std::uint32_t bits)
{
    float value = 0;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

std::int32_t Int32Of(std::uint32_t bits)
{
    std::int32_t value = 0;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

// A leading plus sign is allowed; from_chars takes only a minus.
std::string_view WithoutPlus(std::string_view text)
{
    if (text.size() > 1 && text.front() == '+' && text[1] != '-')
        text.remove_prefix(1);
    return text;
}

template <typename T> bool ParseWhole(std::string_view text, T &value)
{
    const char *end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    return error == std::errc() && stop == end && !text.empty();
}

bool ParseInt32(std::string_view text, std::int32_t &value)
{
    return ParseWhole(WithoutPlus(text), value);
}

bool ParseReal(std::string_view text, double &value)
{
    return ParseWhole(WithoutPlus(text), value);
}

std::int32_t RealToInt32(float real, std::uint64_t recordOffset)
{
    constexpr double Lowest = std::numeric_limits<std::int32_t>::min();
    constexpr double Highest = std::numeric_limits<std::int32_t>::max();
    const double rounded = std::isfinite(real) ? Round(real) : 0.0;
    if (!std::isfinite(real) || rounded < Lowest || rounded > Highest) {
        char text[FloatTextSize] = {};
        std::to_chars(text, text + sizeof text - 1, real);
        throw NoInteger("the real value " + std::string(text), recordOffset);
    }
    return static_cast<std::int32_t>(rounded);
}

} // namespace

std::string UnreadableAt(std::uint64_t offset)
{
    return "the bytes" + At(offset) + " cannot be read";
}

std::uint32_t SetupValueReader::Word(std::uint64_t position, std::uint64_t recordOffset)
{
    if (!source_.Holds(position, FieldSize))
        throw BeyondEnd(recordOffset);
    std::uint32_t word = 0;
    if (!source_.ReadUInt32At(position, word))
        throw SetupReadFailure(UnreadableAt(position));
    return word;
}

SetupValue SetupValueReader::Read(std::uint64_t recordOffset)
{
    SetupValue value;
    value.recordOffset = recordOffset;
    const std::uint32_t type = Word(recordOffset, recordOffset);
    const std::uint64_t payload = recordOffset + FieldSize;
    switch (type) {
    case TypeInt32:
    case TypeUInt32:
    case TypeFloat32:
        value.kind = type == TypeInt32    ? SetupValue::Kind::Int32
                     : type == TypeUInt32 ? SetupValue::Kind::UInt32
                                          : SetupValue::Kind::Float32;
        value.bits = Word(payload, recordOffset);
        break;
    case TypeText:
    case TypeTextAlt:
    case TypeInt32Array:
    case TypeUInt32Array: {
        const bool text = type == TypeText || type == TypeTextAlt;
        value.kind = text                     ? SetupValue::Kind::Text
                     : type == TypeInt32Array ? SetupValue::Kind::Int32Array
                                              : SetupValue::Kind::UInt32Array;
        value.count = Word(payload, recordOffset);
        value.dataOffset = payload + FieldSize;
        const std::uint64_t bytes = text ? value.count : value.count * FieldSize;
        if (!source_.Holds(value.dataOffset, bytes)) {
            const std::uint64_t remaining = source_.Size() - value.dataOffset;
            throw SetupReadFailure((text ? "the text length " : "the array count ") +
                                   std::to_string(value.count) + " of the value record" +
                                   At(recordOffset) + " exceeds the " + std::to_string(remaining) +
                                   " bytes that remain");
        }
        break;
    }
    default:
        break;
    }
    return value;
}

std::string_view SetupValueReader::NumberText(const SetupValue &value)
{
    if (value.count > MaxNumberTextLength)
        return {};
    numberText_.resize(value.count);
    if (!source_.ReadAt(value.dataOffset, numberText_.data(), numberText_.size()))
        throw SetupReadFailure(UnreadableAt(value.dataOffset));
    return Trimmed(numberText_);
}

std::optional<std::int32_t> SetupValueReader::Integer(const SetupValue &value)
{
    switch (value.kind) {
    case SetupValue::Kind::Int32:
        return Int32Of(value.bits);
    case SetupValue::Kind::UInt32:
        if (value.bits > static_cast<std::uint32_t>(std::numeric_limits<std::int32_t>::max()))
            throw NoInteger("the unsigned value " + std::to_string(value.bits), value.recordOffset);
        return static_cast<std::int32_t>(value.bits);
    case SetupValue::Kind::Float32:
        return RealToInt32(FloatOf(value.bits), value.recordOffset);
    case SetupValue::Kind::Text: {
        std::int32_t number = 0;
        if (!ParseInt32(NumberText(value), number))
            throw SetupReadFailure("the text" + At(value.recordOffset) +
                                   " does not hold a whole number");
        return number;
    }
    default:
        return std::nullopt;
    }
}

std::optional<float> SetupValueReader::Real(const SetupValue &value)
{
    switch (value.kind) {
    case SetupValue::Kind::Int32:
        return static_cast<float>(Int32Of(value.bits));
    case SetupValue::Kind::UInt32:
        return static_cast<float>(value.bits);
    case SetupValue::Kind::Float32:
        return FloatOf(value.bits);
    case SetupValue::Kind::Text: {
        double number = 0;
        const bool parsed = ParseReal(NumberText(value), number);
        if (!parsed ||
            (std::isfinite(number) && std::fabs(number) > std::numeric_limits<float>::max()))
            throw SetupReadFailure("the text" + At(value.recordOffset) +
                                   " does not hold a real number");
        return static_cast<float>(number);
    }
    default:
        return std::nullopt;
    }
}

std::optional<bool> SetupValueReader::Flag(const SetupValue &value)
{
    switch (value.kind) {
    case SetupValue::Kind::Int32:
    case SetupValue::Kind::UInt32:
        return value.bits != 0;
    case SetupValue::Kind::Float32:
    case SetupValue::Kind::Text:
        return *Real(value) != 0.0f;
    default:
        return std::nullopt;
    }
}

std::optional<TextValue> SetupValueReader::Text(const SetupValue &value) const
{
    TextValue text;
    switch (value.kind) {
    case SetupValue::Kind::Text:
        text.offset = value.dataOffset;
        text.length = std::min(value.count, MaxTextLength);
        return text;
    case SetupValue::Kind::Int32:
        text.inFile = false;
        text.literal = std::to_string(Int32Of(value.bits));
        return text;
    case SetupValue::Kind::UInt32:
        text.inFile = false;
        text.literal = std::to_string(value.bits);
        return text;
    case SetupValue::Kind::Float32: {
        char digits[FloatTextSize] = {};
        const auto result = std::to_chars(digits, digits + sizeof digits, FloatOf(value.bits));
        text.inFile = false;
        text.literal.assign(digits, result.ptr);
        return text;
    }
    default:
        return std::nullopt;
    }
}

bool SetupValueReader::IsArray(const SetupValue &value)
{
    return value.kind == SetupValue::Kind::Int32Array ||
           value.kind == SetupValue::Kind::UInt32Array;
}

std::int32_t SetupValueReader::ArrayElement(const SetupValue &value, std::uint32_t element)
{
    if (element < 1 || element > value.count)
        throw SetupReadFailure("the array" + At(value.recordOffset) + " has " +
                               std::to_string(value.count) +
                               (value.count == 1 ? " element" : " elements") + ", element " +
                               std::to_string(element) + " is missing");
    SetupValue single;
    single.kind = value.kind == SetupValue::Kind::Int32Array ? SetupValue::Kind::Int32
                                                             : SetupValue::Kind::UInt32;
    single.recordOffset = value.recordOffset;
    single.bits = Word(value.dataOffset + (element - 1) * FieldSize, value.recordOffset);
    return *Integer(single);
}

std::string SetupValueReader::Fetch(const TextValue &text)
{
    if (!text.inFile)
        return text.literal;
    std::string bytes(text.length, '\0');
    if (!source_.ReadAt(text.offset, bytes.data(), bytes.size()))
        throw SetupReadFailure(UnreadableAt(text.offset));
    return bytes;
}
