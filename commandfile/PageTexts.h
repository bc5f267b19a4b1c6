#pragma once

#include "common/Message.h"

// Texts of the command page's own controls beyond those of the language
// table, in English and German.

// The page's buttons.
inline constexpr Message CommandsFromPlanCaption = {"Commands from the plan",
                                                    "Kommandos aus dem Plan"};
