#include "estimators/EstimatorPage.h"

#include "common/IntervalTables.h"
#include "estimators/ResultDetails.h"
#include "estimators/VolumeModel.h"
#include "texts/LanguageTable.h"
#include "texts/ReportTexts.h"
#include "ui/ClickLabel.h"
#include "ui/ComboItems.h"
#include "ui/Dialogs.h"
#include "ui/LanguageTexts.h"
#include "ui/TabWidget.h"
#include "ui/ToggleSwitch.h"
#include "ui_EstimatorPage.h"

#include <QSpinBox>

#include <algorithm>

namespace {

constexpr int TimerIntervalMs = 100;

void SetUpSpinBox(QSpinBox *box, const SpinRange &range, int value)
{
    box->setRange(range.min, range.max);
    box->setSingleStep(range.step);
    box->setValue(value);
}

} // namespace

// The page's part of the program's start-up, in its order: the drop-downs are
// filled with the interval handlers not yet attached and the estimators held
// off, then both estimates are computed at once and requested once more.
EstimatorPage::EstimatorPage(Environment environment, bool english, QWidget *parent)
    : QWidget(parent), ui(std::make_unique<Ui::EstimatorPage>()),
      environment_(std::move(environment)), english_(english)
{
    ui->setupUi(this);
    KeepContentReachable(this);
    GatherMeasurementRows();
    SetUpSpinBoxes();
    TimerMain.setObjectName(QStringLiteral("TimerMain"));
    TimerMain.setInterval(TimerIntervalMs);
    ConnectPanel();
    connect(&TimerMain, &QTimer::timeout, this, &EstimatorPage::TimerMainTimer);
    connect(ui->LabelMResult, &ClickLabel::clicked, this, &EstimatorPage::LabelMResultClick);
    connect(ui->LabelVResult, &ClickLabel::clicked, this, &EstimatorPage::LabelVResultClick);
    connect(ui->LabelMDisclaimer, &ClickLabel::clicked, this,
            &EstimatorPage::LabelMDisclaimerClick);
    connect(ui->LabelVDisclaimer, &ClickLabel::clicked, this,
            &EstimatorPage::LabelVDisclaimerClick);
    SetUpTargets();

    CalcDisabled = true;
    SetDefaultIntervals();
    ShowConductivityRows(false);
    ApplyLanguageTexts(this, english_, ChangeChannelNames);
    ApplyPlanningTexts();
    DescribeControls();
    CalcDisabled = false;
    CalcVolumeNew = true;
    CalcBattLifetimeNew = true;

    TimerMain.start();
    AttachIntervalHandlers();
    ui->SpinBoxVCompression1->hide();
    ui->SpinBoxVCompression2->hide();
    SwitchVTX1Click(nullptr);
    SwitchVTX2Click(nullptr);
}

EstimatorPage::~EstimatorPage() = default;

void EstimatorPage::GatherMeasurementRows()
{
    for (int i = 1; i <= EstimatorRowCount; ++i) {
        const QString n = QString::number(i);
        MeasurementLabel[i] = findChild<QLabel *>(QStringLiteral("LabelM") + n);
        SamplingIntervalComboBoxes[i] = findChild<QComboBox *>(QStringLiteral("ComboBoxM") + n);
        StorageIntervalComboBoxes[i] = findChild<QComboBox *>(QStringLiteral("ComboBoxS") + n);
        InTX1Switches[i] = findChild<ToggleSwitch *>(QStringLiteral("SwitchTX1_M") + n);
        InTX2Switches[i] = findChild<ToggleSwitch *>(QStringLiteral("SwitchTX2_M") + n);
    }
}

// Every row starts on its default interval; the transmission interval list
// is defined once, on the first transmission's drop-down.
void EstimatorPage::SetDefaultIntervals()
{
    const QStringList measurementItems = MeasurementIntervalItems();
    for (int i = 1; i <= EstimatorRowCount; ++i) {
        const int item = IntervalIndexOf(DefaultIntervalSeconds[static_cast<std::size_t>(i - 1)]);
        SetItems(SamplingIntervalComboBoxes[i], measurementItems, item);
        SetItems(StorageIntervalComboBoxes[i], measurementItems, item);
    }
    ui->ComboBoxVTX1Interval->setCurrentIndex(VTXIntervalIndexOf(DefaultTxIntervalSeconds));
    SetItems(ui->ComboBoxVTX2Interval, ItemsOf(ui->ComboBoxVTX1Interval),
             VTXIntervalIndexOf(DefaultTxIntervalSeconds));
}

// The spin boxes take the values a plan may hold and start as the default plan.
void EstimatorPage::SetUpSpinBoxes()
{
    const StationPlan start = DefaultPlan();
    for (int t = 1; t <= EstimatorTransmissionCount; ++t) {
        const TransmissionColumn c = Column(t);
        const StationPlan::Transmission &tx = start.transmissions[t];
        SetUpSpinBox(c.compressionLevel, CompressionLevelRange, tx.compressionLevel);
        SetUpSpinBox(c.eventsNumber, EventsNumberRange, tx.eventsNumber);
        SetUpSpinBox(c.backupPercent, BackupPercentRange, tx.backupPercent);
    }
}

EstimatorPage::TransmissionColumn EstimatorPage::Column(int t) const
{
    if (t == 1)
        return {ui->SwitchVTX1,
                ui->ComboBoxVTX1Interval,
                ui->ComboBoxVFormat1,
                ui->ComboBoxVServerType11,
                ui->SwitchVCompression1,
                ui->SpinBoxVCompression1,
                ui->SwitchVStationEvents1,
                ui->SwitchVChannelEvents1,
                ui->SpinBoxVEventsNumber1,
                ui->ComboBoxVServer2ndMode1,
                ui->ComboBoxVServerType12,
                ui->SpinBoxVServerBackupProzent1};
    return {ui->SwitchVTX2,
            ui->ComboBoxVTX2Interval,
            ui->ComboBoxVFormat2,
            ui->ComboBoxVServerType21,
            ui->SwitchVCompression2,
            ui->SpinBoxVCompression2,
            ui->SwitchVStationEvents2,
            ui->SwitchVChannelEvents2,
            ui->SpinBoxVEventsNumber2,
            ui->ComboBoxVServer2ndMode2,
            ui->ComboBoxVServerType22,
            ui->SpinBoxVServerBackupProzent2};
}

ToggleSwitch *EstimatorPage::InTXSwitch(int t, int row) const
{
    return t == 1 ? InTX1Switches[row] : InTX2Switches[row];
}

std::array<QWidget *, 5> EstimatorPage::RowControls(int row) const
{
    return {MeasurementLabel[row], SamplingIntervalComboBoxes[row], StorageIntervalComboBoxes[row],
            InTX1Switches[row], InTX2Switches[row]};
}

void EstimatorPage::AsOneChange(const std::function<void()> &change)
{
    ++changeDepth_;
    try {
        change();
    } catch (...) {
        EndChange();
        throw;
    }
    EndChange();
}

// The planning aids follow the figures once, when the outermost change ends.
void EstimatorPage::EndChange()
{
    if (--changeDepth_ > 0)
        return;
    UpdatePlanningAids();
    emit planChanged();
}

void EstimatorPage::applyLanguage(bool english)
{
    english_ = english;
    const auto apply = [this] {
        ApplyLanguageTexts(this, english_, ChangeChannelNames);
        if (ChangeChannelNames)
            std::fill(names_.begin(), names_.end(), std::nullopt);
    };
    // Renaming rows that showed imported names changes the plan.
    const bool renames = ChangeChannelNames && std::any_of(names_.begin(), names_.end(),
                                                           [](const auto &name) { return name; });
    if (renames)
        AsOneChange(apply);
    else
        apply();
    ApplyPlanningTexts();
    DescribeControls();
}

void EstimatorPage::ShowRowName(int row, const std::optional<std::string> &name)
{
    names_[row] = name;
    QLabel *label = MeasurementLabel[row];
    if (!name) {
        const QString control = label->objectName();
        const LanguageText *standard = FindLanguageText(control.toLatin1().constData());
        label->setText(QString::fromUtf8(Translated(*standard, english_)));
    } else {
        // A name from a file is shown as it stands, never read as markup.
        label->setTextFormat(Qt::PlainText);
        label->setText(QString::fromLatin1(ImportedRowLabel(row, *name)));
    }
    DescribeRow(row);
}

void EstimatorPage::CalcDataVolume()
{
    if (CalcDisabled)
        return;
    // The figures are those of the plan the page shows.
    const VolumeResult result = EstimateVolume(plan());
    VolTX1Netto = result.VolTX1Netto;
    VolTX2Netto = result.VolTX2Netto;

    const char sep = environment_.DecimalSeparator();
    const auto show = [sep](QLabel *label, double bytes) {
        label->setText(QString::fromStdString(FormatVolume(bytes, sep)));
    };
    show(ui->LabelVolTrans1, result.perTX1);
    show(ui->LabelVolMonth1, result.month1);
    if (ui->SwitchVTX2->isChecked()) {
        show(ui->LabelVolTrans2, result.perTX2);
        show(ui->LabelVolMonth2, result.month2);
    } else {
        const QString off = QString::fromLatin1(VolumeOffText);
        ui->LabelVolTrans2->setText(off);
        ui->LabelVolMonth2->setText(off);
    }
    show(ui->LabelVolTransTotal, result.perTX1 + result.perTX2);
    monthBytes_ = result.month1 + result.month2;
    show(ui->LabelVolMonthTotal, monthBytes_);
    ++dataVolumeRuns_;
    CalcBattLife();
}

void EstimatorPage::CalcBattLife()
{
    if (CalcDisabled)
        return;
    Charges = EstimateBattery(plan());
    ShowBatteryLife(CapacityAt20C, ui->LabelBLTdays1, ui->LabelBLTyears1, ui->Rectangle20A,
                    ui->Rectangle20B);
    ShowBatteryLife(CapacityAtMinus20C, ui->LabelBLTdays2, ui->LabelBLTyears2, ui->Rectangle_20A,
                    ui->Rectangle_20B);
}

void EstimatorPage::ShowBatteryLife(double capacity, QLabel *days, QLabel *years,
                                    const QFrame *background, QFrame *bar)
{
    const BatteryLifeRow row =
        BatteryLife(capacity, Charges.mAhTotal, environment_.DecimalSeparator());
    days->setText(QString::fromStdString(row.days));
    years->setText(QString::fromStdString(row.years));
    // The bar starts where its background starts; only the width follows the result.
    bar->resize(qRound(background->width() * row.barFraction), bar->height());
}

void EstimatorPage::TimerMainTimer()
{
    if (CalcVolumeNew) {
        CalcVolumeNew = false;
        CalcDataVolume();
    }
    if (CalcBattLifetimeNew) {
        CalcBattLifetimeNew = false;
        CalcBattLife();
    }
}

void EstimatorPage::ShowText(const std::string &text, bool information)
{
    environment_.Boxes->showMessage(window(),
                                    information ? Dialogs::Kind::Information : Dialogs::Kind::Plain,
                                    QString::fromStdString(text));
}

void EstimatorPage::LabelMResultClick()
{
    ShowText(BatteryBreakdown(Charges, environment_.DecimalSeparator()), false);
}

void EstimatorPage::LabelVResultClick()
{
    ShowText(VolumeBreakdown(VolTX1Netto, VolTX2Netto), false);
}

void EstimatorPage::LabelMDisclaimerClick()
{
    ShowText(BatteryDisclaimer(!english_), true);
}

void EstimatorPage::LabelVDisclaimerClick()
{
    ShowText(VolumeDisclaimer(!english_), true);
}
