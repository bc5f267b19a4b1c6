#pragma once

#include "common/FileFault.h"
#include "estimators/StationPlan.h"

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

// Plan files: one station plan as UTF-8 JSON, every input by meaning, keys in
// a fixed order so that two saves of one plan are the same bytes and a diff
// shows what changed. The figures are written for a reader's information and
// ignored when read.

inline constexpr const char *PlanFileExtension = ".p1kplan";
inline constexpr const char *PlanFormatName = "pelora-toolbox-plan";
inline constexpr int PlanFileVersion = 1;

// Why a plan file was refused, naming the key as a path such as
// "measurements[3].sampling_interval_s" (entries counted from 0).
struct PlanFileError
{
    enum class Kind
    {
        None,
        File,         // fault says why it could not be read
        NotJson,      // line and column: where the parser stopped
        NotPlan,      // another format
        NewerVersion, // detail: the version given
        MissingKey,
        WrongType,  // expected: what the key must hold
        NotOffered, // detail: the value, as the file writes it
        Repeated,   // detail: the value
        WrongCount, // detail: how many entries it must hold
        NotLatin1,  // detail: the character
        TooLong,    // detail: the longest length taken
        // The document itself:
        NumberTooLarge, // detail: the number as written
        TooDeep,        // detail: how deep lists and objects may nest
        RepeatedKey,    // a key twice in one object
    };

    // What a key of the wrong type must hold.
    enum class Expected
    {
        Nothing,
        Object,
        List,
        TrueOrFalse,
        WholeNumber,
        WholeNumberOrNull,
        Number,
        Text,
        TextOrNull,
    };

    Kind kind = Kind::None;
    std::string key;
    Expected expected = Expected::Nothing;
    std::string detail;
    FileFault fault;
    // Counted from 1.
    std::size_t line = 0;
    std::size_t column = 0;

    explicit operator bool() const { return kind != Kind::None; }

    // The reason in the language asked for, naming the key; UTF-8.
    std::string Text(bool german) const;
};

struct PlanReadResult
{
    std::optional<StationPlan> plan; // only when the whole file is sound
    PlanFileError error;
};

// The file's bytes for a plan.
std::string PlanFileText(const StationPlan &plan);

// A plan from the bytes of a file; nothing but the reason when any part of
// it is not sound. Keys this version does not know are ignored.
PlanReadResult ParsePlanFile(std::string_view bytes);

// Reads a plan file (ReadInputFile's limits apply).
PlanReadResult ReadPlanFile(const std::filesystem::path &path);

// Writes the plan so that the path holds the old file or the whole new one;
// the reason on failure.
FileFault SavePlanFile(const std::filesystem::path &path, const StationPlan &plan);
