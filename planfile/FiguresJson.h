#pragma once

#include "estimators/PlanFigures.h"

#include <nlohmann/json.hpp>

#include <string>

// A number as FigureTexts writes it: whole, or with a decimal point.
nlohmann::ordered_json JsonNumber(const std::string &text);

// Puts each figure of FigureKeys into the object as a number, as its text
// gives it; null for a figure that is absent.
void PutFigures(nlohmann::ordered_json &object, const PlanFigures &figures);
