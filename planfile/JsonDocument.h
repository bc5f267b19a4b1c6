#pragma once

#include <nlohmann/json.hpp>

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// The JSON text of a file the user chose, read into a document without
// trusting it: far deeper than a plan (the library's copies and printing
// recurse), a key twice in one object (which of them would count is
// anybody's guess) or a number beyond double are refused like text that is
// no JSON. Objects keep their keys sorted, so that a file of many keys
// takes no longer than its size warrants.

// Lists and objects within each other, the document's own counted; a plan
// needs three.
inline constexpr std::size_t MaxJsonDepth = 64;

struct JsonDocumentFault
{
    enum class Kind
    {
        None,
        NotJson,
        NumberTooLarge, // token: the number as written
        TooDeep,
        RepeatedKey,
    };

    Kind kind = Kind::None;
    // Where the value concerned stands, as "measurements[3].name"; for
    // TooDeep the member or element of the document that holds it.
    std::string path;
    std::string token;
    // Bytes read when the parser stopped (NotJson).
    std::size_t consumed = 0;
};

// The document, or nothing and why not.
std::optional<nlohmann::json> ParseJsonDocument(std::string_view bytes, JsonDocumentFault &fault);
