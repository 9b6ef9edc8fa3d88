#include "records/script/flow_cmd_migrate.h"

#include <algorithm>
#include <array>
#include <cstddef>

#include "records/script/cmd_kind_table.h"

namespace {

// Flow kinds as they were numbered before kRenumberedFrom: every kind from
// kFirstRenumberedKind on was one lower.
constexpr int32_t kRenumberedFrom = 734;
constexpr int32_t kFirstRenumberedKind = 24;
constexpr int32_t kOldGraphic = kFlowCmdGraphic - 1;
constexpr int32_t kOldBgm = kFlowCmdBgm - 1;
constexpr int32_t kOldArrange = kFlowCmdArrange - 1;

// "アレンジ": parameter-table entry 11 is "ショット"; entries from 24 on moved
// up by one when the command kinds were renumbered.
constexpr int32_t kArrangeShotEntry = 11;
constexpr int32_t kFirstMovedArrangeEntry = 24;

constexpr int32_t kMaxGraphic = 119;

int32_t WrapIncrement(int32_t value, int32_t by) {
  return static_cast<int32_t>(static_cast<uint32_t>(value) + static_cast<uint32_t>(by));
}

// The parameters as the steps see them. A parameter past the stored list reads
// as 0 and a write to it grows the list, exactly as if the list had first been
// sized to the kind (validation sizes it afterwards anyway); nothing outside
// the list is ever touched.
class cParams {
 public:
  explicit cParams(cFlowCmd& cmd) : m_Params(cmd.m_Params) {}

  int32_t Get(int32_t index) const {
    return static_cast<std::size_t>(index) < m_Params.size() ? m_Params.CheckedVectorAt(index) : 0;
  }
  void Set(int32_t index, int32_t value) {
    if (static_cast<std::size_t>(index) >= m_Params.size()) m_Params.resize(index + 1, 0);
    m_Params.CheckedVectorAt(index) = value;
  }
  void Add(int32_t index, int32_t by) { Set(index, WrapIncrement(Get(index), by)); }
  void AddWhenAtLeast(int32_t index, int32_t threshold, int32_t by) {
    if (Get(index) >= threshold) Add(index, by);
  }

  void Resize(int32_t count) { m_Params.resize(static_cast<std::size_t>(count), 0); }
  // Moves every parameter from index on up by one (the last one falls off) and
  // puts value at index.
  void Insert(int32_t index, int32_t value) {
    if (static_cast<std::size_t>(index) >= m_Params.size()) return;
    m_Params.insert(m_Params.begin() + index, value);
    m_Params.pop_back();
  }

 private:
  cVector<int32_t>& m_Params;
};

// "ステータスの操作": a status number of the left side (P4) and of the operand
// (P13) from threshold on moved up by one.
void ShiftStatusNumbers(cFlowCmd& cmd, int32_t threshold) {
  cParams p(cmd);
  if (p.Get(0) == 0 && p.Get(3) != 2) p.AddWhenAtLeast(4, threshold, 1);
  if (p.Get(6) == 2 && p.Get(12) != 2) p.AddWhenAtLeast(13, threshold, 1);
}

void Step01(cFlowCmd& c) { cParams(c).Resize(9); }
void Step02(cFlowCmd& c) { cParams p(c); p.Resize(2); p.Set(1, 1); }
void Step03(cFlowCmd& c) { ShiftStatusNumbers(c, 10); }
void Step04(cFlowCmd& c) { cParams p(c); p.Resize(16); p.Insert(2, 0); }
void Step05(cFlowCmd& c) { cParams p(c); p.Resize(15); p.Insert(6, 1); }
void Step06(cFlowCmd& c) { cParams p(c); p.Resize(3); p.Insert(1, 0); }
void Step07(cFlowCmd& c) { c.m_Params.clear(); }
void Step08(cFlowCmd& c) { cParams(c).Resize(4); }
void Step09(cFlowCmd& c) { ShiftStatusNumbers(c, 5); }
void Step10(cFlowCmd& c) {
  cParams p(c);
  if (p.Get(0) != 2) p.AddWhenAtLeast(1, 6, 1);
}
void Step11(cFlowCmd& c) {
  cParams p(c);
  if (p.Get(0) == 3) p.Set(1, std::min(WrapIncrement(p.Get(1), 1), kMaxGraphic));
}
void Step12(cFlowCmd& c) {
  if (!c.m_Shot) return;
  c.m_Shot->m_nGraphic = static_cast<int16_t>(std::min(c.m_Shot->m_nGraphic + 1, kMaxGraphic));
}
void Step13(cFlowCmd& c) {
  if (!c.m_Move) return;
  c.m_Move->m_nAngle = 0;
  c.m_Move->m_nAnglePerClone = 0;
  c.m_Move->m_bMirrorAngle = 1;
}
void Step14(cFlowCmd& c) { cParams p(c); p.Resize(18); p.Set(10, 1); }
void Step15(cFlowCmd& c) { cParams p(c); p.Resize(15); p.Set(11, 0); }
void Step16(cFlowCmd& c) {
  cParams p(c);
  p.Set(10, (p.Get(0) == 0 || p.Get(0) == 7) ? 1 : 0);
}
void Step17(cFlowCmd& c) {
  cParams p(c);
  p.Resize(18);
  p.Set(11, 0);
  p.Set(12, 0);
  p.Set(13, 0);
  p.Set(14, 1);
}
void Step18(cFlowCmd& c) { cParams p(c); p.Resize(15); p.Set(12, 0); p.Set(13, 0); }
void Step19(cFlowCmd& c) { cParams p(c); p.Resize(18); p.Set(16, 1); }
void Step20(cFlowCmd& c) { cParams(c).AddWhenAtLeast(0, 2, 1); }
void Step21(cFlowCmd& c) { cParams p(c); p.Resize(18); p.Set(17, 0); }
void Step22(cFlowCmd& c) { cParams p(c); p.Resize(15); p.Set(14, 0); }
void Step23(cFlowCmd& c) { cParams p(c); p.Resize(5); p.Set(0, kArrangeShotEntry); }
void Step24(cFlowCmd& c) {
  cParams p(c);
  if (p.Get(0) != kArrangeShotEntry) return;
  // Rows inserted into the shot entry; each test sees the rows moved by the
  // earlier ones.
  for (const int32_t threshold : {2, 3, 4, 14, 15, 16, 17}) p.AddWhenAtLeast(1, threshold, 1);
}
void Step25(cFlowCmd& c) {
  const int32_t kind = SharedFlowKind(c.m_nSet, c.m_nKind);
  if (kind < kFirstRenumberedKind) return;
  c.m_nKind = static_cast<int8_t>(c.m_nKind + 1);
  if (SharedFlowKind(c.m_nSet, c.m_nKind) == kFlowCmdArrange) {
    cParams(c).AddWhenAtLeast(0, kFirstMovedArrangeEntry, 1);
  }
}
void Step26(cFlowCmd& c) {
  cParams p(c);
  p.Resize(16);
  p.Set(10, 0);
  p.Set(11, 1);
  p.Set(14, 0);
}
void Step27(cFlowCmd& c) { cParams p(c); p.Resize(4); p.Set(3, 0); }
// A new list is switched off with mode 0: the command acts as it did.
void Step28(cFlowCmd& c) { NewCondList(c.m_CondList.Shared()); }
void Step29(cFlowCmd& c) { cParams(c).AddWhenAtLeast(0, 4, 6); }
void Step30(cFlowCmd& c) {
  if (c.m_Move && c.m_Move->m_nMode >= 2) c.m_Move->m_nMode = static_cast<int8_t>(c.m_Move->m_nMode + 3);
}
void Step31(cFlowCmd& c) { cParams p(c); p.Resize(16); p.Insert(0, 0); }
void Step32(cFlowCmd& c) {
  cParams p(c);
  if (p.Get(0) == 0) p.AddWhenAtLeast(3, 2, 3);
  if (p.Get(6) == 2) p.AddWhenAtLeast(12, 2, 3);
}
void Step33(cFlowCmd& c) { cParams(c).AddWhenAtLeast(0, 2, 3); }
void Step34(cFlowCmd& c) { cParams(c).Resize(5); }

// The step applies to every command of either set.
constexpr int32_t kAnyKind = -1;
// No second kind.
constexpr int32_t kNoKind = -2;

struct CMDMIGRATESTEP {
  int32_t nBelow;  // files below this data version
  int32_t nKind;   // flow kind (item commands by their flow form) at that time
  int32_t nKind2;  // a second kind the step applies to, or kNoKind
  void (*lpApply)(cFlowCmd&);
};

// Kinds are those of the numbering of their time: before kRenumberedFrom the
// flow kinds from 24 on were one lower (step 25 renumbers).
constexpr std::array<CMDMIGRATESTEP, 34> kSteps = {{
    {145, kFlowCmdStageClear, kNoKind, Step01},
    {166, kOldBgm, kNoKind, Step02},
    {168, kFlowCmdStatus, kNoKind, Step03},
    {189, kFlowCmdSetTarget, kNoKind, Step04},
    {194, kFlowCmdPicture - 1, kNoKind, Step05},
    {195, kFlowCmdCharaEffect - 1, kFlowCmdScrEffect - 1, Step06},
    {203, kFlowCmdSummonChara, kFlowCmdSummonItem, Step07},
    {203, kFlowCmdFlowOperation, kNoKind, Step08},
    {203, kFlowCmdStatus, kNoKind, Step09},
    {210, kFlowCmdStatus2, kNoKind, Step10},
    {219, kOldGraphic, kNoKind, Step11},
    {220, kFlowCmdShot, kNoKind, Step12},
    {514, kFlowCmdChargeMove, kNoKind, Step13},
    {545, kFlowCmdMessage, kNoKind, Step14},
    {545, kFlowCmdPicture - 1, kNoKind, Step15},
    {546, kFlowCmdMessage, kNoKind, Step16},
    {547, kFlowCmdMessage, kNoKind, Step17},
    {547, kFlowCmdPicture - 1, kNoKind, Step18},
    {556, kFlowCmdMessage, kNoKind, Step19},
    {722, kFlowCmdStageClear, kNoKind, Step20},
    {723, kFlowCmdMessage, kNoKind, Step21},
    {723, kFlowCmdPicture - 1, kNoKind, Step22},
    {726, kOldArrange, kNoKind, Step23},
    {727, kOldArrange, kNoKind, Step24},
    {kRenumberedFrom, kAnyKind, kNoKind, Step25},
    {747, kFlowCmdSetTarget, kNoKind, Step26},
    {760, kFlowCmdFlowOperation, kNoKind, Step27},
    {kCmdCondListFrom, kFlowCmdFlowOperation, kNoKind, Step28},
    {767, kFlowCmdFacing, kNoKind, Step29},
    {767, kFlowCmdWarp, kNoKind, Step30},
    {767, kFlowCmdSetTarget, kNoKind, Step31},
    {767, kFlowCmdStatus, kNoKind, Step32},
    {767, kFlowCmdStatus2, kNoKind, Step33},
    {820, kFlowCmdStatus2, kNoKind, Step34},
}};

bool StepApplies(const CMDMIGRATESTEP& step, const cFlowCmd& cmd, int32_t fileVersion) {
  if (fileVersion >= step.nBelow) return false;
  const int32_t kind = SharedFlowKind(cmd.m_nSet, cmd.m_nKind);
  if (kind < 0) return false;  // item kinds of their own, unknown sets
  return step.nKind == kAnyKind || kind == step.nKind || kind == step.nKind2;
}

}  // namespace

void MigrateFlowCmd(cFlowCmd& cmd, int32_t fileVersion) {
  for (const CMDMIGRATESTEP& step : kSteps) {
    if (StepApplies(step, cmd, fileVersion)) step.lpApply(cmd);
  }
}
