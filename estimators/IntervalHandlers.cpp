#include "estimators/EstimatorPage.h"

#include "app/FormMain.h"
#include "ui_FormMain.h"

namespace {

// Re-attaches the interval handlers when a handler leaves, also by an exception.
class DetachedIntervalHandlers
{
public:
    explicit DetachedIntervalHandlers(EstimatorPage &page) : page_(page)
    {
        page_.DetachIntervalHandlers();
    }
    ~DetachedIntervalHandlers() { page_.AttachIntervalHandlers(); }
    DetachedIntervalHandlers(const DetachedIntervalHandlers &) = delete;
    DetachedIntervalHandlers &operator=(const DetachedIntervalHandlers &) = delete;

private:
    EstimatorPage &page_;
};

} // namespace

int EstimatorPage::FindIntervalRow(const QObject *control) const
{
    for (int i = 1; i <= EstimatorRowCount; ++i) {
        if (w.SamplingIntervalComboBoxes[i] == control || w.StorageIntervalComboBoxes[i] == control)
            return i;
    }
    return 0;
}

void EstimatorPage::AttachIntervalHandlers()
{
    for (int i = 1; i <= EstimatorRowCount; ++i) {
        connect(w.SamplingIntervalComboBoxes[i], &QComboBox::currentIndexChanged, this,
                &EstimatorPage::samplingChanged, Qt::UniqueConnection);
        connect(w.StorageIntervalComboBoxes[i], &QComboBox::currentIndexChanged, this,
                &EstimatorPage::storageChanged, Qt::UniqueConnection);
    }
}

void EstimatorPage::DetachIntervalHandlers()
{
    for (int i = 1; i <= EstimatorRowCount; ++i) {
        disconnect(w.SamplingIntervalComboBoxes[i], &QComboBox::currentIndexChanged, this,
                   &EstimatorPage::samplingChanged);
        disconnect(w.StorageIntervalComboBoxes[i], &QComboBox::currentIndexChanged, this,
                   &EstimatorPage::storageChanged);
    }
}

void EstimatorPage::samplingChanged()
{
    ComboBoxM1Change(sender());
}

void EstimatorPage::storageChanged()
{
    ComboBoxS1Change(sender());
}

void EstimatorPage::ComboBoxM1Change(QObject *sender)
{
    ApplyIntervalChange(sender, IntervalColumn::Sampling);
}

void EstimatorPage::ComboBoxS1Change(QObject *sender)
{
    ApplyIntervalChange(sender, IntervalColumn::Storage);
}

// The drop-down the user touched keeps its value; the other one of its row
// gives way, so storage stays at or above sampling.
void EstimatorPage::KeepIntervalRule(int row, IntervalColumn touched)
{
    QComboBox *sampling = w.SamplingIntervalComboBoxes[row];
    QComboBox *storage = w.StorageIntervalComboBoxes[row];
    if (sampling->currentIndex() <= storage->currentIndex())
        return;
    if (touched == IntervalColumn::Sampling)
        storage->setCurrentIndex(sampling->currentIndex());
    else
        sampling->setCurrentIndex(storage->currentIndex());
}

void EstimatorPage::ApplyIntervalChange(QObject *sender, IntervalColumn touched)
{
    const DetachedIntervalHandlers detached(*this);
    const bool sampling = touched == IntervalColumn::Sampling;
    const auto &column = sampling ? w.SamplingIntervalComboBoxes : w.StorageIntervalComboBoxes;
    const QCheckBox *changeAll = sampling ? w.ui->CheckBoxMAll : w.ui->CheckBoxSAll;

    const int row = FindIntervalRow(sender);
    KeepIntervalRule(row, touched);
    if (changeAll->isChecked()) {
        const int v = column[row]->currentIndex();
        for (int i = 1; i <= EstimatorRowCount; ++i) {
            column[i]->setCurrentIndex(v);
            KeepIntervalRule(i, touched);
        }
    }
    CalcDataVolume();
}
