#pragma once

#include "estimators/BatteryModel.h"

#include <string>

// Texts behind the result headings and the disclaimer links. Lines are
// joined by CR LF, with no line break after the last.

// A share of the daily charge as the breakdown shows it: "0.###".
std::string ChargeText(double mAh, char decimalSeparator);

std::string BatteryBreakdown(const BatteryShares &shares, char decimalSeparator);
std::string VolumeBreakdown(double volTX1Netto, double volTX2Netto);
std::string BatteryDisclaimer(bool german);
std::string VolumeDisclaimer(bool german);
