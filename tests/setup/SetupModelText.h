#pragma once

#include "setup/SetupModel.h"

#include <cstdio>
#include <cstring>
#include <string>

// Compares two setup models field by field and names the fields that differ.
// Reals are compared bit for bit, so NoLimit and NaN compare as they are.
namespace SetupModelText {

inline std::string Shown(const std::string &text)
{
    std::string out = "'";
    for (char c : text) {
        const auto code = static_cast<unsigned char>(c);
        if (code < ' ' || code > '~') {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", code);
            out += escaped;
        } else {
            out += c;
        }
    }
    return out + "'";
}

inline std::string Shown(float value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.9g", static_cast<double>(value));
    return text;
}

inline std::string Shown(std::int32_t value)
{
    return std::to_string(value);
}
inline std::string Shown(bool value)
{
    return value ? "true" : "false";
}

inline bool Same(float a, float b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}
template <typename T> bool Same(const T &a, const T &b)
{
    return a == b;
}

// Calls visit(name, first index, second index, field of a, field of b) for
// every field; name holds a printf pattern for the indexes.
template <typename Visit> void VisitFields(const SetupModel &a, const SetupModel &b, Visit visit)
{
    visit("StationID", 0, 0, a.StationID, b.StationID);
    for (int c = 1; c <= ChannelCount; ++c) {
        const ChannelRec &x = a.Channels[c];
        const ChannelRec &y = b.Channels[c];
        visit("Channels[%d].Active", c, 0, x.Active, y.Active);
        visit("Channels[%d].Store", c, 0, x.Store, y.Store);
        visit("Channels[%d].Nr", c, 0, x.Nr, y.Nr);
        visit("Channels[%d].Name", c, 0, x.Name, y.Name);
        visit("Channels[%d].MInterval", c, 0, x.MInterval, y.MInterval);
        visit("Channels[%d].AvgInterval", c, 0, x.AvgInterval, y.AvgInterval);
        visit("Channels[%d].SkalFactor", c, 0, x.SkalFactor, y.SkalFactor);
        visit("Channels[%d].SkalOffset", c, 0, x.SkalOffset, y.SkalOffset);
        for (int k = 1; k <= LimitSlotCount; ++k) {
            const LimitRec &s = x.Limits[k];
            const LimitRec &t = y.Limits[k];
            visit("Channels[%d].Limits[%d].LimitValue", c, k, s.LimitValue, t.LimitValue);
            visit("Channels[%d].Limits[%d].LimitDir", c, k, s.LimitDir, t.LimitDir);
            visit("Channels[%d].Limits[%d].GradValue", c, k, s.GradValue, t.GradValue);
            visit("Channels[%d].Limits[%d].GradDir", c, k, s.GradDir, t.GradDir);
        }
    }
    for (int i = 1; i <= TransmissionCount; ++i) {
        const TransRec &x = a.Transmissions[i];
        const TransRec &y = b.Transmissions[i];
        visit("Transmissions[%d].Interval", i, 0, x.Interval, y.Interval);
        visit("Transmissions[%d].Offset", i, 0, x.Offset, y.Offset);
        visit("Transmissions[%d].AlarmInt1", i, 0, x.AlarmInt1, y.AlarmInt1);
        visit("Transmissions[%d].AlarmInt2", i, 0, x.AlarmInt2, y.AlarmInt2);
        visit("Transmissions[%d].AlarmInt3", i, 0, x.AlarmInt3, y.AlarmInt3);
        visit("Transmissions[%d].DataFormat", i, 0, x.DataFormat, y.DataFormat);
        visit("Transmissions[%d].Server1Inst", i, 0, x.Server1Inst, y.Server1Inst);
        visit("Transmissions[%d].Server1Type", i, 0, x.Server1Type, y.Server1Type);
        visit("Transmissions[%d].Server2Mode", i, 0, x.Server2Mode, y.Server2Mode);
        visit("Transmissions[%d].Server2Inst", i, 0, x.Server2Inst, y.Server2Inst);
        visit("Transmissions[%d].Server2Type", i, 0, x.Server2Type, y.Server2Type);
        visit("Transmissions[%d].ChannelList", i, 0, x.ChannelList, y.ChannelList);
        visit("Transmissions[%d].Compression", i, 0, x.Compression, y.Compression);
    }
    for (int s = 1; s <= ServerInstanceCount; ++s)
        visit("ServerInstTypes[%d]", s, 0, a.ServerInstTypes[s], b.ServerInstTypes[s]);
}

// Empty when the models are equal, otherwise one line per field that differs.
inline std::string Differences(const SetupModel &actual, const SetupModel &expected)
{
    std::string out;
    VisitFields(
        actual, expected,
        [&out](const char *pattern, int first, int second, const auto &got, const auto &want) {
            if (Same(got, want))
                return;
            char name[64];
            std::snprintf(name, sizeof name, pattern, first, second);
            out += std::string("\n  ") + name + ": got " + Shown(got) + ", expected " + Shown(want);
        });
    return out;
}

} // namespace SetupModelText
