#include "app/FormMain.h"
#include "common/IntervalTables.h"
#include "estimators/StationPlan.h"
#include "setup/SetupImport.h"
#include "tests/estimators/PlanText.h"
#include "tests/estimators/SetupCases.h"
#include "tests/support/FakeDialogs.h"
#include "texts/LanguageTable.h"
#include "ui/ToggleSwitch.h"

#include <QComboBox>
#include <QLabel>
#include <QSpinBox>
#include <QtTest>

using SetupCases::SetupChange;
Q_DECLARE_METATYPE(SetupChange)

// The station plan against the window: the plan of the start-up page, and
// the page that applying a setup leaves.
class TestPlanOnPage : public QObject
{
    Q_OBJECT

private slots:
    void startupPageShowsDefaultPlan();
    void applyShowsPlanFromSetup_data();
    void applyShowsPlanFromSetup();
};

namespace {

struct Window
{
    TestPlatform platform;
    TFormMain form{platform.environment()};
};

template <typename Control> Control *Find(const TFormMain &form, const QString &name)
{
    auto *control = form.findChild<Control *>(name);
    if (!control)
        qFatal("no control %s", qPrintable(name));
    return control;
}

template <typename Table>
std::optional<std::int32_t> SecondsShown(const TFormMain &form, const QString &name,
                                         const Table &table)
{
    const int item = Find<QComboBox>(form, name)->currentIndex();
    if (item < 0)
        return std::nullopt;
    return static_cast<std::int32_t>(table[static_cast<std::size_t>(item)]);
}

template <typename Choice>
std::optional<Choice> ChoiceShown(const TFormMain &form, const QString &name)
{
    const int item = Find<QComboBox>(form, name)->currentIndex();
    if (item < 0)
        return std::nullopt;
    return static_cast<Choice>(item);
}

bool On(const TFormMain &form, const QString &name)
{
    return Find<QAbstractButton>(form, name)->isChecked();
}

int Number(const TFormMain &form, const QString &name)
{
    return Find<QSpinBox>(form, name)->value();
}

// The row's standard name in the language shown is no name; any other
// label is "M1  " and a name.
std::optional<std::string> NameShown(const TFormMain &form, int row)
{
    const QString label = QStringLiteral("LabelM%1").arg(row);
    const QString text = Find<QLabel>(form, label)->text();
    const LanguageText *standard = FindLanguageText(label.toLatin1().constData());
    if (text == QString::fromUtf8(Translated(*standard, form.LanguageEN)))
        return std::nullopt;
    const QString prefix = QStringLiteral("M%1  ").arg(row);
    if (!text.startsWith(prefix))
        qFatal("unexpected label %s", qPrintable(text));
    return text.mid(prefix.size()).toLatin1().toStdString();
}

// Every input the estimator page shows. It shows no IDs.
StationPlan PlanShown(const TFormMain &form)
{
    StationPlan plan;
    for (int i = 1; i <= EstimatorRowCount; ++i) {
        StationPlan::Row &row = plan.rows[i];
        const QString n = QString::number(i);
        row.name = NameShown(form, i);
        row.samplingSeconds = SecondsShown(form, "ComboBoxM" + n, IntervalSeconds);
        row.storageSeconds = SecondsShown(form, "ComboBoxS" + n, IntervalSeconds);
        row.inTX1 = On(form, "SwitchTX1_M" + n);
        row.inTX2 = On(form, "SwitchTX2_M" + n);
    }
    plan.conductivity = On(form, "ConductivityCheckBox");
    plan.observer = ChoiceShown<StationPlan::Observer>(form, "ComboBoxObserverInt");
    plan.network = ChoiceShown<StationPlan::Network>(form, "ComboBoxModemType");
    for (int t = 1; t <= EstimatorTransmissionCount; ++t) {
        StationPlan::Transmission &tx = plan.transmissions[t];
        const QString n = QString::number(t);
        tx.on = On(form, "SwitchVTX" + n);
        tx.intervalSeconds = SecondsShown(form, "ComboBoxVTX" + n + "Interval", TXIntervalSeconds);
        tx.format = ChoiceShown<StationPlan::Format>(form, "ComboBoxVFormat" + n);
        tx.server = ChoiceShown<StationPlan::Server>(form, "ComboBoxVServerType" + n + "1");
        tx.compression = On(form, "SwitchVCompression" + n);
        tx.compressionLevel = Number(form, "SpinBoxVCompression" + n);
        tx.stationEvents = On(form, "SwitchVStationEvents" + n);
        tx.measurementEvents = On(form, "SwitchVChannelEvents" + n);
        tx.eventsNumber = Number(form, "SpinBoxVEventsNumber" + n);
        tx.secondaryMode =
            ChoiceShown<StationPlan::SecondaryMode>(form, "ComboBoxVServer2ndMode" + n);
        tx.secondaryServer =
            ChoiceShown<StationPlan::Server>(form, "ComboBoxVServerType" + n + "2");
        tx.backupPercent = Number(form, "SpinBoxVServerBackupProzent" + n);
    }
    return plan;
}

StationPlan WithoutIds(StationPlan plan)
{
    for (StationPlan::Row &row : plan.rows)
        row.id.clear();
    plan.stationId.clear();
    return plan;
}

// The figures on the window are those of the plan it shows.
void CompareFigures(const TFormMain &form)
{
    const StationPlan shown = PlanShown(form);
    QCOMPARE(PlanText::Figures(form.Charges), PlanText::Figures(EstimateBattery(shown)));
    const VolumeResult volume = EstimateVolume(shown);
    QCOMPARE(form.VolTX1Netto, volume.VolTX1Netto);
    QCOMPARE(form.VolTX2Netto, volume.VolTX2Netto);
    const char separator = form.Platform().DecimalSeparator();
    QCOMPARE(Find<QLabel>(form, "LabelVolTrans1")->text(),
             QString::fromStdString(FormatVolume(volume.perTX1, separator)));
    QCOMPARE(Find<QLabel>(form, "LabelVolMonthTotal")->text(),
             QString::fromStdString(FormatVolume(volume.month1 + volume.month2, separator)));
}

// A station imported before, then changed by hand: every control that a
// setup may leave alone is away from its start-up value.
void ChangeThePage(TFormMain &form)
{
    form.Setup = SetupCases::ReadModel([](SetupModel &m) {
        for (int i = 1; i <= EstimatorRowCount; ++i)
            SetupCases::StoredChannel(m, i, "0001", ("Old " + std::to_string(i)).c_str(), 60, 120);
        m.Channels[2].MInterval = 45;
        SetupCases::FourInstances(m);
        for (int t = 1; t <= TransmissionCount; ++t) {
            TransRec &tx = m.Transmissions[t];
            tx.DataFormat = 6;
            tx.Compression = true;
            tx.Server1Inst = 1;
            tx.Server2Inst = 2;
            tx.Server2Mode = 1;
            tx.ChannelList = "0001";
        }
        m.Transmissions[1].Interval = SecondsPerHour;
        m.Transmissions[2].Interval = 100;
    });
    form.Import->ApplySetup();
    Find<QAbstractButton>(form, "ConductivityCheckBox")->click();
    Find<QComboBox>(form, "ComboBoxObserverInt")->setCurrentIndex(5);
    Find<QComboBox>(form, "ComboBoxModemType")->setCurrentIndex(1);
    for (const char *name : {"SwitchVStationEvents1", "SwitchVChannelEvents2"})
        Find<ToggleSwitch>(form, name)->setChecked(false);
    Find<QSpinBox>(form, "SpinBoxVEventsNumber1")->setValue(3);
    Find<QSpinBox>(form, "SpinBoxVServerBackupProzent2")->setValue(55);
}

} // namespace

void TestPlanOnPage::startupPageShowsDefaultPlan()
{
    Window window;
    QCOMPARE(PlanText::Lines(PlanShown(window.form)), PlanText::Lines(DefaultPlan()));
    CompareFigures(window.form);
}

void TestPlanOnPage::applyShowsPlanFromSetup_data()
{
    QTest::addColumn<SetupChange>("setup");
    QTest::addColumn<bool>("changedPage");

    for (const bool changed : {false, true}) {
        for (const SetupCases::Case &c : SetupCases::All())
            QTest::addRow("%s: %s", changed ? "changed page" : "start-up page", c.name)
                << c.setup << changed;
    }
}

void TestPlanOnPage::applyShowsPlanFromSetup()
{
    QFETCH(SetupChange, setup);
    QFETCH(bool, changedPage);

    Window window;
    TFormMain &form = window.form;
    if (changedPage)
        ChangeThePage(form);
    const StationPlan before = PlanShown(form);
    if (changedPage)
        QVERIFY(before != DefaultPlan());

    const SetupModel model = SetupCases::ReadModel(setup);
    form.Setup = model;
    QVERIFY(form.Import->ApplySetup());

    QCOMPARE(PlanText::Lines(PlanShown(form)),
             PlanText::Lines(WithoutIds(PlanFromSetup(model, before))));
    CompareFigures(form);
}

QTEST_MAIN(TestPlanOnPage)
#include "tst_planonpage.moc"
