#pragma once

#include "setup/ByteSource.h"

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

// A failure while walking a setup file; its text names the offset concerned.
class SetupReadFailure : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// A value record as it lies in the file: its type and where its bytes are.
// Nothing of a text or an array is copied until it is used.
struct SetupValue
{
    enum class Kind
    {
        None,
        Int32,
        UInt32,
        Float32,
        Text,
        Int32Array,
        UInt32Array
    };

    Kind kind = Kind::None;
    std::uint64_t recordOffset = 0; // the type code's offset, named in failures
    std::uint32_t bits = 0;         // a single value
    std::uint64_t dataOffset = 0;   // first byte of a text or an array
    std::uint32_t count = 0;        // text length or array count
};

// A text for a text field: bytes of the file, at most MaxTextLength of them,
// or the decimal text of a number.
struct TextValue
{
    bool inFile = true;
    std::uint64_t offset = 0;
    std::uint32_t length = 0;
    std::string literal;
};

// Reads value records and converts their values for the model's fields.
// A value of the wrong shape (an array where one value is wanted, one value
// where an array is wanted, an unknown type code) gives nothing; a value that
// cannot be converted, or a record that does not fit in the file, throws
// SetupReadFailure.
class SetupValueReader
{
public:
    explicit SetupValueReader(ByteSource &source) : source_(source) {}

    SetupValue Read(std::uint64_t recordOffset);

    std::optional<std::int32_t> Integer(const SetupValue &value);
    std::optional<float> Real(const SetupValue &value);
    std::optional<bool> Flag(const SetupValue &value);
    std::optional<TextValue> Text(const SetupValue &value) const;

    static bool IsArray(const SetupValue &value);
    // Element 1 to count of an array, as an integer.
    std::int32_t ArrayElement(const SetupValue &value, std::uint32_t element);

    std::string Fetch(const TextValue &text);

private:
    std::uint32_t Word(std::uint64_t position, std::uint64_t recordOffset);
    // The text of a value record that should hold a number, trimmed.
    std::string_view NumberText(const SetupValue &value);

    ByteSource &source_;
    std::string numberText_;
};

// Failure texts shared by the value reader and the walk.
std::string UnreadableAt(std::uint64_t offset);
