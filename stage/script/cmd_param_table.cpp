#include "stage/script/cmd_param_table.h"

#include <initializer_list>
#include <vector>

#include "records/script/flow_cmd.h"

cVector<cVector<CMDPARAMDESC>> g_CmdParamTable;

namespace cmd_param_table {

// Where a row's value lives in the command.
enum class eWhere : uint8_t { kParam, kMove16, kShot8, kShot16, kShot32, kShotArray16 };

struct PARAMROW {
  const char* lpLabel;
  int32_t nMin;
  int32_t nMax;
  eWhere where;
  int32_t n = 0;  // parameter number, or element of a shot array
  int16_t cEdMove::*lpMove16 = nullptr;
  int8_t cEdShot::*lpShot8 = nullptr;
  int16_t cEdShot::*lpShot16 = nullptr;
  int32_t cEdShot::*lpShot32 = nullptr;
  int16_t (cEdShot::*lpShotArray16)[3] = nullptr;
};

constexpr int32_t kPos = 640;
constexpr int32_t kAngle = 7200;
constexpr int32_t kValue = 999999;
constexpr int32_t kWide = 2147483647;

PARAMROW P(const char* l, int32_t lo, int32_t hi, int32_t n) { return {l, lo, hi, eWhere::kParam, n}; }
PARAMROW M(const char* l, int32_t lo, int32_t hi, int16_t cEdMove::*f) {
  PARAMROW r{l, lo, hi, eWhere::kMove16};
  r.lpMove16 = f;
  return r;
}
PARAMROW S8(const char* l, int32_t lo, int32_t hi, int8_t cEdShot::*f) {
  PARAMROW r{l, lo, hi, eWhere::kShot8};
  r.lpShot8 = f;
  return r;
}
PARAMROW S16(const char* l, int32_t lo, int32_t hi, int16_t cEdShot::*f) {
  PARAMROW r{l, lo, hi, eWhere::kShot16};
  r.lpShot16 = f;
  return r;
}
PARAMROW S32(const char* l, int32_t lo, int32_t hi, int32_t cEdShot::*f) {
  PARAMROW r{l, lo, hi, eWhere::kShot32};
  r.lpShot32 = f;
  return r;
}
PARAMROW SA(const char* l, int32_t k, int16_t (cEdShot::*f)[3]) {
  PARAMROW r{l, 0, kWide, eWhere::kShotArray16, k};
  r.lpShotArray16 = f;
  return r;
}

std::vector<PARAMROW> Formation(int32_t) {
  return {SA("フォーメーション固有1", 0, &cEdShot::m_nFormationParam),
          SA("フォーメーション固有2", 1, &cEdShot::m_nFormationParam),
          SA("フォーメーション固有3", 2, &cEdShot::m_nFormationParam)};
}

std::vector<PARAMROW> Join(std::initializer_list<std::vector<PARAMROW>> parts) {
  std::vector<PARAMROW> rows;
  for (const auto& part : parts) rows.insert(rows.end(), part.begin(), part.end());
  return rows;
}

std::vector<PARAMROW> LinearRows() {
  return {M("目標X(bl)", -kPos, kPos, &cEdMove::m_nTargetX), M("目標X(dot)", -kPos, kPos, &cEdMove::m_nTargetDotX),
          M("目標Y(bl)", -kPos, kPos, &cEdMove::m_nTargetY), M("目標Y(dot)", -kPos, kPos, &cEdMove::m_nTargetDotY),
          M("角度", -kAngle, kAngle, &cEdMove::m_nAngle),
          M("分身値による増加角度", -kAngle, kAngle, &cEdMove::m_nAnglePerClone)};
}

std::vector<PARAMROW> ShotRows() {
  return Join({{S16("グラフィック", 1, 120, &cEdShot::m_nGraphic), S8("Z座標", 0, 7, &cEdShot::m_nZ)},
               Formation(0),
               {S8("発射数", 1, 127, &cEdShot::m_nCount), S8("発射数に対する分身数", 0, 20, &cEdShot::m_nClones),
                S16("角度のズレ", -kAngle, kAngle, &cEdShot::m_nAngle),
                S16("分身値による角度のズレ", -kAngle, kAngle, &cEdShot::m_nAnglePerClone),
                S16("分散角度", 0, 180, &cEdShot::m_nSpread),
                S16("発射位置のズレX(dot)", -kPos, kPos, &cEdShot::m_nOffsetX),
                S16("分身値による発射位置のズレX(dot)", -kPos, kPos, &cEdShot::m_nOffsetXPerClone),
                S16("発射位置のズレY(dot)", -kPos, kPos, &cEdShot::m_nOffsetY),
                S16("分身値による発射位置のズレY(dot)", -kPos, kPos, &cEdShot::m_nOffsetYPerClone),
                S8("勢力", 0, 7, &cEdShot::m_nGroup),
                SA("移動タイプ固有1", 0, &cEdShot::m_nMoveTypeParam), SA("移動タイプ固有2", 1, &cEdShot::m_nMoveTypeParam),
                SA("移動タイプ固有3", 2, &cEdShot::m_nMoveTypeParam), S16("速度", -200, 200, &cEdShot::m_nSpeed),
                S16("分身値による増加速度", -200, 200, &cEdShot::m_nSpeedPerClone),
                S16("加速度", -200, 200, &cEdShot::m_nAccel),
                S16("分身値による増加加速度", -200, 200, &cEdShot::m_nAccelPerClone),
                S16("飛距離(hbl)", 0, 64, &cEdShot::m_nRange),
                S16("分身値による増加飛距離", -40, 40, &cEdShot::m_nRangePerClone),
                S16("存在時間(1/10s)", 1, 999, &cEdShot::m_nLife),
                S16("分身値よる増加存在時間", -99, 99, &cEdShot::m_nLifePerClone),
                S8("消滅値", 1, 9, &cEdShot::m_nVanishValue), S32("威力", -kValue, kValue, &cEdShot::m_nPower),
                S8("衝撃", -20, 20, &cEdShot::m_nImpact)}});
}

std::vector<PARAMROW> SummonRows(bool withLife, bool withGroup) {
  std::vector<PARAMROW> rows;
  if (withLife) rows.push_back(S16("存在時間(1/10s)", 1, 9999, &cEdShot::m_nRange));
  if (withGroup) rows.push_back(S8("勢力", 0, 7, &cEdShot::m_nGroup));
  return Join({rows, Formation(0),
               {S8("数", 1, 127, &cEdShot::m_nCount), S16("召喚位置のズレX(dot)", -kPos, kPos, &cEdShot::m_nOffsetX),
                S16("召喚位置のズレY(dot)", -kPos, kPos, &cEdShot::m_nOffsetY)}});
}

// The rows of every command index (112 in 19 indexes).
const std::array<std::vector<PARAMROW>, kFlowCmdKindCount>& Rows() {
  static const std::array<std::vector<PARAMROW>, kFlowCmdKindCount> rows = [] {
    std::array<std::vector<PARAMROW>, kFlowCmdKindCount> t;
    t[2] = LinearRows();
    t[5] = LinearRows();
    t[6] = {M("誘導性能の悪さ", 0, 10, &cEdMove::m_nHoming), M("分身値による増加誘導性能の悪さ", 0, 10, &cEdMove::m_nHomingPerClone),
            M("目標X(bl)", -kPos, kPos, &cEdMove::m_nTargetX), M("目標X(dot)", -kPos, kPos, &cEdMove::m_nTargetDotX),
            M("目標Y(bl)", -kPos, kPos, &cEdMove::m_nTargetY), M("目標Y(dot)", -kPos, kPos, &cEdMove::m_nTargetDotY)};
    t[11] = ShotRows();
    t[12] = {S8("勢力", 0, 7, &cEdShot::m_nGroup), S8("Z座標", 0, 7, &cEdShot::m_nZ),
             S32("威力", -kValue, kValue, &cEdShot::m_nPower), S8("衝撃", -20, 20, &cEdShot::m_nImpact)};
    t[13] = SummonRows(false, false);
    t[14] = SummonRows(true, true);
    t[15] = SummonRows(true, false);
    t[17] = {P("次のステージの番号", 1, 99, 1), P("次のステージの初期位置X(bl)", 0, 999, 6),
             P("次のステージの初期位置Y(bl)", 0, 999, 7), P("クリア後のワールドマップの位置X", 0, 999, 3),
             P("クリア後のワールドマップの位置Y", 0, 999, 4)};
    t[19] = {P("メッセージID", 0, 999, 13), P("座標X(bl)", 0, 20, 1), P("座標Y(bl)", 0, 15, 2),
             P("表示位置のズレX(dot)", -999, 999, 3), P("表示位置のズレY(dot)", -999, 999, 4)};
    t[20] = {M("距離(hbl)", 0, 64, &cEdMove::m_nDistance), M("分身値による増加距離(hbl)", -40, 40, &cEdMove::m_nDistancePerClone),
             M("目標X(bl)", -kPos, kPos, &cEdMove::m_nTargetX), M("目標Y(bl)", -kPos, kPos, &cEdMove::m_nTargetY),
             M("目標Xのズレ(dot)", -kPos, kPos, &cEdMove::m_nTargetDotX), M("目標Yのズレ(dot)", -kPos, kPos, &cEdMove::m_nTargetDotY)};
    t[21] = {P("対象勢力", 0, 7, 2), P("対象キャラID", 0, 99, 10), P("キャラ変数と比較する数値", -kValue, kValue, 13)};
    t[22] = {P("乱数の最小値", -kValue, kValue, 8), P("乱数の最大値", -kValue, kValue, 9)};
    t[24] = {P("対象勢力", 0, 7, 1)};
    t[26] = {P("グラフィック", 1, 119, 1), P("ズレ", -999, 999, 2)};
    t[29] = {P("座標X(bl)", 0, 511, 2), P("座標Y(bl)", 0, 511, 3), P("表示位置のズレX(dot)", -999, 999, 4),
             P("表示位置のズレY(dot)", -999, 999, 5), P("表示倍率(%)", 1, 1000, 6)};
    t[32] = {P("ピクチャーID", 0, 999, 13), P("座標X(bl)", 0, 511, 2), P("座標Y(bl)", 0, 511, 3),
             P("表示位置のズレX(dot)", -999, 999, 4), P("表示位置のズレY(dot)", -999, 999, 5), P("表示倍率(%)", 1, 1000, 7)};
    t[33] = {P("R", 0, 255, 0), P("G", 0, 255, 1), P("B", 0, 255, 2), P("%", 0, 100, 3)};
    t[34] = {P("背景番号", 1, 8, 0)};
    return t;
  }();
  return rows;
}

const PARAMROW* FindRow(int32_t index, int32_t param) {
  if (index < 0 || index >= kFlowCmdKindCount) return nullptr;
  const std::vector<PARAMROW>& rows = Rows()[static_cast<std::size_t>(index)];
  if (param < 0 || param >= static_cast<int32_t>(rows.size())) return nullptr;
  return &rows[static_cast<std::size_t>(param)];
}

// The field a row names in cmd, as an address of its width; none when the
// command lacks the settings or the parameter.
struct cFieldRef {
  int8_t* lp8 = nullptr;
  int16_t* lp16 = nullptr;
  int32_t* lp32 = nullptr;
  bool Exists() const { return lp8 != nullptr || lp16 != nullptr || lp32 != nullptr; }
  int32_t Get() const { return lp8 != nullptr ? *lp8 : lp16 != nullptr ? *lp16 : *lp32; }
  void Set(int32_t value) const {
    if (lp8 != nullptr) *lp8 = static_cast<int8_t>(value);
    if (lp16 != nullptr) *lp16 = static_cast<int16_t>(value);
    if (lp32 != nullptr) *lp32 = value;
  }
};

cFieldRef FieldOf(const PARAMROW& row, cFlowCmd& cmd) {
  cFieldRef ref;
  cEdMove* move = cmd.m_Move.get();
  cEdShot* shot = cmd.m_Shot.get();
  switch (row.where) {
    case eWhere::kParam:
      if (row.n < cmd.m_Params.VectorSize()) ref.lp32 = &cmd.m_Params.CheckedVectorAt(row.n);
      break;
    case eWhere::kMove16:
      if (move != nullptr) ref.lp16 = &(move->*row.lpMove16);
      break;
    case eWhere::kShot8:
      if (shot != nullptr) ref.lp8 = &(shot->*row.lpShot8);
      break;
    case eWhere::kShot16:
      if (shot != nullptr) ref.lp16 = &(shot->*row.lpShot16);
      break;
    case eWhere::kShot32:
      if (shot != nullptr) ref.lp32 = &(shot->*row.lpShot32);
      break;
    case eWhere::kShotArray16:
      if (shot != nullptr) ref.lp16 = &(shot->*row.lpShotArray16)[row.n];
      break;
  }
  return ref;
}

cFieldRef FieldOf(int32_t index, int32_t param, cFlowCmd* lpCmd) {
  const PARAMROW* row = FindRow(index, param);
  return row != nullptr && lpCmd != nullptr ? FieldOf(*row, *lpCmd) : cFieldRef{};
}

template <int32_t Index>
void GetParam(int32_t* lpOut, int32_t param, cFlowCmd* lpCmd) {
  const cFieldRef ref = FieldOf(Index, param, lpCmd);
  if (ref.Exists() && lpOut != nullptr) *lpOut = ref.Get();
}

template <int32_t Index>
void SetParam(int32_t value, int32_t param, cFlowCmd* lpCmd) {
  const cFieldRef ref = FieldOf(Index, param, lpCmd);
  if (ref.Exists()) ref.Set(value);
}

void GetNothing(int32_t*, int32_t, cFlowCmd*) {}
void SetNothing(int32_t, int32_t, cFlowCmd*) {}

}  // namespace cmd_param_table

// Entries by command index: null without accessors, the do-nothing pair at
// 3, 4 and 7, the row accessors where the table has rows.
const std::array<CmdParamGetter, kFlowCmdKindCount> g_CmdParamGetters = [] {
  using namespace cmd_param_table;
  std::array<CmdParamGetter, kFlowCmdKindCount> t{};
  t[2] = GetParam<2>, t[3] = GetNothing, t[4] = GetNothing, t[5] = GetParam<5>, t[6] = GetParam<6>, t[7] = GetNothing;
  t[11] = GetParam<11>, t[12] = GetParam<12>, t[13] = GetParam<13>, t[14] = GetParam<14>, t[15] = GetParam<15>;
  t[17] = GetParam<17>, t[19] = GetParam<19>, t[20] = GetParam<20>, t[21] = GetParam<21>, t[22] = GetParam<22>;
  t[24] = GetParam<24>, t[26] = GetParam<26>, t[29] = GetParam<29>, t[32] = GetParam<32>, t[33] = GetParam<33>;
  t[34] = GetParam<34>;
  return t;
}();

const std::array<CmdParamSetter, kFlowCmdKindCount> g_CmdParamSetters = [] {
  using namespace cmd_param_table;
  std::array<CmdParamSetter, kFlowCmdKindCount> t{};
  t[2] = SetParam<2>, t[3] = SetNothing, t[4] = SetNothing, t[5] = SetParam<5>, t[6] = SetParam<6>, t[7] = SetNothing;
  t[11] = SetParam<11>, t[12] = SetParam<12>, t[13] = SetParam<13>, t[14] = SetParam<14>, t[15] = SetParam<15>;
  t[17] = SetParam<17>, t[19] = SetParam<19>, t[20] = SetParam<20>, t[21] = SetParam<21>, t[22] = SetParam<22>;
  t[24] = SetParam<24>, t[26] = SetParam<26>, t[29] = SetParam<29>, t[32] = SetParam<32>, t[33] = SetParam<33>;
  t[34] = SetParam<34>;
  return t;
}();

void BuildCmdParamTable() {
  g_CmdParamTable.resize(kFlowCmdKindCount);
  for (int32_t index = 0; index < kFlowCmdKindCount; ++index) {
    cVector<CMDPARAMDESC>& descs = g_CmdParamTable.CheckedVectorAt(index);
    const std::vector<cmd_param_table::PARAMROW>& rows = cmd_param_table::Rows()[static_cast<std::size_t>(index)];
    descs.resize(rows.size());
    for (std::size_t r = 0; r < rows.size(); ++r) {
      descs.CheckedVectorAt(static_cast<int32_t>(r)) = {rows[r].lpLabel, rows[r].nMin, rows[r].nMax};
    }
  }
}

int32_t CmdParamIndex(const cFlowCmd& cmd) {
  return cmd.m_nSet == kCmdSetItem ? cmd.m_nKind + kItemToFlowKind : cmd.m_nKind;
}

bool HasCmdParam(int32_t index, int32_t param, const cFlowCmd& cmd) {
  return cmd_param_table::FieldOf(index, param, const_cast<cFlowCmd*>(&cmd)).Exists();
}
