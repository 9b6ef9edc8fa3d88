#include "stage/script/flow_unroll.h"

#include <algorithm>

#include "core/log/report_log.h"
#include "records/script/cmd_kind_table.h"

namespace flow_unroll {

bool IsLoop(const cFlowCmd& cmd) {
  return (cmd.m_nSet == kCmdSetFlow && cmd.m_nKind == kFlowCmdLoop) ||
         (cmd.m_nSet == kCmdSetItem && cmd.m_nKind == kItemCmdLoop);
}

int64_t Param(const cFlowCmd& cmd, int32_t n) {
  return n < cmd.m_Params.VectorSize() ? cmd.m_Params.CheckedVectorAt(n) : 0;
}

// Extra copies of an n-command block that keep a list of size commands (the
// loop command left out) within the limit.
int64_t CopiesWithinLimit(int64_t copies, int64_t n, int64_t size) {
  if (n == 0 || size + copies * n <= kMaxUnrolledCommands) return copies;
  static bool logged = false;
  if (!logged) {
    logged = true;
    ReportLog("loop repeat cut: a flow would exceed %d commands", kMaxUnrolledCommands);
  }
  return std::max<int64_t>(0, (kMaxUnrolledCommands - size) / n);
}

}  // namespace flow_unroll

int32_t UnrollFirstLoop(cVector<cFlowCmd>& cmds) {
  const auto loop = std::find_if(cmds.begin(), cmds.end(), flow_unroll::IsLoop);
  if (loop == cmds.end()) return 0;
  const int64_t j = loop - cmds.begin();
  const int64_t size = static_cast<int64_t>(cmds.size());
  const int64_t n = std::clamp<int64_t>(flow_unroll::Param(*loop, 1), 0, size - j - 1);
  const int64_t repeat = flow_unroll::Param(*loop, 0);
  const int64_t copies = flow_unroll::CopiesWithinLimit(repeat > 1 ? repeat - 1 : 0, n, size - 1);

  cVector<cFlowCmd> unrolled;
  unrolled.reserve(static_cast<std::size_t>(size - 1 + copies * n));
  unrolled.insert(unrolled.end(), cmds.begin(), loop);
  for (int64_t i = 0; i <= copies; ++i) unrolled.insert(unrolled.end(), loop + 1, loop + 1 + n);
  unrolled.insert(unrolled.end(), loop + 1 + n, cmds.end());
  cmds = std::move(unrolled);
  return 1;
}

void UnrollLoops(cVector<cFlowCmd>& cmds) {
  while (UnrollFirstLoop(cmds) != 0) {
  }
}
