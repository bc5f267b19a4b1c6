#include "setup/SetupApply.h"

#include "common/IdLengths.h"
#include "common/ListItems.h"

#include <array>

namespace {

// By the logger's code 0 to 8.
constexpr std::array<int, 9> ServerTypeOfCode = {
    ServerType::Http, ServerType::Ftp,  ServerType::Ftp,   ServerType::Https, ServerType::Http,
    ServerType::Http, ServerType::Mqtt, ServerType::Mqtts, ServerType::Ftps};

// Known data format codes; the item is the code less 4, the lowest code
// giving the last item.
constexpr int FirstDataFormat = 3;
constexpr int LastDataFormat = 8;
constexpr int DataFormatItemOffset = 4;

constexpr int MaxServer2Mode = 1;
constexpr int MaxLimitDir = 1;
constexpr int MaxGradDir = 2;

constexpr auto IdLength = static_cast<std::size_t>(MeasurementIdLength);

bool Within(int value, int low, int high)
{
    return value >= low && value <= high;
}

int ServerTypeOfInstance(const SetupModel &model, int instance)
{
    // Instance 0 is no server; it shows the first type, like every unknown code.
    if (!OneBasedArray<std::int32_t, ServerInstanceCount>::contains(instance))
        return ServerType::Http;
    return ServerTypeIndex(model.ServerInstTypes[instance]);
}

} // namespace

int ServerTypeIndex(int code)
{
    if (!Within(code, 0, static_cast<int>(ServerTypeOfCode.size()) - 1))
        return ServerType::Http;
    return ServerTypeOfCode[static_cast<std::size_t>(code)];
}

int DataFormatItem(int dataFormat)
{
    if (!Within(dataFormat, FirstDataFormat, LastDataFormat))
        return DataFormat::VeskMl;
    const int item = dataFormat - DataFormatItemOffset;
    return item < 0 ? DataFormat::Zrxp : item;
}

int SecondaryModeItem(const TransRec &transmission)
{
    return transmission.Server2Inst <= 0 ? SecondaryModeNone : transmission.Server2Mode + 1;
}

void CorrectSetup(SetupModel &model)
{
    for (TransRec &tx : model.Transmissions) {
        if (!Within(tx.DataFormat, FirstDataFormat, LastDataFormat))
            tx.DataFormat = 0;
        if (!Within(tx.Server1Inst, 0, ServerInstanceCount))
            tx.Server1Inst = 0;
        if (!Within(tx.Server2Inst, 0, ServerInstanceCount))
            tx.Server2Inst = 0;
        if (!Within(tx.Server2Mode, 0, MaxServer2Mode))
            tx.Server2Mode = 0;
    }
    for (ChannelRec &channel : model.Channels) {
        for (LimitRec &slot : channel.Limits) {
            if (!Within(slot.LimitDir, 0, MaxLimitDir))
                slot.LimitDir = 0;
            if (!Within(slot.GradDir, 0, MaxGradDir))
                slot.GradDir = 0;
        }
    }
    for (TransRec &tx : model.Transmissions) {
        tx.Server1Type = ServerTypeOfInstance(model, tx.Server1Inst);
        tx.Server2Type = ServerTypeOfInstance(model, tx.Server2Inst);
    }
}

bool ChannelListHas(const std::string &channelList, const std::string &nr)
{
    for (std::size_t at = 0; at + IdLength <= channelList.size(); at += IdLength) {
        if (channelList.compare(at, IdLength, nr) == 0)
            return true;
    }
    return false;
}
