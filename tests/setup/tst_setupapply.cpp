#include "setup/SetupApply.h"

#include "common/ListItems.h"
#include "tests/setup/SetupModelText.h"

#include <QtTest>

#include <climits>
#include <functional>

using ModelChange = std::function<void(SetupModel &)>;
Q_DECLARE_METATYPE(ModelChange)

namespace {

// A model as a read leaves it, with the server types that the reset leaves
// unknown already derived: the instance numbers are all 0.
SetupModel ReadModel()
{
    SetupModel model;
    ResetSetupForRead(model);
    return model;
}

SetupModel CorrectedReadModel()
{
    SetupModel model = ReadModel();
    for (TransRec &tx : model.Transmissions)
        tx.Server1Type = tx.Server2Type = ServerType::Http;
    return model;
}

// The server instances of a logger with an FTP, an HTTPS, an unknown and an
// MQTT server.
void FourInstances(SetupModel &m)
{
    m.ServerInstTypes[1] = 1;
    m.ServerInstTypes[2] = 3;
    m.ServerInstTypes[3] = -1;
    m.ServerInstTypes[4] = 6;
}

} // namespace

class TestSetupApply : public QObject
{
    Q_OBJECT

private slots:
    void serverTypeIndex_data();
    void serverTypeIndex();
    void dataFormatItem_data();
    void dataFormatItem();
    void secondaryModeItem_data();
    void secondaryModeItem();
    void correctSetup_data();
    void correctSetup();
    void channelListHas_data();
    void channelListHas();
};

void TestSetupApply::serverTypeIndex_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("item");

    const int items[] = {ServerType::Http,  ServerType::Ftp,   ServerType::Ftp,
                         ServerType::Https, ServerType::Http,  ServerType::Http,
                         ServerType::Mqtt,  ServerType::Mqtts, ServerType::Ftps};
    QTest::addRow("-1") << -1 << ServerType::Http;
    for (int code = 0; code <= 8; ++code)
        QTest::addRow("%d", code) << code << items[code];
    QTest::addRow("9") << 9 << ServerType::Http;
    QTest::addRow("smallest") << INT_MIN << ServerType::Http;
    QTest::addRow("largest") << INT_MAX << ServerType::Http;
}

void TestSetupApply::serverTypeIndex()
{
    QFETCH(int, code);
    QFETCH(int, item);
    QCOMPARE(ServerTypeIndex(code), item);
}

void TestSetupApply::dataFormatItem_data()
{
    QTest::addColumn<int>("dataFormat");
    QTest::addColumn<int>("item");

    constexpr int ZrxpItem = 5;
    constexpr int VeskMLItem = 1;
    QTest::addRow("3 ZRXP") << 3 << ZrxpItem;
    QTest::addRow("4 Vesk QDX") << 4 << 0;
    QTest::addRow("5 Vesk-ML") << 5 << 1;
    QTest::addRow("6 CSV") << 6 << 2;
    QTest::addRow("7 ZRXP V3") << 7 << 3;
    QTest::addRow("8 CSV Column") << 8 << 4;
    for (int unknown : {0, 2, 9, -1, INT_MIN, INT_MAX})
        QTest::addRow("%d", unknown) << unknown << VeskMLItem;
}

void TestSetupApply::dataFormatItem()
{
    QFETCH(int, dataFormat);
    QFETCH(int, item);
    QCOMPARE(DataFormatItem(dataFormat), item);
}

void TestSetupApply::secondaryModeItem_data()
{
    QTest::addColumn<int>("server2Inst");
    QTest::addColumn<int>("server2Mode");
    QTest::addColumn<int>("item");

    QTest::addRow("no instance") << 0 << 0 << 0;
    QTest::addRow("no instance, both servers") << 0 << 1 << 0;
    QTest::addRow("negative instance") << -1 << 1 << 0;
    QTest::addRow("backup") << 3 << 0 << 1;
    QTest::addRow("both servers") << 3 << 1 << 2;
    QTest::addRow("instance 1, backup") << 1 << 0 << 1;
}

void TestSetupApply::secondaryModeItem()
{
    QFETCH(int, server2Inst);
    QFETCH(int, server2Mode);
    QFETCH(int, item);
    TransRec tx;
    tx.Server2Inst = server2Inst;
    tx.Server2Mode = server2Mode;
    QCOMPARE(SecondaryModeItem(tx), item);
}

// Each case changes a read model, corrects it and compares every field
// with the corrected read model changed as expected.
void TestSetupApply::correctSetup_data()
{
    QTest::addColumn<ModelChange>("read");
    QTest::addColumn<ModelChange>("corrected");

    const ModelChange none = [](SetupModel &) {};

    QTest::addRow("data format 9")
        << ModelChange([](SetupModel &m) { m.Transmissions[1].DataFormat = 9; }) << none;
    QTest::addRow("data formats 2 and -1") << ModelChange([](SetupModel &m) {
        m.Transmissions[1].DataFormat = 2;
        m.Transmissions[2].DataFormat = -1;
    }) << none;
    const ModelChange knownFormats = [](SetupModel &m) {
        m.Transmissions[1].DataFormat = 3;
        m.Transmissions[2].DataFormat = 8;
    };
    QTest::addRow("data formats 3 and 8 kept") << knownFormats << knownFormats;

    QTest::addRow("server 1 instance 5") << ModelChange([](SetupModel &m) {
        FourInstances(m);
        m.Transmissions[1].Server1Inst = 5;
    }) << ModelChange(FourInstances);
    QTest::addRow("server instances -1 of transmission 2") << ModelChange([](SetupModel &m) {
        FourInstances(m);
        m.Transmissions[2].Server1Inst = -1;
        m.Transmissions[2].Server2Inst = -1;
    }) << ModelChange(FourInstances);
    QTest::addRow("server 2 instance 5") << ModelChange([](SetupModel &m) {
        FourInstances(m);
        m.Transmissions[1].Server2Inst = 5;
    }) << ModelChange(FourInstances);
    QTest::addRow("server 2 mode 7")
        << ModelChange([](SetupModel &m) { m.Transmissions[1].Server2Mode = 7; }) << none;
    QTest::addRow("server 2 mode -1 of transmission 2")
        << ModelChange([](SetupModel &m) { m.Transmissions[2].Server2Mode = -1; }) << none;
    const ModelChange bothServers = [](SetupModel &m) { m.Transmissions[2].Server2Mode = 1; };
    QTest::addRow("server 2 mode 1 kept") << bothServers << bothServers;

    QTest::addRow("limit direction 2")
        << ModelChange([](SetupModel &m) { m.Channels[1].Limits[1].LimitDir = 2; }) << none;
    QTest::addRow("gradient direction 3")
        << ModelChange([](SetupModel &m) { m.Channels[1].Limits[1].GradDir = 3; }) << none;
    QTest::addRow("directions of the last slot of channel 12") << ModelChange([](SetupModel &m) {
        m.Channels[12].Limits[3].LimitDir = -1;
        m.Channels[12].Limits[3].GradDir = -1;
    }) << none;
    const ModelChange knownDirections = [](SetupModel &m) {
        m.Channels[5].Limits[2].LimitDir = 1;
        m.Channels[5].Limits[2].GradDir = 2;
    };
    QTest::addRow("directions 1 and 2 kept") << knownDirections << knownDirections;

    QTest::addRow("server types of the instances") << ModelChange([](SetupModel &m) {
        FourInstances(m);
        m.Transmissions[1].Server1Inst = 2;
        m.Transmissions[1].Server2Inst = 4;
        m.Transmissions[2].Server1Inst = 1;
        m.Transmissions[2].Server2Inst = 3;
    }) << ModelChange([](SetupModel &m) {
        FourInstances(m);
        m.Transmissions[1].Server1Inst = 2;
        m.Transmissions[1].Server2Inst = 4;
        m.Transmissions[1].Server1Type = ServerType::Https;
        m.Transmissions[1].Server2Type = ServerType::Mqtt;
        m.Transmissions[2].Server1Inst = 1;
        m.Transmissions[2].Server2Inst = 3;
        m.Transmissions[2].Server1Type = ServerType::Ftp;
        m.Transmissions[2].Server2Type = ServerType::Http; // instance 3 has an unknown code
    });
    const ModelChange allMqtt = [](SetupModel &m) {
        for (std::int32_t &type : m.ServerInstTypes)
            type = 6;
    };
    QTest::addRow("instance 0 is HTTP") << allMqtt << allMqtt;
    QTest::addRow("type after the correction of the instance")
        << ModelChange([allMqtt](SetupModel &m) {
               allMqtt(m);
               m.Transmissions[1].Server1Inst = 9;
           })
        << allMqtt;
}

void TestSetupApply::correctSetup()
{
    QFETCH(ModelChange, read);
    QFETCH(ModelChange, corrected);
    SetupModel model = ReadModel();
    read(model);
    CorrectSetup(model);
    SetupModel expected = CorrectedReadModel();
    corrected(expected);
    const std::string differences = SetupModelText::Differences(model, expected);
    QVERIFY2(differences.empty(), differences.c_str());
}

void TestSetupApply::channelListHas_data()
{
    QTest::addColumn<QString>("channelList");
    QTest::addColumn<QString>("nr");
    QTest::addColumn<bool>("has");

    QTest::addRow("first") << "00010003"
                           << "0001" << true;
    QTest::addRow("second") << "00010003"
                            << "0003" << true;
    QTest::addRow("absent") << "00010003"
                            << "0002" << false;
    QTest::addRow("across two IDs") << "00010003"
                                    << "0100" << false;
    QTest::addRow("ninth character ignored") << "000100030"
                                             << "0003" << true;
    QTest::addRow("ninth character not an ID") << "000100030"
                                               << "0" << false;
    QTest::addRow("rest of three ignored") << "0001000"
                                           << "000" << false;
    QTest::addRow("list shorter than an ID") << "UBA"
                                             << "UBA" << false;
    QTest::addRow("case-sensitive") << "ubat0001"
                                    << "UBAT" << false;
    QTest::addRow("letters") << "0001UBAT"
                             << "UBAT" << true;
    QTest::addRow("empty list") << ""
                                << "0001" << false;
    QTest::addRow("empty ID") << "0001"
                              << "" << false;
}

void TestSetupApply::channelListHas()
{
    QFETCH(QString, channelList);
    QFETCH(QString, nr);
    QFETCH(bool, has);
    QCOMPARE(ChannelListHas(channelList.toStdString(), nr.toStdString()), has);
}

QTEST_APPLESS_MAIN(TestSetupApply)
#include "tst_setupapply.moc"
