#include "setup/SetupReader.h"

#include "common/Text.h"
#include "setup/SetupFileFormat.h"
#include "setup/SetupValue.h"

#include <algorithm>
#include <initializer_list>
#include <new>
#include <vector>

using namespace SetupFile;

namespace {

bool IsTakenOver(std::uint32_t paramId)
{
    switch (paramId) {
    case ParamStationID:
    case ParamUnusedA:
    case ParamServerInstance:
    case ParamTransmission:
    case ParamChannel:
    case ParamSampling:
    case ParamStorage:
    case ParamScaling:
    case ParamStorageInterval:
    case ParamLimit:
    case ParamUnusedB:
        return true;
    default:
        return false;
    }
}

// Texts are copied out of the file only once the walk is over, the last one
// given to each field: a directory that points many entries at one text then
// costs one copy per field, not one per entry. Each text is cut to
// MaxTextLength bytes, so the model never holds more than that per field,
// however often a directory points at the same bytes.
class PendingTexts
{
public:
    explicit PendingTexts(SetupValueReader &values) : values_(values) {}

    void Keep(std::string &field, const SetupValue &value, bool trimmed)
    {
        std::optional<TextValue> text = values_.Text(value);
        if (!text)
            return;
        auto found = std::find_if(pending_.begin(), pending_.end(),
                                  [&field](const Pending &p) { return p.field == &field; });
        if (found == pending_.end())
            pending_.push_back({&field, std::move(*text), trimmed});
        else
            *found = {&field, std::move(*text), trimmed};
    }

    // Fills the fields; the texts read so far are kept even after a failure.
    void Apply()
    {
        for (const Pending &p : pending_) {
            const std::string text = values_.Fetch(p.text);
            *p.field = p.trimmed ? std::string(Trimmed(text)) : text;
        }
        pending_.clear();
    }

private:
    struct Pending
    {
        std::string *field;
        TextValue text;
        bool trimmed;
    };

    SetupValueReader &values_;
    std::vector<Pending> pending_; // at most one per text field of the model
};

class SetupWalk
{
public:
    SetupWalk(ByteSource &source, SetupModel &model)
        : source_(source), model_(model), values_(source), texts_(values_)
    {}

    // Walks the directory; throws SetupReadFailure where it has to stop.
    void Run()
    {
        for (std::uint64_t position = HeaderSize;; position += DirEntrySize) {
            // Fewer bytes than an entry, also a last entry cut short, end
            // the directory like its end marker.
            if (!source_.Holds(position, DirEntrySize))
                return;
            const SetupDirEntry entry = ReadEntry(position);
            if (entry.ParamId == EndOfDirectory)
                return;
            if (!IsTakenOver(entry.ParamId) ||
                entry.ValueOffset < static_cast<std::int32_t>(HeaderSize))
                continue;
            Apply(entry, values_.Read(static_cast<std::uint64_t>(entry.ValueOffset)));
        }
    }

    void ApplyTexts() { texts_.Apply(); }

private:
    static constexpr bool Trim = true;
    static constexpr bool KeepBytes = false;

    SetupDirEntry ReadEntry(std::uint64_t position)
    {
        SetupDirEntry entry;
        if (!source_.ReadUInt32At(position + ParamIdAt, entry.ParamId) ||
            !source_.ReadInt32At(position + InstanceAt, entry.Instance) ||
            !source_.ReadInt32At(position + ElementAt, entry.Element) ||
            !source_.ReadInt32At(position + ValueOffsetAt, entry.ValueOffset))
            throw SetupReadFailure(UnreadableAt(position));
        return entry;
    }

    void Apply(const SetupDirEntry &entry, const SetupValue &value)
    {
        switch (entry.ParamId) {
        case ParamStationID:
            if (entry.Element == ElemStationID)
                texts_.Keep(model_.StationID, value, KeepBytes);
            break;
        case ParamServerInstance:
            if (entry.Element == ElemServerType && model_.ServerInstTypes.contains(entry.Instance))
                SetInteger(value, model_.ServerInstTypes[entry.Instance]);
            break;
        case ParamTransmission:
            if (model_.Transmissions.contains(entry.Instance))
                ApplyTransmission(entry.Element, value, model_.Transmissions[entry.Instance]);
            break;
        case ParamChannel:
            StartChannel(entry, value);
            break;
        case ParamSampling:
        case ParamStorage:
        case ParamScaling:
        case ParamStorageInterval:
        case ParamLimit:
            // Entries of no channel, or of one the model has no place for.
            if (currentChannel_ != NoChannel)
                ApplyToChannel(entry, value, model_.Channels[currentChannel_]);
            break;
        default: // read for the check of their value record alone
            break;
        }
    }

    void ApplyTransmission(std::int32_t element, const SetupValue &value, TransRec &trans)
    {
        switch (element) {
        case ElemTxInterval:
            SetInteger(value, trans.Interval);
            break;
        case ElemTxOffset:
            SetInteger(value, trans.Offset);
            break;
        case ElemTxAlarms:
            SetFromArray(value, {&trans.AlarmInt1, &trans.AlarmInt2, &trans.AlarmInt3});
            break;
        case ElemTxDataFormat:
            SetInteger(value, trans.DataFormat);
            break;
        case ElemTxServers:
            SetFromArray(value, {&trans.Server1Inst, &trans.Server2Inst});
            break;
        case ElemTxServer2Mode:
            SetInteger(value, trans.Server2Mode);
            break;
        case ElemTxChannelList:
            texts_.Keep(trans.ChannelList, value, Trim);
            break;
        case ElemTxCompression:
            if (const std::optional<bool> flag = values_.Flag(value))
                trans.Compression = *flag;
            break;
        default:
            break;
        }
    }

    // A channel entry starts the channel whatever its value; a channel
    // outside the model closes the current one, so that the entries that
    // follow it do not land in the channel before.
    void StartChannel(const SetupDirEntry &entry, const SetupValue &value)
    {
        slotCounter_ = 0;
        if (!model_.Channels.contains(entry.Instance)) {
            currentChannel_ = NoChannel;
            return;
        }
        currentChannel_ = entry.Instance;
        ChannelRec &channel = model_.Channels[currentChannel_];
        channel.Active = true;
        if (entry.Element == ElemChannelNr)
            texts_.Keep(channel.Nr, value, Trim);
        else if (entry.Element == ElemChannelName)
            texts_.Keep(channel.Name, value, Trim);
    }

    void ApplyToChannel(const SetupDirEntry &entry, const SetupValue &value, ChannelRec &channel)
    {
        switch (entry.ParamId) {
        case ParamSampling:
            if (entry.Element == ElemSamplingInterval)
                if (const std::optional<std::int32_t> seconds = values_.Integer(value))
                    channel.MInterval = channel.AvgInterval = *seconds;
            break;
        case ParamStorage:
            channel.Store = true;
            break;
        case ParamScaling:
            if (entry.Element == ElemSkalFactor)
                SetReal(value, channel.SkalFactor);
            else if (entry.Element == ElemSkalOffset)
                SetReal(value, channel.SkalOffset);
            break;
        case ParamStorageInterval:
            // Only raises the storage interval, so that it stays at or above
            // the sampling interval set before it.
            if (entry.Element == ElemStorageInterval)
                if (const std::optional<std::int32_t> seconds = values_.Integer(value))
                    channel.AvgInterval = std::max(channel.AvgInterval, *seconds);
            break;
        default:
            ApplyLimit(entry.Element, value, channel);
            break;
        }
    }

    // Each limit value opens the next slot; the fields after it fill that
    // slot. A fourth limit, and fields with no open slot, have no place.
    void ApplyLimit(std::int32_t element, const SetupValue &value, ChannelRec &channel)
    {
        if (element == ElemLimitValue)
            slotCounter_ = std::min(slotCounter_ + 1, LimitSlotCount + 1);
        if (!channel.Limits.contains(slotCounter_))
            return;
        LimitRec &slot = channel.Limits[slotCounter_];
        switch (element) {
        case ElemLimitValue:
            SetReal(value, slot.LimitValue);
            break;
        case ElemLimitDir:
            SetInteger(value, slot.LimitDir);
            break;
        case ElemGradValue:
            SetReal(value, slot.GradValue);
            break;
        case ElemGradDir:
            SetInteger(value, slot.GradDir);
            break;
        default:
            break;
        }
    }

    void SetInteger(const SetupValue &value, std::int32_t &field)
    {
        if (const std::optional<std::int32_t> number = values_.Integer(value))
            field = *number;
    }

    void SetReal(const SetupValue &value, float &field)
    {
        if (const std::optional<float> number = values_.Real(value))
            field = *number;
    }

    // Array elements 1, 2, ... into the fields in turn; a missing element
    // fails after the fields before it have been set.
    void SetFromArray(const SetupValue &value, std::initializer_list<std::int32_t *> fields)
    {
        if (!SetupValueReader::IsArray(value))
            return;
        std::uint32_t element = 1;
        for (std::int32_t *field : fields)
            *field = values_.ArrayElement(value, element++);
    }

    static constexpr int NoChannel = 0;

    ByteSource &source_;
    SetupModel &model_;
    SetupValueReader values_;
    PendingTexts texts_;
    int currentChannel_ = NoChannel;
    int slotCounter_ = 0;
};

} // namespace

namespace {

SetupReadResult WalkSetupFile(ByteSource &source, SetupModel &model)
{
    SetupReadResult result;
    if (source.Size() > MaxFileSize) {
        result.Outcome = SetupReadOutcome::OpenFailed;
        result.Fault = FileFault::LargerThan(MaxFileSize);
        result.Description =
            "the file has " + std::to_string(source.Size()) + " bytes, " + result.Fault.Text();
        return result;
    }
    // The first failure is the one reported.
    const auto guarded = [&result](auto step) {
        const auto fail = [&result](const char *description) {
            if (result.Succeeded()) {
                result.Outcome = SetupReadOutcome::WalkFailed;
                result.Description = description;
            }
        };
        try {
            step();
        } catch (const SetupReadFailure &failure) {
            fail(failure.what());
        } catch (const std::bad_alloc &failure) {
            fail(failure.what());
        }
    };
    SetupWalk walk(source, model);
    guarded([&walk] { walk.Run(); });
    guarded([&walk] { walk.ApplyTexts(); });
    return result;
}

} // namespace

SetupReadResult ReadSetupFile(ByteSource &source, SetupModel &model)
{
    ResetSetupForRead(model);
    return WalkSetupFile(source, model);
}

SetupReadResult ReadSetupFile(const std::filesystem::path &path, SetupModel &model)
{
    ResetSetupForRead(model);
    FileByteSource source(path);
    if (!source.IsOpen())
        return {SetupReadOutcome::OpenFailed,
                "cannot open \"" + path.string() + "\": " + source.OpenFault().Text(),
                source.OpenFault()};
    return WalkSetupFile(source, model);
}

SetupStationId ReadSetupStationId(const std::filesystem::path &path)
{
    SetupModel model;
    SetupStationId result{ReadSetupFile(path, model), {}};
    if (result.read.Succeeded())
        result.stationId = Latin1ToUtf8(Trimmed(model.StationID));
    return result;
}
