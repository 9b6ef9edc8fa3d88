#include "stage/objects/hero.h"

#include <algorithm>

#include "core/input/input_state.h"
#include "records/stage/stage_globals.h"
#include "stage/objects/chara_flow_calls.h"
#include "stage/objects/state_visitor.h"

PendingItemCmdRunner g_lpRunPendingItemCmd = RunDeferredChangeFlow;

void cHero::InitForStage(int32_t id, const cCharaDef* lpDef, double x, double y) {
  Reset(lpDef, x, y, 0);
  if (m_Def.m_nGiant == 0) m_Def.m_nGiant = 1;

  int32_t left = 0, top = 0, width = 0, height = 0;
  GetPostureBox(&left, &top, &width, &height);
  cGameObject::Init(id, m_Def.m_nControl, m_Def.m_nPlayerNo, m_Def.m_nGroup, m_Def.m_nGraphic, nullptr, 0, left, top,
                    width, height, 32, 32, 1, 0, 0);
  m_nInput = m_Def.m_nPlayerNo;
  m_nInput = InputIndex();

  SetFlyingState(m_Def.m_nFly, 0, 0, 0);
  SetScale(m_Def.m_nGiant, 1, 1);

  m_nFacing = m_Def.m_nFacing;
  m_nRememberedFacing = m_nFacing;
  m_bPositionSaved = 0;
  m_bPostureChanged = 0;
  m_bJumpLocked = 0;
  m_dFloorBaseSpeed = 4.0 / g_Stage.m_dSubSteps;
  m_bJumpReleased = 0;
  m_nJumpHold = 0;
  m_bJumpReady = 1;
  m_bDirectionLock = m_bButtonLock = 0;
  m_nFloorEffect = 0;
  m_dFloorEffectValue = 0;
  m_nFloorEffectFrames = 0;
  m_nBlockItemPause = 0;
  m_nPassCount = 0;
  m_VarLinks.clear();
  SetCharaFlows(*this);
}

int32_t cHero::IsNotTouching(int32_t itemId) const {
  return std::find(m_Touching.begin(), m_Touching.end(), itemId) == m_Touching.end() ? 1 : 0;
}

void cHero::ForgetTouch(int32_t itemId) { m_Touching.remove(itemId); }

int32_t cHero::InputIndex() const {
  // Only one input exists; a second player's number reads it too rather
  // than failing the checked access and closing the program.
  return m_nInput >= 0 && m_nInput < g_InputList.VectorSize() ? m_nInput : 0;
}

void cHero::VisitState(cStateVisitor& visitor) {
  cCharaBase::VisitState(visitor);
  visitor.Value("m_nInput", m_nInput);
  visitor.Value("m_nJumpHold", m_nJumpHold);
  visitor.Value("m_bJumpReady", m_bJumpReady);
  visitor.Value("m_bJumpReleased", m_bJumpReleased);
  visitor.Value("m_dFloorBaseSpeed", m_dFloorBaseSpeed);
  visitor.Value("m_bJumpRan", m_bJumpRan);
  visitor.Value("m_bDirectionLock", m_bDirectionLock);
  visitor.Value("m_bButtonLock", m_bButtonLock);
  visitor.Value("m_nRememberedFacing", m_nRememberedFacing);
  visitor.Value("m_bPositionSaved", m_bPositionSaved);
  visitor.Value("m_dPostureX", m_dPostureX);
  visitor.Value("m_dPostureY", m_dPostureY);
  visitor.Value("m_dPostureRight", m_dPostureRight);
  visitor.Value("m_dPostureBottom", m_dPostureBottom);
  visitor.Value("m_bPostureChanged", m_bPostureChanged);
  visitor.List("m_Touching", m_Touching);
  visitor.Value("m_nFloorEffect", m_nFloorEffect);
  visitor.Value("m_dFloorEffectValue", m_dFloorEffectValue);
  visitor.Value("m_nFloorEffectFrames", m_nFloorEffectFrames);
  visitor.Value("m_nBlockItemPause", m_nBlockItemPause);
  visitor.Value("m_bNoJump", m_bNoJump);
  visitor.Value("m_nJumpRiseSteps", m_nJumpRiseSteps);
  visitor.Value("m_nPassCount", m_nPassCount);
  visitor.Group("m_ItemBox", [&] {
    visitor.Value("left", m_ItemBox.left);
    visitor.Value("top", m_ItemBox.top);
    visitor.Value("right", m_ItemBox.right);
    visitor.Value("bottom", m_ItemBox.bottom);
  });
  visitor.Value("m_nItemBoxX", m_nItemBoxX);
  visitor.Value("m_nItemBoxY", m_nItemBoxY);
  visitor.Value("m_nItemBoxW", m_nItemBoxW);
  visitor.Value("m_nItemBoxH", m_nItemBoxH);
  visitor.Value("m_nItemBoxXBase", m_nItemBoxXBase);
  visitor.Value("m_nItemBoxYBase", m_nItemBoxYBase);
  visitor.Value("m_nItemBoxWBase", m_nItemBoxWBase);
  visitor.Value("m_nItemBoxHBase", m_nItemBoxHBase);
  visitor.List("m_BoxRects", m_BoxRects);
  visitor.Sequence("m_PendingItemCmds", m_PendingItemCmds.VectorSize(), [&] {
    for (cFlowCmd& command : m_PendingItemCmds) visitor.Record("", command);
  });
  visitor.Sequence("m_VarLinks", static_cast<int64_t>(m_VarLinks.size()), [&] {
    for (cVector<int32_t>& link : m_VarLinks) visitor.List("", link);
  });
}
