#pragma once

#include "common/FileFault.h"

#include <cstdint>

// Layout of a logger's binary setup file. All numbers are little-endian.
// A 256-byte header, then a directory of 20-byte entries, each pointing at
// a value record: a type code followed by the value.
namespace SetupFile {

inline constexpr std::uint64_t HeaderSize = 256;
inline constexpr std::uint64_t DirEntrySize = 20;
inline constexpr std::uint32_t EndOfDirectory = 0xFFFFFFFF;

// What the tool takes at most. A logger's setup file has some kilobytes and
// its texts (station ID, channel IDs and names, channel lists) a few dozen
// characters; far larger ones would only freeze the window.
inline constexpr std::uint64_t MaxFileSize = MaxInputFileBytes;
inline constexpr std::uint32_t MaxTextLength = 256;

// Where the fields lie within a directory entry; bytes 8 to 11 mean nothing
// to the tool.
inline constexpr std::uint64_t ParamIdAt = 0;
inline constexpr std::uint64_t InstanceAt = 4;
inline constexpr std::uint64_t ElementAt = 12;
inline constexpr std::uint64_t ValueOffsetAt = 16;

// Type codes of value records. Both text codes are read alike.
inline constexpr std::uint32_t TypeInt32 = 4;
inline constexpr std::uint32_t TypeUInt32 = 5;
inline constexpr std::uint32_t TypeFloat32 = 6;
inline constexpr std::uint32_t TypeText = 10;
inline constexpr std::uint32_t TypeTextAlt = 11;
inline constexpr std::uint32_t TypeInt32Array = 14;
inline constexpr std::uint32_t TypeUInt32Array = 15;

// Size of the type code, of a single value, of a text length or array count,
// and of one array element.
inline constexpr std::uint64_t FieldSize = 4;

// The parameters that the tool takes over.
inline constexpr std::uint32_t ParamStationID = 0x101;
inline constexpr std::uint32_t ParamUnusedA = 0x111; // value checked, nothing taken
inline constexpr std::uint32_t ParamServerInstance = 0x113;
inline constexpr std::uint32_t ParamTransmission = 0x116;
inline constexpr std::uint32_t ParamChannel = 0x130;
inline constexpr std::uint32_t ParamSampling = 0x132;
inline constexpr std::uint32_t ParamStorage = 0x180;
inline constexpr std::uint32_t ParamScaling = 0x1A0;
inline constexpr std::uint32_t ParamStorageInterval = 0x1A1;
inline constexpr std::uint32_t ParamLimit = 0x1A3;
inline constexpr std::uint32_t ParamUnusedB = 0x1A4; // value checked, nothing taken

// Elements of those parameters.
inline constexpr std::int32_t ElemStationID = 2;
inline constexpr std::int32_t ElemServerType = 2;
inline constexpr std::int32_t ElemTxInterval = 4;
inline constexpr std::int32_t ElemTxServers = 6;
inline constexpr std::int32_t ElemTxServer2Mode = 9;
inline constexpr std::int32_t ElemTxChannelList = 10;
inline constexpr std::int32_t ElemTxDataFormat = 11;
inline constexpr std::int32_t ElemTxOffset = 12;
inline constexpr std::int32_t ElemTxAlarms = 13;
inline constexpr std::int32_t ElemTxCompression = 18;
inline constexpr std::int32_t ElemChannelNr = 2;
inline constexpr std::int32_t ElemChannelName = 3;
inline constexpr std::int32_t ElemSamplingInterval = 2;
inline constexpr std::int32_t ElemSkalFactor = 2;
inline constexpr std::int32_t ElemSkalOffset = 3;
inline constexpr std::int32_t ElemStorageInterval = 2;
inline constexpr std::int32_t ElemLimitValue = 3;
inline constexpr std::int32_t ElemLimitDir = 4;
inline constexpr std::int32_t ElemGradValue = 9;
inline constexpr std::int32_t ElemGradDir = 10;

} // namespace SetupFile

struct SetupDirEntry
{
    std::uint32_t ParamId = SetupFile::EndOfDirectory;
    std::int32_t Instance = 0;
    std::int32_t Element = 0;
    std::int32_t ValueOffset = 0;
};
