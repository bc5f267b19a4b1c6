#pragma once

// A station ID has 10 characters, a measurement ID 4; a transmission's
// channel list is a run of measurement IDs.
inline constexpr int StationIdLength = 10;
inline constexpr int MeasurementIdLength = 4;
