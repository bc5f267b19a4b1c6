#pragma once

#include "estimators/PlanFigures.h"

#include <nlohmann/json.hpp>

// Puts each figure of FigureKeys into the object as a number, as its text
// gives it; null for a figure that is absent, and for all of them when there
// are no figures.
void PutFigures(nlohmann::ordered_json &object, const PlanFigures *figures);
