#pragma once
// The vocabulary of conditions and of the status commands that share it:
// labels as stored, and the value ranges of chara statuses, system values and
// chara state flags. Index = the stored code.

#include <array>
#include <cstdint>
#include <span>

// A status that a condition compares or a status command changes.
struct STATUSDESC {
  const char* lpLabel;
  int32_t nMin;         // values the status takes
  int32_t nMax;
  int32_t nOperandMin;  // operands a command may give
  int32_t nOperandMax;
};

// A state flag of a chara: a byte of its definition copy.
struct STATEFLAGDESC {
  const char* lpLabel;
  int32_t nMin;
  int32_t nMax;
  std::span<const char* const> valueLabels;  // empty: no labels stored
  int32_t nDefault;
};

inline constexpr std::array<const char*, 8> kConditionKindLabels = {
    "", "コモン変数条件", "ステージ変数条件", "キャラ変数条件",
    "ステータス条件", "ステータス条件2", "ステータス条件3", "距離条件"};

inline constexpr std::array<const char*, 2> kCondListModeLabels = {
    "全ての条件が真なら成立", "1つ以上の条件が真なら成立"};

// Compare codes 0..7 (eCompare); the label follows the condition's value.
inline constexpr std::array<const char*, 8> kCompareLabels = {
    "である", "でない", "以上", "以下", "より上", "より下", "の倍数である", "の倍数でない"};

// Chara statuses (selector of kind 4 for a chara owner). Selector 0 is a chara
// variable numbered by the condition's index.
inline constexpr int32_t kStatusCharaVariable = 0;
inline constexpr int32_t kStatusHp = 1;
inline constexpr int32_t kStatusSp = 2;
inline constexpr int32_t kStatusMaxHp = 3;
inline constexpr int32_t kStatusMaxSp = 4;
inline constexpr std::array<STATUSDESC, 15> kCharaStatuses = {{
    {"キャラ変数", -999999, 999999, -999999, 999999},
    {"HP", 0, 999999, -999999, 999999},
    {"SP", 0, 999999, -999999, 999999},
    {"最大HP", 0, 999999, -999999, 999999},
    {"最大SP", 0, 999999, -999999, 999999},
    {"キャラID", 0, 99, -99, 99},
    {"Z座標", 0, 8, -8, 8},
    {"マーク番号", 0, 119, -121, 119},
    {"視界範囲(hbl)", 0, 40, -40, 40},
    {"体当たりの威力", -999999, 999999, -999999, 999999},
    {"体当たりの衝撃", -20, 20, -20, 20},
    {"防御力", 0, 999999, -999999, 999999},
    {"衝撃耐性", 0, 20, -20, 20},
    {"止まりやすさ", 0, 200, -200, 200},
    {"倒したら獲得するスコア", -999999, 999999, -999999, 999999},
}};

// System values (selector of kind 4 for the system owner). Their operands take
// the same range as the values.
inline constexpr std::array<STATUSDESC, 5> kSystemValues = {{
    {"時間", 0, 999, 0, 999},
    {"横スクロール速度", -480, 480, -480, 480},
    {"縦スクロール速度", -480, 480, -480, 480},
    {"スコア", 0, 999999, 0, 999999},
    {"残り人数", 0, 99, 0, 99},
}};

inline constexpr std::array<const char*, 1> kVanishFlagLabels = {"ON"};
inline constexpr std::array<const char*, 4> kFlyFlagLabels = {
    "OFF", "ON (ブロックをすり抜ける)", "ON (ブロックに当たる)", "ON (ブロックに当たると即死)"};
inline constexpr std::array<const char*, 3> kInvincibleFlagLabels = {
    "OFF", "ON (ショットが当たる)", "ON (ショットがすり抜ける)"};
// Values 1 to 10 in order (area factor: scale squared).
inline constexpr std::array<const char*, 10> kGiantFlagLabels = {
    "しない", "×4", "×9", "×16", "×25", "×36", "×49", "×64", "×81", "×100"};

// Chara state flags (selector of kind 5; flag 0 is never tested by a
// condition).
inline constexpr std::array<STATEFLAGDESC, 7> kStateFlags = {{
    {"消滅", 0, 0, kVanishFlagLabels, 0},
    {"透明", 0, 1, {}, 0},
    {"向き固定", 0, 1, {}, 0},
    {"飛行", 0, 3, kFlyFlagLabels, 0},
    {"無敵", 0, 2, kInvincibleFlagLabels, 0},
    {"巨大化", 1, 10, kGiantFlagLabels, 1},
    {"オートスクロールとシンクロ", 0, 1, {}, 0},
}};

// States of kind 6 (eCharaState).
inline constexpr std::array<const char*, 5> kCharaStateLabels = {
    "左向き", "右向き", "ブロックに乗っている(ブロックキャラも含む)", "画面内にいる",
    "存在している"};

// Kind 7: whose distance (m_nSubject), range display (m_nLeftType), inside or
// outside (m_nCompare) and shape (m_nShape).
inline constexpr std::array<const char*, 5> kDistanceSubjectLabels = {
    "主人公", "ターゲット1", "ターゲット2", "ターゲット3", "ターゲット4"};
inline constexpr std::array<const char*, 3> kDistanceDisplayLabels = {
    "表示しない", "表示する", "テストプレイ時のみ表示"};
inline constexpr std::array<const char*, 2> kDistanceCompareLabels = {"以内", "外"};
inline constexpr std::array<const char*, 7> kDistanceShapeLabels = {
    "横", "前", "後", "縦", "前Y", "後Y", "円"};

// Right operands of kind 4 (eRightOperand).
inline constexpr std::array<const char*, 4> kRightOperandLabels = {"定数", "乱数", "ステータス",
                                                                   "変数"};

// The entry of a stored selector, or null when it is outside its table.
const STATUSDESC* CharaStatusDesc(int32_t selector);
const STATUSDESC* SystemValueDesc(int32_t selector);
const STATEFLAGDESC* StateFlagDesc(int32_t selector);
