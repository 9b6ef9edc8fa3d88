#include "records/script/flow_list.h"

#include <algorithm>

#include "records/record/record_list.h"

bool LoadFlowList(cRecordReader& reader, cVector<cFlow>& flows) {
  return LoadRecordList(reader, flows, cFlow());
}

bool LoadKeyCondList(cRecordReader& reader, cVector<cKeyCond>& keyConds) {
  return LoadRecordList(reader, keyConds, cKeyCond());
}

bool LoadFlowCmdList(cRecordReader& reader, cVector<cFlowCmd>& commands) {
  return LoadRecordList(reader, commands, cFlowCmd());
}

void DropFlaggedFlows(cVector<cFlow>& flows) {
  const auto kept = std::remove_if(flows.begin(), flows.end(),
                                   [](const cFlow& flow) { return flow.m_bDropAfterLoad != 0; });
  flows.erase(kept, flows.end());
}

namespace {

// Data versions below which triggers were numbered differently, and what
// became of them.
constexpr int32_t kTriggerBlockSidesUpTo = 131;  // "自分の左にブロックが当たった時" and on moved up by 1
constexpr int32_t kFlagOnlyForAlwaysBelow = 163; // flag numbers held only by "常時" flows
constexpr int32_t kBlockCharaTriggersBelow = 164; // two triggers inserted at 5
constexpr int32_t kAttackTriggersBelow = 762;    // three triggers inserted at 18

void RaiseTriggerFrom(cFlow& flow, int32_t first, int32_t by) {
  if (flow.m_nTrigger >= first) flow.m_nTrigger = static_cast<int8_t>(flow.m_nTrigger + by);
}

}  // namespace

void MigrateFlowTrigger(cFlow& flow, int32_t fileVersion) {
  if (fileVersion <= kTriggerBlockSidesUpTo) RaiseTriggerFrom(flow, 11, 1);
  if (fileVersion < kFlagOnlyForAlwaysBelow && flow.m_nTrigger != kTriggerAlways) flow.m_nFlagNo = 0;
  if (fileVersion < kBlockCharaTriggersBelow) RaiseTriggerFrom(flow, 5, 2);
  if (fileVersion < kAttackTriggersBelow) RaiseTriggerFrom(flow, 18, 3);
}
