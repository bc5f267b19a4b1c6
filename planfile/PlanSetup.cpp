#include "planfile/PlanSetup.h"

#include <algorithm>

std::optional<SetupModel> CommandSetupOf(const StationPlan &plan)
{
    const bool hasIds = std::any_of(plan.rows.begin(), plan.rows.end(),
                                    [](const StationPlan::Row &row) { return !row.id.empty(); });
    if (plan.stationId.empty() && !hasIds)
        return std::nullopt;
    SetupModel model;
    ResetSetupDefaults(model);
    if (!plan.stationId.empty())
        model.StationID = plan.stationId;
    if (hasIds) {
        // The plan's rows are the station's channels; those beyond them are
        // not known.
        for (int i = 1; i <= ChannelCount; ++i) {
            ChannelRec &channel = model.Channels[i];
            channel.Nr = i <= EstimatorRowCount ? plan.rows[i].id : std::string();
            channel.Name =
                i <= EstimatorRowCount ? plan.rows[i].name.value_or(std::string()) : std::string();
        }
    }
    return model;
}
