#include "setup/SetupFileFormat.h"
#include "setup/SetupReader.h"
#include "tests/setup/SetupFileBuilder.h"
#include "tests/setup/SetupModelText.h"

#include <QtTest>

#include <cmath>
#include <cstring>
#include <fstream>
#include <functional>
#include <limits>

using ModelChange = std::function<void(SetupModel &)>;
Q_DECLARE_METATYPE(ModelChange)
Q_DECLARE_METATYPE(SetupReadOutcome)

using namespace SetupFile;
using B = SetupFileBuilder;

namespace {

const std::string EarlierStation = "STATION-07";
constexpr std::int32_t Daily = 86400;

// The model as an earlier import left it: every field away from the value
// that a read starts from, so that the reset shows in each of them.
SetupModel EarlierImport()
{
    SetupModel model;
    ResetSetupDefaults(model);
    model.StationID = EarlierStation;
    for (ChannelRec &ch : model.Channels) {
        ch.Active = ch.Store = true;
        ch.Nr = "OLD1";
        ch.Name = "Old";
        ch.MInterval = ch.AvgInterval = 60;
        ch.SkalFactor = 2.0f;
        ch.SkalOffset = 5.0f;
        for (LimitRec &slot : ch.Limits)
            slot = {1.0f, 1, 2.0f, 2};
    }
    for (TransRec &tx : model.Transmissions)
        tx = {900, 4500, 1, 2, 3, 4, 1, 2, 1, 2, 3, "OLD1", true};
    for (std::int32_t &type : model.ServerInstTypes)
        type = 5;
    return model;
}

// What every read starts from, field by field; StationID stays.
SetupModel ReadStart()
{
    SetupModel model;
    model.StationID = EarlierStation;
    for (ChannelRec &ch : model.Channels) {
        ch = ChannelRec{};
        ch.SkalFactor = 1.0f;
    }
    for (TransRec &tx : model.Transmissions) {
        tx = TransRec{};
        tx.AlarmInt1 = tx.AlarmInt2 = tx.AlarmInt3 = Daily;
        tx.Server1Type = tx.Server2Type = -1;
    }
    for (std::int32_t &type : model.ServerInstTypes)
        type = -1;
    return model;
}

SetupModel Expected(const ModelChange &change)
{
    SetupModel model = ReadStart();
    change(model);
    return model;
}

const ModelChange Unchanged = [](SetupModel &) {};

QByteArray Bytes(const B::Bytes &bytes)
{
    return QByteArray(reinterpret_cast<const char *>(bytes.data()), static_cast<int>(bytes.size()));
}

QByteArray Bytes(const B &file)
{
    return Bytes(file.Build());
}

struct ReadOutcome
{
    SetupReadResult result;
    SetupModel model;
};

ReadOutcome ReadBytes(const QByteArray &bytes)
{
    ReadOutcome read{{}, EarlierImport()};
    MemoryByteSource source(reinterpret_cast<const std::uint8_t *>(bytes.constData()),
                            static_cast<std::size_t>(bytes.size()));
    read.result = ReadSetupFile(source, read.model);
    return read;
}

// One entry for channel, transmission or instance 1 whose value record is
// the tail of the file, so that the record may end with the file.
constexpr std::int32_t TailValueOffset = HeaderSize + 2 * DirEntrySize;

QByteArray ValueInTail(std::uint32_t paramId, std::int32_t element, const B::Bytes &tail)
{
    B file;
    file.AddAt(paramId, 1, element, TailValueOffset).Tail(tail);
    Q_ASSERT(file.TailStart() == static_cast<std::uint64_t>(TailValueOffset));
    return Bytes(file);
}

// A channel entry that names the channel, as most cases need one first.
B Channel1()
{
    B file;
    file.Add(ParamChannel, 1, ElemChannelNr, B::Text("0001"));
    return file;
}

void StartChannel1(SetupModel &m)
{
    m.Channels[1].Active = true;
    m.Channels[1].Nr = "0001";
}

// A setup as a logger writes it, spread over more than one page of the file
// reader by entries of ids that the tool does not use.
B FullSetup()
{
    B file;
    file.Add(ParamStationID, 1, ElemStationID, B::Text("PEL0000042"));
    for (int i = 0; i < 1000; ++i)
        file.Add(0x200, 1, 2, B::Int(i));
    file.Add(ParamChannel, 1, ElemChannelNr, B::Text("0001"))
        .Add(ParamChannel, 1, ElemChannelName, B::Text("Level   "))
        .Add(ParamSampling, 1, ElemSamplingInterval, B::Int(900))
        .Add(ParamStorage, 1, 1, B::Int(1))
        .Add(ParamStorageInterval, 1, ElemStorageInterval, B::Int(3600))
        .Add(ParamScaling, 1, ElemSkalFactor, B::Real(0.001f))
        .Add(ParamLimit, 1, ElemLimitValue, B::Real(2.5f))
        .Add(ParamLimit, 1, ElemLimitDir, B::Int(1))
        .Add(ParamChannel, 2, ElemChannelNr, B::Text("UBAT"))
        .Add(ParamSampling, 2, ElemSamplingInterval, B::Int(Daily))
        .Add(ParamTransmission, 1, ElemTxInterval, B::Int(3600))
        .Add(ParamTransmission, 1, ElemTxChannelList, B::Text("0001UBAT"))
        .Add(ParamTransmission, 1, ElemTxServers, B::IntArray({2, 0}))
        .Add(ParamServerInstance, 2, ElemServerType, B::Int(3));
    return file;
}

void FullSetupModel(SetupModel &m)
{
    m.StationID = "PEL0000042";
    ChannelRec &level = m.Channels[1];
    level.Active = level.Store = true;
    level.Nr = "0001";
    level.Name = "Level";
    level.MInterval = 900;
    level.AvgInterval = 3600;
    level.SkalFactor = 0.001f;
    level.Limits[1].LimitValue = 2.5f;
    level.Limits[1].LimitDir = 1;
    m.Channels[2].Active = true;
    m.Channels[2].Nr = "UBAT";
    m.Channels[2].MInterval = m.Channels[2].AvgInterval = Daily;
    m.Transmissions[1].Interval = 3600;
    m.Transmissions[1].ChannelList = "0001UBAT";
    m.Transmissions[1].Server1Inst = 2;
    m.ServerInstTypes[2] = 3;
}

// Bytes that report any size and hold end markers only, so a walk of them
// ends at once.
class EndMarkers final : public ByteSource
{
public:
    explicit EndMarkers(std::uint64_t size) : size_(size) {}

    std::uint64_t Size() const override { return size_; }
    bool ReadAt(std::uint64_t position, void *buffer, std::size_t count) override
    {
        if (!Holds(position, count))
            return false;
        std::memset(buffer, 0xFF, count);
        return true;
    }

private:
    std::uint64_t size_;
};

void CompareModel(const SetupModel &actual, const SetupModel &expected)
{
    const std::string differences = SetupModelText::Differences(actual, expected);
    QVERIFY2(differences.empty(), differences.c_str());
}

} // namespace

class TestSetupReader : public QObject
{
    Q_OBJECT

private slots:
    void keepsReadStart_data();
    void keepsReadStart();
    void values_data();
    void values();
    void failures_data();
    void failures();
    void textsStaySmall();
    void sizeBound_data();
    void sizeBound();
    void readsThroughFile_data();
    void readsThroughFile();
    void fileThatCannotBeOpened();
    void stationIdOfFile_data();
    void stationIdOfFile();
};

// Files whose walk ends well but leaves every record as the read reset it.
void TestSetupReader::keepsReadStart_data()
{
    QTest::addColumn<QByteArray>("file");

    const QByteArray header = Bytes(B().WithoutEnd());
    QTest::addRow("empty directory") << Bytes(B());
    QTest::addRow("empty file") << QByteArray();
    QTest::addRow("100 bytes") << header.left(100);
    QTest::addRow("header alone") << header;
    QTest::addRow("3 bytes after the header") << header + QByteArray(3, '\0');
    QTest::addRow("entry cut short after its id") << header + Bytes(B::Words({ParamChannel}));
    QTest::addRow("entry cut short before its offset")
        << header + Bytes(B::Words({ParamChannel, 1, 0, ElemChannelNr})) + QByteArray(3, '\0');

    // Passed over without reading their value record: reading it would fail
    // or start channel 1.
    QTest::addRow("unknown id") << Bytes(B().AddAt(300, 1, 2, std::numeric_limits<int>::max()));
    QTest::addRow("value offset 255") << Bytes(B().AddAt(ParamChannel, 1, ElemChannelNr, 255));
    QTest::addRow("negative value offsets")
        << Bytes(B().AddAt(ParamChannel, 1, ElemChannelNr, -1)
                     .AddAt(ParamChannel, 1, ElemChannelNr, std::numeric_limits<int>::min()));

    QTest::addRow("value records of 273 and 420")
        << Bytes(B().Add(ParamUnusedA, 1, 2, B::Text("abc"))
                     .Add(ParamUnusedA, 1, 7, B::UInt(4000000000u))
                     .Add(ParamUnusedB, 1, 2, B::IntArray({1, 2, 3})));
    QTest::addRow("channel entries before any channel")
        << Bytes(B().Add(ParamSampling, 1, ElemSamplingInterval, B::Int(600))
                     .Add(ParamStorage, 1, 1, B::Int(1))
                     .Add(ParamScaling, 1, ElemSkalFactor, B::Real(3.0f))
                     .Add(ParamStorageInterval, 1, ElemStorageInterval, B::Int(600))
                     .Add(ParamLimit, 1, ElemLimitValue, B::Real(1.0f)));
    QTest::addRow("channels outside the model")
        << Bytes(B().Add(ParamChannel, 0, ElemChannelNr, B::Text("0000"))
                     .Add(ParamChannel, 13, ElemChannelNr, B::Text("0013"))
                     .Add(ParamSampling, 13, ElemSamplingInterval, B::Int(600)));
    QTest::addRow("transmissions outside the model")
        << Bytes(B().Add(ParamTransmission, 0, ElemTxInterval, B::Int(60))
                     .Add(ParamTransmission, 3, ElemTxInterval, B::Int(60)));
    QTest::addRow("server instances outside the model")
        << Bytes(B().Add(ParamServerInstance, 0, ElemServerType, B::Int(1))
                     .Add(ParamServerInstance, 5, ElemServerType, B::Int(1)));
    QTest::addRow("elements that are not taken over")
        << Bytes(B().Add(ParamStationID, 1, 1, B::Text("NOT-THIS"))
                     .Add(ParamServerInstance, 1, 3, B::Int(1))
                     .Add(ParamTransmission, 1, 99, B::Int(1)));
}

void TestSetupReader::keepsReadStart()
{
    QFETCH(QByteArray, file);
    const ReadOutcome read = ReadBytes(file);
    QVERIFY2(read.result.Succeeded(), read.result.Description.c_str());
    CompareModel(read.model, ReadStart());
}

void TestSetupReader::values_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<ModelChange>("change");

    QTest::addRow("station ID keeps its bytes")
        << Bytes(B().Add(ParamStationID, 1, ElemStationID, B::Text(std::string(" ST01\0\0", 7))))
        << ModelChange([](SetupModel &m) { m.StationID = std::string(" ST01\0\0", 7); });
    QTest::addRow("station ID from an integer")
        << Bytes(B().Add(ParamStationID, 1, ElemStationID, B::UInt(4711)))
        << ModelChange([](SetupModel &m) { m.StationID = "4711"; });

    QTest::addRow("number and name trimmed")
        << Bytes(B().Add(ParamChannel, 1, ElemChannelNr, B::Text(" 0001\r\n"))
                     .Add(ParamChannel, 1, ElemChannelName, B::Text(std::string("Level\0\0\0", 8))))
        << ModelChange([](SetupModel &m) {
               StartChannel1(m);
               m.Channels[1].Name = "Level";
           });
    QTest::addRow("text code 11 read like 10")
        << Bytes(B().Add(ParamChannel, 2, ElemChannelName, B::Text("Temp", TypeTextAlt)))
        << ModelChange([](SetupModel &m) {
               m.Channels[2].Active = true;
               m.Channels[2].Name = "Temp";
           });
    QTest::addRow("channel entry of any element or type")
        << Bytes(B().Add(ParamChannel, 4, 7, B::Record(99)))
        << ModelChange([](SetupModel &m) { m.Channels[4].Active = true; });
    QTest::addRow("text that ends at the end of the file")
        << ValueInTail(ParamChannel, ElemChannelNr, B::Text("0001")) << ModelChange(StartChannel1);

    QTest::addRow("sampling then a lower storage interval")
        << Bytes(Channel1()
                     .Add(ParamSampling, 1, ElemSamplingInterval, B::Int(600))
                     .Add(ParamStorageInterval, 1, ElemStorageInterval, B::Int(300)))
        << ModelChange([](SetupModel &m) {
               StartChannel1(m);
               m.Channels[1].MInterval = m.Channels[1].AvgInterval = 600;
           });
    QTest::addRow("sampling then a higher storage interval")
        << Bytes(Channel1()
                     .Add(ParamSampling, 1, ElemSamplingInterval, B::Int(600))
                     .Add(ParamStorageInterval, 1, ElemStorageInterval, B::Int(3600)))
        << ModelChange([](SetupModel &m) {
               StartChannel1(m);
               m.Channels[1].MInterval = 600;
               m.Channels[1].AvgInterval = 3600;
           });
    QTest::addRow("a later sampling interval overwrites both")
        << Bytes(Channel1()
                     .Add(ParamSampling, 1, ElemSamplingInterval, B::Int(600))
                     .Add(ParamStorageInterval, 1, ElemStorageInterval, B::Int(3600))
                     .Add(ParamSampling, 1, ElemSamplingInterval, B::Int(900)))
        << ModelChange([](SetupModel &m) {
               StartChannel1(m);
               m.Channels[1].MInterval = m.Channels[1].AvgInterval = 900;
           });
    QTest::addRow("channel entries go to the latest channel")
        << Bytes(B().Add(ParamChannel, 3, ElemChannelNr, B::Text("UBAT"))
                     .Add(ParamSampling, 7, ElemSamplingInterval, B::Int(Daily))
                     .Add(ParamStorage, 9, 5, B::Int(0)))
        << ModelChange([](SetupModel &m) {
               m.Channels[3].Active = m.Channels[3].Store = true;
               m.Channels[3].Nr = "UBAT";
               m.Channels[3].MInterval = m.Channels[3].AvgInterval = Daily;
           });
    QTest::addRow("a channel outside the model closes the one before")
        << Bytes(B().Add(ParamChannel, 12, ElemChannelNr, B::Text("0012"))
                     .Add(ParamChannel, 13, ElemChannelNr, B::Text("0013"))
                     .Add(ParamSampling, 13, ElemSamplingInterval, B::Int(600))
                     .Add(ParamLimit, 13, ElemLimitValue, B::Real(1.0f)))
        << ModelChange([](SetupModel &m) {
               m.Channels[12].Active = true;
               m.Channels[12].Nr = "0012";
           });

    QTest::addRow("three limit slots and a direction for slot 2")
        << Bytes(Channel1()
                     .Add(ParamLimit, 1, ElemLimitValue, B::Real(1.5f))
                     .Add(ParamLimit, 1, ElemLimitValue, B::Real(2.5f))
                     .Add(ParamLimit, 1, ElemLimitDir, B::Int(1))
                     .Add(ParamLimit, 1, ElemLimitValue, B::Real(3.5f)))
        << ModelChange([](SetupModel &m) {
               StartChannel1(m);
               m.Channels[1].Limits[1].LimitValue = 1.5f;
               m.Channels[1].Limits[2].LimitValue = 2.5f;
               m.Channels[1].Limits[2].LimitDir = 1;
               m.Channels[1].Limits[3].LimitValue = 3.5f;
           });
    QTest::addRow("gradient fields fill the open slot")
        << Bytes(Channel1()
                     .Add(ParamLimit, 1, ElemLimitValue, B::Real(10.0f))
                     .Add(ParamLimit, 1, ElemGradValue, B::Real(0.25f))
                     .Add(ParamLimit, 1, ElemGradDir, B::Int(2)))
        << ModelChange([](SetupModel &m) {
               StartChannel1(m);
               m.Channels[1].Limits[1] = {10.0f, 0, 0.25f, 2};
           });
    QTest::addRow("limit fields without an open slot")
        << Bytes(Channel1()
                     .Add(ParamLimit, 1, ElemLimitDir, B::Int(1))
                     .Add(ParamLimit, 1, ElemGradValue, B::Real(2.0f))
                     .Add(ParamLimit, 1, ElemGradDir, B::Int(2)))
        << ModelChange(StartChannel1);
    QTest::addRow("a fourth limit is passed over")
        << Bytes(Channel1()
                     .Add(ParamLimit, 1, ElemLimitValue, B::Real(1.0f))
                     .Add(ParamLimit, 1, ElemLimitValue, B::Real(2.0f))
                     .Add(ParamLimit, 1, ElemLimitValue, B::Real(3.0f))
                     .Add(ParamLimit, 1, ElemLimitValue, B::Real(4.0f))
                     .Add(ParamLimit, 1, ElemLimitDir, B::Int(1)))
        << ModelChange([](SetupModel &m) {
               StartChannel1(m);
               for (int k = 1; k <= LimitSlotCount; ++k)
                   m.Channels[1].Limits[k].LimitValue = static_cast<float>(k);
           });
    QTest::addRow("a limit of no usable value still opens its slot")
        << Bytes(Channel1()
                     .Add(ParamLimit, 1, ElemLimitValue, B::Record(7))
                     .Add(ParamLimit, 1, ElemLimitValue, B::Real(2.0f)))
        << ModelChange([](SetupModel &m) {
               StartChannel1(m);
               m.Channels[1].Limits[2].LimitValue = 2.0f;
           });
    QTest::addRow("a new channel starts its slots from 1")
        << Bytes(Channel1()
                     .Add(ParamLimit, 1, ElemLimitValue, B::Real(1.0f))
                     .Add(ParamChannel, 2, ElemChannelNr, B::Text("0002"))
                     .Add(ParamLimit, 2, ElemLimitValue, B::Real(2.0f)))
        << ModelChange([](SetupModel &m) {
               StartChannel1(m);
               m.Channels[1].Limits[1].LimitValue = 1.0f;
               m.Channels[2].Active = true;
               m.Channels[2].Nr = "0002";
               m.Channels[2].Limits[1].LimitValue = 2.0f;
           });

    QTest::addRow("scaling from reals")
        << Bytes(Channel1()
                     .Add(ParamScaling, 1, ElemSkalFactor, B::Real(0.5f))
                     .Add(ParamScaling, 1, ElemSkalOffset, B::Real(-12.25f)))
        << ModelChange([](SetupModel &m) {
               StartChannel1(m);
               m.Channels[1].SkalFactor = 0.5f;
               m.Channels[1].SkalOffset = -12.25f;
           });
    QTest::addRow("scaling from an integer and a text")
        << Bytes(Channel1()
                     .Add(ParamScaling, 1, ElemSkalFactor, B::Int(3))
                     .Add(ParamScaling, 1, ElemSkalOffset, B::Text(" -1.5e2\0")))
        << ModelChange([](SetupModel &m) {
               StartChannel1(m);
               m.Channels[1].SkalFactor = 3.0f;
               m.Channels[1].SkalOffset = -150.0f;
           });
    QTest::addRow("reals into integers round halves to even")
        << Bytes(Channel1()
                     .Add(ParamSampling, 1, ElemSamplingInterval, B::Real(2.5f))
                     .Add(ParamChannel, 2, 1, B::Int(0))
                     .Add(ParamSampling, 2, ElemSamplingInterval, B::Real(3.5f))
                     .Add(ParamChannel, 3, 1, B::Int(0))
                     .Add(ParamSampling, 3, ElemSamplingInterval, B::Real(-2.5f)))
        << ModelChange([](SetupModel &m) {
               StartChannel1(m);
               m.Channels[1].MInterval = m.Channels[1].AvgInterval = 2;
               m.Channels[2].Active = m.Channels[3].Active = true;
               m.Channels[2].MInterval = m.Channels[2].AvgInterval = 4;
               m.Channels[3].MInterval = m.Channels[3].AvgInterval = -2;
           });
    QTest::addRow("texts holding whole numbers into integers")
        << Bytes(Channel1()
                     .Add(ParamSampling, 1, ElemSamplingInterval, B::Text(std::string(" 900\0", 5)))
                     .Add(ParamLimit, 1, ElemLimitValue, B::Text("+7"))
                     .Add(ParamLimit, 1, ElemLimitDir, B::Text("-1")))
        << ModelChange([](SetupModel &m) {
               StartChannel1(m);
               m.Channels[1].MInterval = m.Channels[1].AvgInterval = 900;
               m.Channels[1].Limits[1].LimitValue = 7.0f;
               m.Channels[1].Limits[1].LimitDir = -1;
           });
    QTest::addRow("unsigned up to 2147483647")
        << Bytes(Channel1().Add(ParamSampling, 1, ElemSamplingInterval, B::UInt(2147483647u)))
        << ModelChange([](SetupModel &m) {
               StartChannel1(m);
               m.Channels[1].MInterval = m.Channels[1].AvgInterval = 2147483647;
           });

    QTest::addRow("transmission 1")
        << Bytes(B().Add(ParamTransmission, 1, ElemTxInterval, B::Int(3600))
                     .Add(ParamTransmission, 1, ElemTxOffset, B::Int(1800))
                     .Add(ParamTransmission, 1, ElemTxAlarms, B::IntArray({60, 120, 180}))
                     .Add(ParamTransmission, 1, ElemTxDataFormat, B::Int(5))
                     .Add(ParamTransmission, 1, ElemTxServers, B::IntArray({1, 2}))
                     .Add(ParamTransmission, 1, ElemTxServer2Mode, B::Int(1))
                     .Add(ParamTransmission, 1, ElemTxChannelList, B::Text(" 00010002UBAT\0"))
                     .Add(ParamTransmission, 1, ElemTxCompression, B::Int(1)))
        << ModelChange([](SetupModel &m) {
               TransRec &tx = m.Transmissions[1];
               tx.Interval = 3600;
               tx.Offset = 1800;
               tx.AlarmInt1 = 60;
               tx.AlarmInt2 = 120;
               tx.AlarmInt3 = 180;
               tx.DataFormat = 5;
               tx.Server1Inst = 1;
               tx.Server2Inst = 2;
               tx.Server2Mode = 1;
               tx.ChannelList = "00010002UBAT";
               tx.Compression = true;
           });
    QTest::addRow("transmission 2 from unsigned arrays and a real flag")
        << Bytes(B().Add(ParamTransmission, 2, ElemTxAlarms, B::UIntArray({10, 20, 30, 40}))
                     .Add(ParamTransmission, 2, ElemTxServers, B::UIntArray({3, 4}))
                     .Add(ParamTransmission, 2, ElemTxCompression, B::Real(0.5f)))
        << ModelChange([](SetupModel &m) {
               TransRec &tx = m.Transmissions[2];
               tx.AlarmInt1 = 10;
               tx.AlarmInt2 = 20;
               tx.AlarmInt3 = 30;
               tx.Server1Inst = 3;
               tx.Server2Inst = 4;
               tx.Compression = true;
           });
    QTest::addRow("compression zero is false")
        << Bytes(B().Add(ParamTransmission, 1, ElemTxCompression, B::Int(1))
                     .Add(ParamTransmission, 1, ElemTxCompression, B::Int(0)))
        << Unchanged;
    QTest::addRow("server instance types")
        << Bytes(B().Add(ParamServerInstance, 1, ElemServerType, B::Int(1))
                     .Add(ParamServerInstance, 2, ElemServerType, B::Int(3))
                     .Add(ParamServerInstance, 3, ElemServerType, B::Int(-1))
                     .Add(ParamServerInstance, 4, ElemServerType, B::Int(6)))
        << ModelChange([](SetupModel &m) {
               m.ServerInstTypes[1] = 1;
               m.ServerInstTypes[2] = 3;
               m.ServerInstTypes[4] = 6;
           });

    // Entries whose value has no use for their field leave it as the read
    // reset it, never with the value of the entry before.
    QTest::addRow("unknown type codes")
        << Bytes(B().Add(ParamTransmission, 1, ElemTxInterval, B::Int(600))
                     .Add(ParamTransmission, 1, ElemTxOffset, B::Record(7))
                     .Add(ParamStationID, 1, ElemStationID, B::Record(0)))
        << ModelChange([](SetupModel &m) { m.Transmissions[1].Interval = 600; });
    QTest::addRow("an array where one value is wanted")
        << Bytes(Channel1()
                     .Add(ParamTransmission, 1, ElemTxInterval, B::Int(600))
                     .Add(ParamTransmission, 1, ElemTxOffset, B::IntArray({600}))
                     .Add(ParamChannel, 1, ElemChannelName, B::IntArray({1}))
                     .Add(ParamLimit, 1, ElemLimitValue, B::UIntArray({5})))
        << ModelChange([](SetupModel &m) {
               StartChannel1(m);
               m.Transmissions[1].Interval = 600;
           });
    QTest::addRow("one value where an array is wanted")
        << Bytes(B().Add(ParamTransmission, 1, ElemTxServers, B::IntArray({1, 2}))
                     .Add(ParamTransmission, 1, ElemTxAlarms, B::Int(60))
                     .Add(ParamTransmission, 2, ElemTxServers, B::Text("12")))
        << ModelChange([](SetupModel &m) {
               m.Transmissions[1].Server1Inst = 1;
               m.Transmissions[1].Server2Inst = 2;
           });

    QTest::addRow("a last entry cut short ends the walk")
        << Bytes(Channel1().WithoutEnd().Tail(B::Words({ParamChannel, 2, 0})))
        << ModelChange(StartChannel1);
    QTest::addRow("a directory ended by the end of the file")
        << Bytes(Channel1().WithoutEnd()) << ModelChange(StartChannel1);
    QTest::addRow("a whole setup") << Bytes(FullSetup()) << ModelChange(FullSetupModel);

    {
        // Each entry that points at a shared record takes its text.
        B file;
        const std::size_t name = file.AddRecord(B::Text(std::string(120, 'n')));
        for (int c = 1; c <= ChannelCount; ++c)
            file.AddShared(ParamChannel, c, ElemChannelName, name);
        QTest::addRow("twelve names sharing one record")
            << Bytes(file) << ModelChange([](SetupModel &m) {
                   for (ChannelRec &ch : m.Channels) {
                       ch.Active = true;
                       ch.Name = std::string(120, 'n');
                   }
               });
    }

    // Texts are cut to a length a control can show; a cut text is trimmed
    // where its field trims.
    const std::string full(MaxTextLength, 'x');
    QTest::addRow("a long name is cut")
        << Bytes(B().Add(ParamChannel, 1, ElemChannelName, B::Text(full + "tail")))
        << ModelChange([full](SetupModel &m) {
               m.Channels[1].Active = true;
               m.Channels[1].Name = full;
           });
    QTest::addRow("a cut name loses the blanks at the cut")
        << Bytes(B().Add(ParamChannel, 1, ElemChannelName,
                         B::Text(full.substr(2) + "  tail" + std::string(100000, '\0'))))
        << ModelChange([full](SetupModel &m) {
               m.Channels[1].Active = true;
               m.Channels[1].Name = full.substr(2);
           });
    QTest::addRow("a long station ID is cut, not trimmed")
        << Bytes(B().Add(ParamStationID, 1, ElemStationID, B::Text(" " + full)))
        << ModelChange([full](SetupModel &m) { m.StationID = " " + full.substr(1); });
    {
        std::string ids;
        for (int i = 0; i < 100; ++i)
            ids += "0001";
        QTest::addRow("a long channel list is cut")
            << Bytes(B().Add(ParamTransmission, 1, ElemTxChannelList, B::Text(ids)))
            << ModelChange([ids](SetupModel &m) {
                   m.Transmissions[1].ChannelList = ids.substr(0, MaxTextLength);
               });
    }
}

void TestSetupReader::values()
{
    QFETCH(QByteArray, file);
    QFETCH(ModelChange, change);
    const ReadOutcome read = ReadBytes(file);
    QVERIFY2(read.result.Succeeded(), read.result.Description.c_str());
    QCOMPARE(read.result.Outcome, SetupReadOutcome::Complete);
    CompareModel(read.model, Expected(change));
}

void TestSetupReader::failures_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("description");
    QTest::addColumn<ModelChange>("kept");

    const auto at = [](std::uint64_t offset) { return " at offset " + QString::number(offset); };
    const float nan = std::numeric_limits<float>::quiet_NaN();

    QTest::addRow("value record beyond the end")
        << Bytes(B().AddAt(ParamChannel, 1, ElemChannelNr, 5000))
        << "the value record" + at(5000) + " lies beyond the end of the file" << Unchanged;
    QTest::addRow("value record at the largest offset")
        << Bytes(B().AddAt(ParamUnusedA, 1, 1, std::numeric_limits<std::int32_t>::max()))
        << at(std::numeric_limits<std::int32_t>::max()) << Unchanged;
    QTest::addRow("value cut short by the end")
        << ValueInTail(ParamChannel, ElemChannelNr, {TypeInt32, 0, 0, 0, 1, 2})
        << "the value record" + at(TailValueOffset) << Unchanged;
    QTest::addRow("type code cut short by the end")
        << ValueInTail(ParamChannel, ElemChannelNr, {TypeText, 0})
        << "the value record" + at(TailValueOffset) << Unchanged;
    {
        B file = Channel1();
        file.Add(ParamUnusedA, 1, 1, B::TextClaiming(1000, "abc"));
        QTest::addRow("text length of 273 beyond the end")
            << Bytes(file)
            << "the text length 1000 of the value record" + at(file.RecordOffset(1)) +
                   " exceeds the 12 bytes that remain"
            << ModelChange(StartChannel1);
    }
    {
        B file;
        file.Add(ParamUnusedB, 1, 1, B::TextClaiming(0xFFFFFFFF, ""));
        QTest::addRow("text length of 420 beyond the end")
            << Bytes(file)
            << "the text length 4294967295 of the value record" + at(file.RecordOffset(0))
            << Unchanged;
    }
    {
        B file;
        file.Add(ParamUnusedA, 1, 1, B::Array(TypeInt32Array, 0x40000000, {1}));
        QTest::addRow("array count of 273 beyond the end")
            << Bytes(file)
            << "the array count 1073741824 of the value record" + at(file.RecordOffset(0))
            << Unchanged;
    }
    {
        B file;
        file.Add(ParamUnusedB, 1, 1, B::Array(TypeUInt32Array, 0xFFFFFFFF, {}));
        QTest::addRow("array count of 420 beyond the end")
            << Bytes(file)
            << "the array count 4294967295 of the value record" + at(file.RecordOffset(0))
            << Unchanged;
    }
    {
        B file;
        file.Add(ParamChannel, 1, ElemChannelName, B::TextClaiming(21, "Level"));
        QTest::addRow("text length of a name beyond the end")
            << Bytes(file) << "the text length 21 of the value record" + at(file.RecordOffset(0))
            << Unchanged;
    }
    {
        B file;
        file.Add(ParamTransmission, 1, ElemTxServers, B::IntArray({2}));
        QTest::addRow("one-element array for element 6")
            << Bytes(file)
            << "the array" + at(file.RecordOffset(0)) + " has 1 element, element 2 is missing"
            << ModelChange([](SetupModel &m) { m.Transmissions[1].Server1Inst = 2; });
    }
    QTest::addRow("two-element array for element 13")
        << Bytes(B().Add(ParamTransmission, 2, ElemTxAlarms, B::IntArray({60, 120})))
        << QString("has 2 elements, element 3 is missing") << ModelChange([](SetupModel &m) {
               m.Transmissions[2].AlarmInt1 = 60;
               m.Transmissions[2].AlarmInt2 = 120;
           });
    {
        B file = Channel1();
        file.Add(ParamSampling, 1, ElemSamplingInterval, B::UInt(2147483648u));
        QTest::addRow("unsigned above 2147483647")
            << Bytes(file)
            << "the unsigned value 2147483648" + at(file.RecordOffset(1)) +
                   " does not fit an integer field"
            << ModelChange(StartChannel1);
    }
    QTest::addRow("unsigned array element above 2147483647")
        << Bytes(B().Add(ParamTransmission, 1, ElemTxServers, B::UIntArray({4294967295u, 1})))
        << QString("the unsigned value 4294967295") << Unchanged;
    QTest::addRow("real beyond the integer range")
        << Bytes(Channel1().Add(ParamSampling, 1, ElemSamplingInterval, B::Real(3e9f)))
        << QString("the real value 3e+09") << ModelChange(StartChannel1);
    QTest::addRow("NaN into an integer")
        << Bytes(Channel1()
                     .Add(ParamLimit, 1, ElemLimitValue, B::Real(1.0f))
                     .Add(ParamLimit, 1, ElemLimitDir, B::Real(nan)))
        << QString("does not fit an integer field") << ModelChange([](SetupModel &m) {
               StartChannel1(m);
               m.Channels[1].Limits[1].LimitValue = 1.0f;
           });
    QTest::addRow("text with a decimal point into an integer")
        << Bytes(Channel1().Add(ParamSampling, 1, ElemSamplingInterval, B::Text("2.5")))
        << QString("does not hold a whole number") << ModelChange(StartChannel1);
    QTest::addRow("text with letters into an integer")
        << Bytes(B().Add(ParamTransmission, 1, ElemTxInterval, B::Text("12a")))
        << QString("does not hold a whole number") << Unchanged;
    QTest::addRow("empty text into an integer")
        << Bytes(B().Add(ParamServerInstance, 1, ElemServerType, B::Text("  ")))
        << QString("does not hold a whole number") << Unchanged;
    QTest::addRow("text beyond the integer range")
        << Bytes(B().Add(ParamTransmission, 1, ElemTxInterval, B::Text("2147483648")))
        << QString("does not hold a whole number") << Unchanged;
    QTest::addRow("text without a number into a real")
        << Bytes(Channel1().Add(ParamScaling, 1, ElemSkalFactor, B::Text("abc")))
        << QString("does not hold a real number") << ModelChange(StartChannel1);
    QTest::addRow("text beyond the real range")
        << Bytes(Channel1().Add(ParamScaling, 1, ElemSkalFactor, B::Text("1e39")))
        << QString("does not hold a real number") << ModelChange(StartChannel1);
    QTest::addRow("long text into an integer")
        << Bytes(
               B().Add(ParamTransmission, 1, ElemTxInterval, B::Text(std::string(300, '0') + "1")))
        << QString("does not hold a whole number") << Unchanged;

    QTest::addRow("what came before the failure stays, nothing after it")
        << Bytes(Channel1()
                     .Add(ParamSampling, 1, ElemSamplingInterval, B::Int(600))
                     .Add(ParamTransmission, 1, ElemTxChannelList, B::Text("0001"))
                     .Add(ParamSampling, 1, ElemSamplingInterval, B::UInt(3000000000u))
                     .Add(ParamStationID, 1, ElemStationID, B::Text("NEW"))
                     .Add(ParamChannel, 2, ElemChannelNr, B::Text("0002")))
        << QString("3000000000") << ModelChange([](SetupModel &m) {
               StartChannel1(m);
               m.Channels[1].MInterval = m.Channels[1].AvgInterval = 600;
               m.Transmissions[1].ChannelList = "0001";
           });
}

void TestSetupReader::failures()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, description);
    QFETCH(ModelChange, kept);
    const ReadOutcome read = ReadBytes(file);
    QVERIFY(!read.result.Succeeded());
    QCOMPARE(read.result.Outcome, SetupReadOutcome::WalkFailed);
    QVERIFY2(QString::fromStdString(read.result.Description).contains(description),
             read.result.Description.c_str());
    CompareModel(read.model, Expected(kept));
}

// However many entries point at one long text, each text field holds one
// cut copy: the model stays small and the walk linear.
void TestSetupReader::textsStaySmall()
{
    constexpr int Entries = 100000;
    B file;
    const std::size_t text = file.AddRecord(B::Text(std::string(1000000, 't')));
    for (int i = 0; i < Entries; ++i)
        file.AddShared(ParamChannel, i % ChannelCount + 1,
                       i / ChannelCount % 2 ? ElemChannelName : ElemChannelNr, text);
    file.AddShared(ParamStationID, 1, ElemStationID, text)
        .AddShared(ParamTransmission, 1, ElemTxChannelList, text)
        .AddShared(ParamTransmission, 2, ElemTxChannelList, text);
    const ReadOutcome read = ReadBytes(Bytes(file));
    QVERIFY2(read.result.Succeeded(), read.result.Description.c_str());

    std::vector<const std::string *> texts = {&read.model.StationID};
    for (const ChannelRec &ch : read.model.Channels)
        texts.insert(texts.end(), {&ch.Nr, &ch.Name});
    for (const TransRec &tx : read.model.Transmissions)
        texts.push_back(&tx.ChannelList);
    for (const std::string *held : texts)
        QCOMPARE(QString::fromStdString(*held), QString(MaxTextLength, 't'));
}

void TestSetupReader::sizeBound_data()
{
    QTest::addColumn<quint64>("size");
    QTest::addColumn<bool>("read");
    QTest::addRow("at the bound") << quint64(MaxFileSize) << true;
    QTest::addRow("one byte more") << quint64(MaxFileSize + 1) << false;
    QTest::addRow("4 GB") << quint64(4'000'000'000) << false;
}

// A file larger than any setup file is refused before its walk.
void TestSetupReader::sizeBound()
{
    QFETCH(quint64, size);
    QFETCH(bool, read);
    EndMarkers source(size);
    SetupModel model = EarlierImport();
    const SetupReadResult result = ReadSetupFile(source, model);
    QCOMPARE(result.Outcome, read ? SetupReadOutcome::Complete : SetupReadOutcome::OpenFailed);
    QCOMPARE(result.Fault.kind, read ? FileFault::Kind::None : FileFault::Kind::TooLarge);
    if (!read)
        QVERIFY2(result.Description.find(std::to_string(size)) != std::string::npos,
                 result.Description.c_str());
    CompareModel(model, ReadStart());
}

void TestSetupReader::readsThroughFile_data()
{
    QTest::addColumn<int>("pageSize");
    QTest::addRow("default pages") << static_cast<int>(FileByteSource::DefaultPageSize);
    QTest::addRow("pages of 7 bytes") << 7;
    QTest::addRow("pages of 1 byte") << 1;
}

void TestSetupReader::readsThroughFile()
{
    QFETCH(int, pageSize);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const std::string path = dir.filePath("SETUP.BIN").toStdString();
    const B::Bytes bytes = FullSetup().Build();
    QVERIFY(bytes.size() > FileByteSource::DefaultPageSize);
    {
        std::ofstream out(path, std::ios::binary);
        out.write(reinterpret_cast<const char *>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
    }
    const SetupModel expected = Expected(FullSetupModel);

    SetupModel model = EarlierImport();
    FileByteSource source(path, static_cast<std::size_t>(pageSize));
    QVERIFY(source.IsOpen());
    const SetupReadResult paged = ReadSetupFile(source, model);
    QVERIFY2(paged.Succeeded(), paged.Description.c_str());
    CompareModel(model, expected);

    model = EarlierImport();
    const SetupReadResult byPath = ReadSetupFile(path, model);
    QVERIFY2(byPath.Succeeded(), byPath.Description.c_str());
    CompareModel(model, expected);
}

void TestSetupReader::fileThatCannotBeOpened()
{
    QTemporaryDir dir;
    const std::string path = dir.filePath("MISSING.BIN").toStdString();
    SetupModel model = EarlierImport();
    const SetupReadResult result = ReadSetupFile(path, model);
    QVERIFY(!result.Succeeded());
    QCOMPARE(result.Outcome, SetupReadOutcome::OpenFailed);
    QVERIFY2(result.Description.find(path) != std::string::npos, result.Description.c_str());
    CompareModel(model, ReadStart());
}

void TestSetupReader::stationIdOfFile_data()
{
    QTest::addColumn<QByteArray>("file"); // empty: a folder in its place
    QTest::addColumn<SetupReadOutcome>("outcome");
    QTest::addColumn<QString>("stationId");

    QTest::addRow("a whole setup")
        << Bytes(FullSetup()) << SetupReadOutcome::Complete << QString("PEL0000042");
    QTest::addRow("blanks and NULs around, Latin-1 inside")
        << Bytes(B().Add(ParamStationID, 1, ElemStationID, B::Text(std::string(" St\xE4\0\0", 6))))
        << SetupReadOutcome::Complete << QString::fromUtf8("St\u00E4");
    // The model's default station ID must not stand in for the file's.
    QTest::addRow("no station ID") << Bytes(Channel1()) << SetupReadOutcome::Complete << QString();
    // What a broken walk read is not used, as an import would not apply it.
    QTest::addRow("walk fails after the ID")
        << Bytes(Channel1()
                     .Add(ParamStationID, 1, ElemStationID, B::Text("PARTIAL"))
                     .Add(ParamSampling, 1, ElemSamplingInterval, B::UInt(3000000000u)))
        << SetupReadOutcome::WalkFailed << QString();
    QTest::addRow("a folder") << QByteArray() << SetupReadOutcome::OpenFailed << QString();
}

void TestSetupReader::stationIdOfFile()
{
    QFETCH(QByteArray, file);
    QFETCH(SetupReadOutcome, outcome);
    QFETCH(QString, stationId);
    QTemporaryDir dir;
    const std::string path = dir.filePath("SETUP.BIN").toStdString();
    if (file.isEmpty())
        QVERIFY(QDir().mkdir(QString::fromStdString(path)));
    else
        std::ofstream(path, std::ios::binary).write(file.constData(), file.size());

    const SetupStationId read = ReadSetupStationId(path);
    QCOMPARE(read.read.Outcome, outcome);
    QCOMPARE(QString::fromStdString(read.stationId), stationId);
    if (file.isEmpty())
        QCOMPARE(read.read.Fault.kind, FileFault::Kind::NotRegular);
}

QTEST_APPLESS_MAIN(TestSetupReader)
#include "tst_setupreader.moc"
