#pragma once

#include "setup/SetupModel.h"

#include <string>

// What the window needs to show a read setup: the corrections of codes it
// cannot show, and the mappings from the logger's codes to item positions.

// The logger's server type code to an item of the server type lists.
int ServerTypeIndex(int code);

// The logger's data format code to an item of the data format lists.
int DataFormatItem(int dataFormat);

// The item of the secondary server mode lists.
int SecondaryModeItem(const TransRec &transmission);

// Codes out of range become 0, and the server types are derived from the
// server instances.
void CorrectSetup(SetupModel &model);

// Whether a transmission's channel list names the measurement ID; the list
// is read in pieces of four characters, a shorter rest is ignored.
bool ChannelListHas(const std::string &channelList, const std::string &nr);
