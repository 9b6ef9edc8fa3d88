// アイテムの取得: an item of the common or the stage palette is given to the
// hero without being placed; its commands run as if it had been touched.

#include <algorithm>
#include <utility>
#include <vector>

#include "core/log/report_log.h"
#include "records/palette/common_palette.h"
#include "records/script/flow_cmd.h"
#include "records/stage/stage_globals.h"
#include "stage/objects/hero.h"
#include "stage/objects/object_lists.h"
#include "stage/objects/item.h"
#include "stage/objects/stage_play.h"
#include "stage/script/cmd_param.h"
#include "stage/script/flow_cmd_executors.h"

namespace exec_get_item {

enum ePalette : int32_t { kCommonPalette = 0, kStagePalette = 1 };

// Items whose commands are being run further up the call, as {palette,
// index}. An item that takes itself again, directly or through other items,
// would recurse until the stack ran out; it does nothing instead.
std::vector<std::pair<int32_t, int32_t>> g_Applying;
bool g_bRecursionLogged = false;

class cApplyingScope {
 public:
  explicit cApplyingScope(std::pair<int32_t, int32_t> item) { g_Applying.push_back(item); }
  ~cApplyingScope() { g_Applying.pop_back(); }
  cApplyingScope(const cApplyingScope&) = delete;
  cApplyingScope& operator=(const cApplyingScope&) = delete;
};

const cVector<cItemDef>* Palette(int32_t palette) {
  if (palette == kCommonPalette) return &g_CommonPalette.m_ItemPalette;
  if (palette == kStagePalette) return &g_Stage.m_ItemPalette;
  return nullptr;
}

}  // namespace exec_get_item

int32_t ExecGetItem(cCharaBase*, cFlowCmd* lpCmd) {
  using namespace exec_get_item;
  cStagePlay* play = g_lpSceneStagePlay;
  if (lpCmd == nullptr || play == nullptr) return 0;
  const cVector<cItemDef>* palette = Palette(CmdParam(*lpCmd, 0));
  if (palette == nullptr) return 0;
  const std::pair<int32_t, int32_t> key{CmdParam(*lpCmd, 0), CmdParam(*lpCmd, 1)};
  if (std::find(g_Applying.begin(), g_Applying.end(), key) != g_Applying.end()) {
    if (!std::exchange(g_bRecursionLogged, true)) {
      ReportLog("item %d of palette %d takes itself again: ignored", key.second, key.first);
    }
    return 0;
  }
  if (g_Heroes.empty()) return 0;
  // The item is never placed: only its commands (loops unrolled, as a
  // placed item's are) run on the first hero, without icon or sound.
  cItem item;
  item.InitFromDef(0, &palette->CheckedVectorAt(key.second), 0);
  int32_t result = 0;
  {
    cApplyingScope applying(key);
    result = g_Heroes.front().ApplyItemCommands(item.m_Def.m_Commands);
  }
  // A harmless item must not wipe out a clear or a death asked for earlier
  // in the same sub-step.
  if (result != 0) play->m_nStageClear = result;
  return result;
}
