#include "records/script/cmd_kind_table.h"

namespace {

constexpr std::array<CMDKINDDATA, kFlowCmdKindCount> kFlowKinds = {{
    {"", 0},
    {"ウエイト", 0},
    {"直線移動", 0},
    {"地上折り返し移動", 0},
    {"円移動", 0},
    {"突撃移動", 0},
    {"誘導移動", 0},
    {"画面外回避移動", 0},
    {"移動の無効化", 0},
    {"向き変更", 1},
    {"ジャンプ", 5},
    {"ショット", 0},
    {"ソード", 0},
    {"ブロック召喚", 0},
    {"キャラ召喚", 0},
    {"アイテム召喚", 0},
    {"フローの操作", 4},
    {"ステージクリア", 9},
    {"ゲームウエイト", 1},
    {"メッセージ", 18},
    {"ワープ", 0},
    {"ターゲットの設定", 16},
    {"ステータスの操作", 18},
    {"ステータスの操作2", 5},
    {"消滅", 3},
    {"アイテムの取得", 2},
    {"グラフィックの変更", 3},
    {"基本アニメセットの変更", 1},
    {"アニメの実行", 1},
    {"エフェクトの実行", 8},
    {"キャラエフェクトの実行", 3},
    {"画面エフェクトの実行", 3},
    {"ピクチャーの表示", 15},
    {"画面の色を変更", 8},
    {"背景の変更", 2},
    {"効果音の再生", 1},
    {"BGMの再生", 2},
    {"コードの実行", 0},
    {"アレンジ", 5},
    {"ループ", 2},
}};

// The item set: two kinds of its own, then the item forms of the flow kinds
// from "ステージクリア" on, with the same labels and parameter counts.
constexpr std::array<CMDKINDDATA, kItemCmdKindCount> BuildItemKinds() {
  std::array<CMDKINDDATA, kItemCmdKindCount> kinds{};
  kinds[kItemCmdNone] = {"", 0};
  kinds[kItemCmdChangeFlows] = {"フローの変更", 2};
  for (int32_t kind = kFirstSharedItemKind; kind < kItemCmdKindCount; ++kind) {
    kinds[kind] = kFlowKinds[kind + kItemToFlowKind];
  }
  return kinds;
}

static_assert(kItemCmdKindCount - 1 + kItemToFlowKind == kFlowCmdKindCount - 1,
              "the last item kind is the item form of the last flow kind");

}  // namespace

constinit const std::array<CMDKINDDATA, kFlowCmdKindCount> g_FlowCmdKinds = kFlowKinds;
constinit const std::array<CMDKINDDATA, kItemCmdKindCount> g_ItemCmdKinds = BuildItemKinds();

const CMDKINDDATA* FindCmdKind(int32_t set, int32_t kind) {
  if (kind < 0) return nullptr;
  const auto index = static_cast<std::size_t>(kind);
  if (set == kCmdSetFlow) return index < g_FlowCmdKinds.size() ? &g_FlowCmdKinds[index] : nullptr;
  if (set == kCmdSetItem) return index < g_ItemCmdKinds.size() ? &g_ItemCmdKinds[index] : nullptr;
  return nullptr;
}

int32_t SharedFlowKind(int32_t set, int32_t kind) {
  if (set == kCmdSetFlow) return kind;
  if (set == kCmdSetItem && kind >= kFirstSharedItemKind) return kind + kItemToFlowKind;
  return -1;
}
