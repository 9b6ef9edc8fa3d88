#include "records/script/param_desc.h"

#include <array>

namespace {

constexpr int32_t kParamsPerRow = 3;

// Descriptor of a parameter that is not used.
const char* const kUnused = nullptr;

// Three descriptors per formation, in formation order.
const std::array<cParamDesc, 18>& FormationTable() {
  static const std::array<cParamDesc, 18> table = {{
      // 0 "直進A", 1 "直進B"
      {"間隔(hbl)", 0, 40, 0}, {kUnused, 0, 0, 0}, {kUnused, 0, 0, 0},
      {"間隔(hbl)", 0, 40, 0}, {kUnused, 0, 0, 0}, {kUnused, 0, 0, 0},
      // 2 "拡散"
      {"角度", 0, 180, 30}, {kUnused, 0, 0, 0}, {kUnused, 0, 0, 0},
      // 3 "落雷"
      {"間隔(hbl)", 0, 40, 0}, {"列の数", 1, 50, 1}, {"列の間隔(hbl)", 0, 40, 0},
      // 4 "爆発"
      {kUnused, 0, 0, 0}, {kUnused, 0, 0, 0}, {kUnused, 0, 0, 0},
      // 5 "包囲"
      {"距離(hbl)", 0, 40, 6}, {kUnused, 0, 0, 0}, {kUnused, 0, 0, 0},
  }};
  return table;
}

// Three descriptors per shot movement type, in type order.
const std::array<cParamDesc, 30>& MoveTypeTable() {
  static const std::array<cParamDesc, 30> table = [] {
    const cParamDesc none(kUnused, 0, 0, 0);
    const cParamDesc course("軌道変更(hbl)", 0, 40, 0);
    const cParamDesc group("対象勢力", 0, 7, 0);
    const cParamDesc homingStart("誘導開始(hbl)", 0, 40, 0);
    const cParamDesc homingEnd("誘導終了(hbl)", 0, 999, 999);
    return std::array<cParamDesc, 30>{{
        none, none, none,                      // 0 "直進"
        course, none, none,                    // 1 "主人公を狙う"
        course, group, none,                   // 2 "近いキャラを狙う"
        course, none, none,                    // 3 "ターゲットを狙う"
        homingStart, homingEnd, none,          // 4 "主人公へ誘導"
        homingStart, homingEnd, group,         // 5 "近いキャラへ誘導（対象死亡時、誘導を無効化）"
        homingStart, homingEnd, none,          // 6 "ターゲットへ誘導"
        homingStart, homingEnd, group,         // 7 "近いキャラへ誘導（対象死亡時、対象を変更）"
        {"波の最大(hbl)", 0, 100, 4},           // 8 "ウェーブ"
        {"波の速度", 0, 100, 4},
        {"開始角度", 0, 359, 0},
        course, none, none,                    // 9 "落下"
    }};
  }();
  return table;
}

template <std::size_t N>
const cParamDesc* RowEntry(const std::array<cParamDesc, N>& table, int32_t row, int32_t param) {
  constexpr int32_t rows = static_cast<int32_t>(N) / kParamsPerRow;
  if (row < 0 || row >= rows || param < 0 || param >= kParamsPerRow) return nullptr;
  return &table[static_cast<std::size_t>(row * kParamsPerRow + param)];
}

}  // namespace

cParamDesc::cParamDesc(const char* label, int16_t min, int16_t max, int16_t def)
    : strLabel(label ? label : ""), nMin(min), nMax(max), nDefault(def) {}

const cParamDesc* FormationParamDesc(int32_t formation, int32_t param) {
  return RowEntry(FormationTable(), formation, param);
}

const cParamDesc* MoveTypeParamDesc(int32_t moveType, int32_t param) {
  return RowEntry(MoveTypeTable(), moveType, param);
}
