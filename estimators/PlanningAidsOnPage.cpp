#include "estimators/EstimatorPage.h"

#include "estimators/PlanningChart.h"
#include "texts/PlanningTexts.h"
#include "ui/ChartWidget.h"
#include "ui/ClickLabel.h"
#include "ui/ControlNames.h"
#include "ui_EstimatorPage.h"

#include <QDialog>
#include <QVBoxLayout>

namespace {

const QColor MetColor(0x1b, 0x7a, 0x32);
const QColor NotMetColor(0xc0, 0x1c, 0x28);

// The answers name the colder row: the one a battery runs out in first.
constexpr auto AnsweredRow = static_cast<std::size_t>(TemperatureRow::AtMinus20C);

QString Shown(const std::string &utf8)
{
    return QString::fromStdString(utf8);
}

// A mark in its colour, with its words; where the page has room only for
// the symbol, the words are its tool tip.
void ShowMark(QLabel *label, TargetMark mark, bool german)
{
    if (mark == TargetMark::None) {
        // A label ignores the text it already has, unlike clear(): a change
        // without a target costs no repaint.
        label->setText({});
        label->setToolTip({});
        return;
    }
    const bool met = mark == TargetMark::Met;
    const QString words =
        QString::fromUtf8(Text(met ? PlanningText::Met : PlanningText::NotMet, german));
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, met ? MetColor : NotMetColor);
    label->setPalette(palette);
    const bool room = label->fontMetrics().horizontalAdvance(words) <= label->width();
    label->setText(room ? words : words.left(1));
    label->setToolTip(room ? QString() : words);
}

} // namespace

void EstimatorPage::SetUpTargets()
{
    const std::pair<QDoubleSpinBox *, TargetRange> boxes[] = {
        {ui->SpinBoxTargetYears, TargetYearsRange},
        {ui->SpinBoxDataPlanMB, DataPlanRange},
    };
    for (const auto &[box, range] : boxes) {
        box->setLocale(environment_.Locale);
        box->setDecimals(range.decimals);
        box->setRange(0, range.max);
        box->setSingleStep(range.step);
        box->setValue(0);
        // A typed number counts when it is entered (keyboard tracking is off).
        connect(box, &QDoubleSpinBox::valueChanged, this, [this] { AsOneChange([] {}); });
    }
    for (QLabel *answer : {ui->LabelAnswerTX1, ui->LabelAnswerTX2})
        answer->setTextFormat(Qt::PlainText);
    connect(ui->LabelChart, &ClickLabel::clicked, this, &EstimatorPage::LabelChartClick);
}

PlanningTargets EstimatorPage::Targets() const
{
    return {ui->SpinBoxTargetYears->value(), ui->SpinBoxDataPlanMB->value()};
}

void EstimatorPage::ShowTargets(const PlanningTargets &targets)
{
    ui->SpinBoxTargetYears->setValue(targets.years);
    ui->SpinBoxDataPlanMB->setValue(targets.dataPlanMB);
}

// Nothing is computed while nothing shows the aids.
void EstimatorPage::UpdatePlanningAids()
{
    const bool chartShown = chartDialog_ && chartDialog_->isVisible();
    if (!Targets().Any() && !chartShown) {
        aids_.reset();
        ShowTargetMarks();
        ShowAnswers();
        return;
    }
    const StationPlan now = plan();
    aids_ = ComputePlanningAids(now, now.targets);
    ++planningAidsRuns_;
    ShowTargetMarks();
    ShowAnswers();
    if (chartShown)
        ShowChart(now);
}

// The marks compare the figures the page shows, the years before the cap.
void EstimatorPage::ShowTargetMarks()
{
    const PlanningTargets targets = Targets();
    const bool german = !english_;
    QLabel *const lifeMarks[] = {ui->LabelBLTtarget1, ui->LabelBLTtarget2};
    for (std::size_t row = 0; row < RowCapacity.size(); ++row) {
        const double years = BatteryYears(RowCapacity[row], Charges.mAhTotal);
        ShowMark(lifeMarks[row], LifeMark(years, targets.years), german);
    }
    ShowMark(ui->LabelVolMonthTarget, DataPlanMark(monthBytes_, targets.dataPlanMB), german);
}

// Each transmission that is on answers in its own column: the life target
// first, then the data plan.
void EstimatorPage::ShowAnswers()
{
    const PlanningTargets targets = Targets();
    const bool german = !english_;
    const char separator = environment_.DecimalSeparator();
    QLabel *const columns[] = {ui->LabelAnswerTX1, ui->LabelAnswerTX2};
    for (int t = 1; t <= EstimatorTransmissionCount; ++t) {
        QStringList lines;
        if (aids_) {
            const TransmissionAids &tx = aids_->transmissions[t];
            const IntervalAnswer &life = tx.life[AnsweredRow];
            if (life.kind != IntervalAnswer::Kind::NotAsked)
                lines << Shown(LifeAnswerLine(targets.years, static_cast<int>(AnsweredRow), t,
                                              life.interval, german, separator));
            if (tx.dataPlan.kind != IntervalAnswer::Kind::NotAsked)
                lines << Shown(DataPlanAnswerLine(targets.dataPlanMB, t, tx.dataPlan.interval,
                                                  german, separator));
        }
        columns[t - 1]->setText(lines.join(QLatin1Char('\n')));
    }
}

void EstimatorPage::ShowChart(const StationPlan &plan)
{
    chart_->setData(ChartDataOf(plan, *aids_, plan.targets));
}

void EstimatorPage::LabelChartClick()
{
    if (!chartDialog_) {
        chartDialog_ = new QDialog(this);
        chartDialog_->setObjectName(QStringLiteral("DialogChart"));
        chart_ = new ChartWidget(chartDialog_);
        chart_->setObjectName(QStringLiteral("ChartPlanning"));
        auto *layout = new QVBoxLayout(chartDialog_);
        layout->addWidget(chart_);
        // The window is the chart's: the keyboard chooses its points.
        chart_->setFocus();
        ApplyPlanningTexts();
    }
    chartDialog_->show();
    // Opened by a key, the chart shows its focus at once, as the page does;
    // showing a window forgets how the focus last moved.
    chartDialog_->setAttribute(Qt::WA_KeyboardFocusChange,
                               window()->testAttribute(Qt::WA_KeyboardFocusChange));
    chartDialog_->raise();
    chartDialog_->activateWindow();
    // With no target set and the chart closed, the last change computed none.
    const StationPlan now = plan();
    if (!aids_) {
        aids_ = ComputePlanningAids(now, now.targets);
        ++planningAidsRuns_;
    }
    ShowChart(now);
}

// The captions, the texts a target shows at 0, the marks and answers and
// the chart, in the page's language.
void EstimatorPage::ApplyPlanningTexts()
{
    const bool german = !english_;
    const auto set = [german](QLabel *label, PlanningText text) {
        label->setText(QString::fromUtf8(Text(text, german)));
    };
    set(ui->LabelTargetYears, PlanningText::TargetYearsLabel);
    set(ui->LabelDataPlanMB, PlanningText::DataPlanLabel);
    set(ui->LabelChart, PlanningText::ChartLink);
    const QString none = QString::fromUtf8(Text(PlanningText::NoTarget, german));
    ui->SpinBoxTargetYears->setSpecialValueText(none);
    ui->SpinBoxDataPlanMB->setSpecialValueText(none);
    ShowTargetMarks();
    ShowAnswers();
    if (chartDialog_) {
        const QString title = QString::fromUtf8(Text(PlanningText::ChartLink, german));
        chartDialog_->setWindowTitle(title);
        NameControl(chart_, {title});
        chart_->setTexts({german, environment_.DecimalSeparator()});
    }
}
