#pragma once

#include "common/FileFault.h"
#include "setup/ByteSource.h"
#include "setup/SetupModel.h"

#include <filesystem>
#include <string>

// Shown in front of the description of a walk that failed.
inline constexpr const char *ReadConfigFailedText = "Read of config failed - ";

enum class SetupReadOutcome
{
    Complete,   // the walk reached the end of the directory
    OpenFailed, // the file could not be opened or is too large; nothing was read
    WalkFailed  // the walk stopped; what was read before stays in the model
};

struct SetupReadResult
{
    SetupReadOutcome Outcome = SetupReadOutcome::Complete;
    std::string Description; // why the open or the walk failed
    FileFault Fault;         // why the file was not opened

    // The truth value of the read: only a complete walk may be applied.
    bool Succeeded() const { return Outcome == SetupReadOutcome::Complete; }
};

// Resets the model for a read (ResetSetupForRead), then walks the setup file
// held by source into it. Never throws.
SetupReadResult ReadSetupFile(ByteSource &source, SetupModel &model);

// The same for the file at path; a file that cannot be opened gives
// OpenFailed, with the model already reset.
SetupReadResult ReadSetupFile(const std::filesystem::path &path, SetupModel &model);

// The station ID a setup file names, read without applying anything: UTF-8,
// without leading and trailing blanks; empty when the file names none. Only
// a complete read gives one; read tells how it went.
struct SetupStationId
{
    SetupReadResult read;
    std::string stationId;
};

SetupStationId ReadSetupStationId(const std::filesystem::path &path);
