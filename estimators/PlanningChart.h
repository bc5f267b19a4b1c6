#pragma once

#include "estimators/PlanningAids.h"
#include "ui/ChartData.h"

struct StationPlan;

// What the chart shows for a plan: the aids' points of each transmission
// that is on, its interval now, and the targets.
ChartData ChartDataOf(const StationPlan &plan, const PlanningAids &aids,
                      const PlanningTargets &targets);
