// What a taken item does to the hero: its commands, and the icon of the item
// the hero shows.

#include "records/script/cmd_kind_table.h"
#include "stage/objects/hero.h"
#include "stage/objects/stage_play.h"
#include "stage/script/item_cmd_table.h"
#include "stage/script/variable_links.h"
#include "stage/services/message_setup.h"
#include "stage/services/stage_services.h"

namespace hero_item_commands {

constexpr int32_t kTakenIconKind = 2;
constexpr int32_t kAboveChara = 4;         // the window stands over the chara it names
constexpr int32_t kTimedDuration = 2;      // it closes after a number of frames
constexpr int32_t kTakenIconFrames = 30;

}  // namespace hero_item_commands

int32_t cHero::ApplyItemCommands(cVector<cFlowCmd>& cmds) {
  if (g_lpSceneStagePlay != nullptr) g_lpSceneStagePlay->m_bItemMessage = 0;
  // By index: a command may run flows that reach this list's owner, and the
  // list is read afresh at every step rather than through a held iterator.
  for (int32_t i = 0; i < cmds.VectorSize(); ++i) {
    cFlowCmd& cmd = cmds.CheckedVectorAt(i);
    // An アレンジ queues its link for the next command; every other command
    // takes the queued links and ends the queue.
    if (cmd.m_nKind != kItemCmdArrange) {
      ApplyCharaVariableLinks(&cmd, this);
      m_VarLinks.clear();
    }
    const int32_t result = DispatchItemCmd(this, &cmd);
    if (m_nHp <= 0) return kPlayDeath;
    if (result != 0) return result;
  }
  return m_nHp <= 0 ? kPlayDeath : 0;
}

void cHero::ShowTakenItemIcon(int32_t kind, int32_t graphic, int32_t cell) {
  if (g_lpSceneStagePlay == nullptr) return;
  cMessageSetup icon;
  icon.m_nKind = hero_item_commands::kTakenIconKind;
  icon.m_nIconSource = kind;
  icon.m_nIconIndex = graphic;
  icon.m_nIconCell = cell;
  icon.m_nPosMode = hero_item_commands::kAboveChara;
  icon.m_nStay = 1;
  icon.m_nDurationMode = hero_item_commands::kTimedDuration;
  icon.m_nDurationFrames = hero_item_commands::kTakenIconFrames;
  icon.m_nCharaId = m_nId;
  g_lpSceneStagePlay->Services().ShowMessage(icon);
}
