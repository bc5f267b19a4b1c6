#pragma once

#include "commandfile/PlanEntries.h"

#include <string>
#include <vector>

// The one message that names what the plan could not add, each with its
// reason, in the user's language (UTF-8); empty when nothing was left out.
std::string PlanLeftOutMessage(const std::vector<PlanLeftOut> &leftOut, bool german);
