#pragma once
// The two command sets and their kinds: the label as stored and the number of
// integer parameters of each kind. A command's parameter list is sized to its
// kind's count by validation, so the executors may read every parameter the
// count covers.
//
// Item command kinds from 2 on are the item forms of flow kinds k + 15 and share
// their executors; SharedFlowKind maps a command of either set onto the flow
// numbering where such a form exists.

#include <array>
#include <cstdint>

// One entry of a kind table.
struct CMDKINDDATA {
  const char* lpLabel;
  int32_t nParams;
};

// Command sets (m_nSet of a command).
enum eCmdSet : int8_t {
  kCmdSetFlow = 0,
  kCmdSetItem = 1,
};

// Flow command kinds (set 0).
enum eFlowCmdKind : int8_t {
  kFlowCmdNone = 0,
  kFlowCmdWait = 1,             // "ウエイト"
  kFlowCmdLinearMove = 2,       // "直線移動"
  kFlowCmdGroundMove = 3,       // "地上折り返し移動"
  kFlowCmdCircleMove = 4,       // "円移動"
  kFlowCmdChargeMove = 5,       // "突撃移動"
  kFlowCmdHomingMove = 6,       // "誘導移動"
  kFlowCmdAvoidMove = 7,        // "画面外回避移動"
  kFlowCmdDisableMove = 8,      // "移動の無効化"
  kFlowCmdFacing = 9,           // "向き変更"
  kFlowCmdJump = 10,            // "ジャンプ"
  kFlowCmdShot = 11,            // "ショット"
  kFlowCmdSword = 12,           // "ソード"
  kFlowCmdSummonBlock = 13,     // "ブロック召喚"
  kFlowCmdSummonChara = 14,     // "キャラ召喚"
  kFlowCmdSummonItem = 15,      // "アイテム召喚"
  kFlowCmdFlowOperation = 16,   // "フローの操作"
  kFlowCmdStageClear = 17,      // "ステージクリア"
  kFlowCmdGameWait = 18,        // "ゲームウエイト"
  kFlowCmdMessage = 19,         // "メッセージ"
  kFlowCmdWarp = 20,            // "ワープ"
  kFlowCmdSetTarget = 21,       // "ターゲットの設定"
  kFlowCmdStatus = 22,          // "ステータスの操作"
  kFlowCmdStatus2 = 23,         // "ステータスの操作2"
  kFlowCmdVanish = 24,          // "消滅"
  kFlowCmdGetItem = 25,         // "アイテムの取得"
  kFlowCmdGraphic = 26,         // "グラフィックの変更"
  kFlowCmdAnimeSet = 27,        // "基本アニメセットの変更"
  kFlowCmdAnime = 28,           // "アニメの実行"
  kFlowCmdEffect = 29,          // "エフェクトの実行"
  kFlowCmdCharaEffect = 30,     // "キャラエフェクトの実行"
  kFlowCmdScrEffect = 31,       // "画面エフェクトの実行"
  kFlowCmdPicture = 32,         // "ピクチャーの表示"
  kFlowCmdScreenColor = 33,     // "画面の色を変更"
  kFlowCmdBackground = 34,      // "背景の変更"
  kFlowCmdSound = 35,           // "効果音の再生"
  kFlowCmdBgm = 36,             // "BGMの再生"
  kFlowCmdRunCode = 37,         // "コードの実行"
  kFlowCmdArrange = 38,         // "アレンジ"
  kFlowCmdLoop = 39,            // "ループ"
};
constexpr int32_t kFlowCmdKindCount = 40;

// Item command kinds (set 1) of their own; the others are FlowKind - 15.
enum eItemCmdKind : int8_t {
  kItemCmdNone = 0,
  kItemCmdChangeFlows = 1,  // "フローの変更": installs the command's sub-flows
  kItemCmdStageClear = 2,   // "ステージクリア"
  kItemCmdGetItem = 10,     // "アイテムの取得"
  kItemCmdPlaySound = 20,   // "効果音の再生"
  kItemCmdArrange = 23,     // "アレンジ"
  kItemCmdLoop = 24,        // "ループ"
};
constexpr int32_t kItemCmdKindCount = 25;

// An item kind k from kFirstSharedItemKind on runs flow kind k + kItemToFlowKind.
constexpr int32_t kFirstSharedItemKind = 2;
constexpr int32_t kItemToFlowKind = 15;

extern const std::array<CMDKINDDATA, kFlowCmdKindCount> g_FlowCmdKinds;
extern const std::array<CMDKINDDATA, kItemCmdKindCount> g_ItemCmdKinds;

// The table entry of a kind of a set; null when the set or the kind is outside
// the tables.
const CMDKINDDATA* FindCmdKind(int32_t set, int32_t kind);

// The flow kind that a command of either set runs: the kind itself for a flow
// command, kind + 15 for an item kind from 2 on; -1 for item kinds 0 and 1 and
// for any other set.
int32_t SharedFlowKind(int32_t set, int32_t kind);
