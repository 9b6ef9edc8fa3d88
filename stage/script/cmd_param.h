#pragma once
// The parameters of a command as the executors read them.

#include <cstdint>

#include "records/script/flow_cmd.h"

// Parameter n of the command; 0 past its list (validation sizes the list to
// the kind, so only damaged data gets here).
inline int32_t CmdParam(const cFlowCmd& cmd, int32_t n) {
  return n >= 0 && n < cmd.m_Params.VectorSize() ? cmd.m_Params.CheckedVectorAt(n) : 0;
}

// Tenths of a second as frames (6 a tenth), saturated: a wait of any stored
// length stays a wait.
inline int32_t TenthsToFrames(int32_t tenths) {
  const int64_t frames = static_cast<int64_t>(tenths) * 6;
  if (frames > INT32_MAX) return INT32_MAX;
  if (frames < INT32_MIN) return INT32_MIN;
  return static_cast<int32_t>(frames);
}
