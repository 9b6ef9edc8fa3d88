#pragma once
// What a successful load must leave true of the records it produced, beyond
// "it saves and loads again": the list lengths the program indexes by fixed
// numbers and the values the loads bring into range. Checked on every record
// the file holds, nested ones included; a broken rule aborts with its name.

#include <cstdint>

#include "tools/gamedata/data_file.h"

// nVersion: the data version the file held. bSaveDataLoaded: the game state the file holds was loaded (a replay older
// than kReplayStateFrom leaves its state as it was, unchecked).
void CheckDataFileInvariants(cDataFile& file, int32_t nVersion, bool bSaveDataLoaded);
