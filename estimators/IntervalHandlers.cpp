#include "estimators/EstimatorPage.h"

#include "ui_EstimatorPage.h"

EstimatorPage::DetachedIntervalHandlers::DetachedIntervalHandlers(EstimatorPage &page) : page_(page)
{
    page_.DetachIntervalHandlers();
}

EstimatorPage::DetachedIntervalHandlers::~DetachedIntervalHandlers()
{
    page_.AttachIntervalHandlers();
}

int EstimatorPage::FindIntervalRow(const QObject *control) const
{
    for (int i = 1; i <= EstimatorRowCount; ++i) {
        if (SamplingIntervalComboBoxes[i] == control || StorageIntervalComboBoxes[i] == control)
            return i;
    }
    return 0;
}

void EstimatorPage::AttachIntervalHandlers()
{
    for (int i = 1; i <= EstimatorRowCount; ++i) {
        connect(SamplingIntervalComboBoxes[i], &QComboBox::currentIndexChanged, this,
                &EstimatorPage::samplingChanged, Qt::UniqueConnection);
        connect(StorageIntervalComboBoxes[i], &QComboBox::currentIndexChanged, this,
                &EstimatorPage::storageChanged, Qt::UniqueConnection);
    }
}

void EstimatorPage::DetachIntervalHandlers()
{
    for (int i = 1; i <= EstimatorRowCount; ++i) {
        disconnect(SamplingIntervalComboBoxes[i], &QComboBox::currentIndexChanged, this,
                   &EstimatorPage::samplingChanged);
        disconnect(StorageIntervalComboBoxes[i], &QComboBox::currentIndexChanged, this,
                   &EstimatorPage::storageChanged);
    }
}

void EstimatorPage::samplingChanged()
{
    QObject *control = sender();
    AsOneChange([this, control] { ComboBoxM1Change(control); });
}

void EstimatorPage::storageChanged()
{
    QObject *control = sender();
    AsOneChange([this, control] { ComboBoxS1Change(control); });
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
    QComboBox *sampling = SamplingIntervalComboBoxes[row];
    QComboBox *storage = StorageIntervalComboBoxes[row];
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
    const auto &column = sampling ? SamplingIntervalComboBoxes : StorageIntervalComboBoxes;
    const QCheckBox *changeAll = sampling ? ui->CheckBoxMAll : ui->CheckBoxSAll;

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
