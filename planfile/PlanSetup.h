#pragma once

#include "estimators/StationPlan.h"
#include "setup/SetupModel.h"

#include <optional>

// The setup model the command page loads for an opened plan: the start-up
// model with the plan's station ID and measurement IDs (and names) where the
// plan holds them. Nothing when it holds neither, so that the command page
// stays as it is.
std::optional<SetupModel> CommandSetupOf(const StationPlan &plan);
