#pragma once

#include "common/OneBasedArray.h"

#include <cstdint>
#include <string>

// The tool's copy of a logger's configuration. Texts are 8-bit, one byte per
// character, exactly as the setup file holds them.

inline constexpr float NoLimit = -9999999.0f;

inline constexpr int ChannelCount = 12;
inline constexpr int TransmissionCount = 2;
inline constexpr int LimitSlotCount = 3;
inline constexpr int ServerInstanceCount = 4;

struct LimitRec
{
    float LimitValue = NoLimit;
    std::int32_t LimitDir = 0;
    float GradValue = NoLimit;
    std::int32_t GradDir = 0;
};

struct ChannelRec
{
    bool Active = false;
    bool Store = false;
    std::string Nr;
    std::string Name;
    std::int32_t MInterval = 0;
    std::int32_t AvgInterval = 0;
    float SkalFactor = 0.0f;
    float SkalOffset = 0.0f;
    OneBasedArray<LimitRec, LimitSlotCount> Limits;
};

struct TransRec
{
    std::int32_t Interval = 0;
    std::int32_t Offset = 0;
    std::int32_t AlarmInt1 = 0;
    std::int32_t AlarmInt2 = 0;
    std::int32_t AlarmInt3 = 0;
    std::int32_t DataFormat = 0;
    std::int32_t Server1Inst = 0;
    std::int32_t Server1Type = 0;
    std::int32_t Server2Mode = 0;
    std::int32_t Server2Inst = 0;
    std::int32_t Server2Type = 0;
    std::string ChannelList;
    bool Compression = false;
};

struct SetupModel
{
    std::string StationID;
    OneBasedArray<ChannelRec, ChannelCount> Channels;
    OneBasedArray<TransRec, TransmissionCount> Transmissions;
    OneBasedArray<std::int32_t, ServerInstanceCount> ServerInstTypes;
};

// Station and channel records to their start-up defaults; transmission
// records and server instance types are left as they are.
void ResetSetupDefaults(SetupModel &model);

// The state in which every read of a setup file begins: all channel and
// transmission records and the server instance types; StationID is kept.
void ResetSetupForRead(SetupModel &model);
