#pragma once
// The lists of the script records: flows, key conditions and commands, each
// an int32 count and that many records. A reader empties the list, fills it with
// default elements (the layout of the current data version) and loads each in
// order; the count is checked against what remains of the file before anything
// is allocated. Also: the removal of flagged flows and the trigger renumbering
// of older files.

#include <cstdint>

#include "core/containers/checked_vector.h"
#include "records/io/record_reader.h"
#include "records/script/flow.h"

bool LoadFlowList(cRecordReader& reader, cVector<cFlow>& flows);
bool LoadKeyCondList(cRecordReader& reader, cVector<cKeyCond>& keyConds);
bool LoadFlowCmdList(cRecordReader& reader, cVector<cFlowCmd>& commands);

// Erases every flow whose m_bDropAfterLoad is set; the others keep their order.
void DropFlaggedFlows(cVector<cFlow>& flows);

// The trigger numbering of a flow stored at data version fileVersion, brought
// to today's (older versions inserted triggers in between); a flow that has a
// trigger in a file from before flag numbers applied to such flows loses its
// flag number.
void MigrateFlowTrigger(cFlow& flow, int32_t fileVersion);
