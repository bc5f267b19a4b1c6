#include "app/FormMain.h"

#include "commandfile/CommandPage.h"
#include "estimators/EstimatorPage.h"
#include "estimators/StationPlan.h"
#include "setup/SetupApply.h"

// The steps in their fixed order, as one change of the estimator page; the
// values it shows are those of the plan the setup gives it.
void TFormMain::ApplySetup(const SetupModel &model, SetupImport::Way way)
{
    EstimatorPage &page = *estimators_;
    // What is shown now comes from no plan file.
    planFile_.clear();
    page.AsOneChange([&] {
        const StationPlan plan = PlanFromSetup(model, page.plan());
        Setup = model;
        page.ClearTxChannelSwitches();
        CorrectSetup(Setup);
        {
            const EstimatorPage::DetachedIntervalHandlers detached(page);
            try {
                ApplyToEstimators(plan);
            } catch (...) {
                // A step that fails must not leave the estimators held off.
                page.CalcDisabled = false;
                throw;
            }
        }
        page.SwitchVTX1Click(nullptr);
        page.SwitchVTX2Click(nullptr);
        commands_->setSetup(Setup);
        if (way == SetupImport::Way::Dialog) {
            page.ChangeChannelNames = false;
            // The variant follows the name of channel 8; only a change runs its handler.
            page.CheckConductivity(NamesConductivity(Setup));
        }
    });
}

// Two passes with the estimators held off; between them the transmission
// switch handlers bring the enabled states up to date.
void TFormMain::ApplyToEstimators(const StationPlan &plan)
{
    using Pass = EstimatorPage::Pass;
    EstimatorPage &page = *estimators_;
    page.CalcDisabled = true;
    page.KeepImportedIds(plan);
    for (int i = 1; i <= EstimatorRowCount; ++i)
        page.ApplyChannelRow(i, Pass::Sampling, plan);
    page.ApplyTransmissionControls(Pass::Sampling, plan);
    page.CalcDisabled = false;
    page.SwitchVTX1Click(nullptr);
    page.SwitchVTX2Click(nullptr);
    page.CalcDisabled = true;
    for (int i = 1; i <= EstimatorRowCount; ++i)
        page.ApplyChannelRow(i, Pass::Storage, plan);
    page.ApplyTransmissionControls(Pass::Storage, plan);
    page.CalcDisabled = false;
}
