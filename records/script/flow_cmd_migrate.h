#pragma once
// The migration of a command stored by an older data version: a fixed list of
// steps, each for files below a version and for one command (by kind, in the
// numbering of its time), applied in order. Steps that change a part act only
// when the command has it.

#include <cstdint>

#include "records/script/flow_cmd.h"

// Applies every step whose version is above fileVersion, in order. Nothing for
// files of the current data version.
void MigrateFlowCmd(cFlowCmd& cmd, int32_t fileVersion);
