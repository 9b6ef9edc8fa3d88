#pragma once
// cMessageSetup: the values a message window of the play scene is set up
// from, in the order the scene's message object takes them. The simulation
// fills one and hands it to cStageServices::ShowMessage; the scene owns the
// window list, its surfaces and its text rendering.
//
//   cMessageSetup icon;
//   icon.m_nKind = 2; icon.m_nIconSource = kind; ... ; icon.m_nCharaId = hero.m_nId;
//   play.Services().ShowMessage(icon);

#include <cstdint>
#include <string>

struct cMessageSetup {
  int32_t m_nKind = 0;             // 0 wait, 1 message command, 2 taken-item icon, 3 notice
  std::string m_strText;           // CP932
  int32_t m_nIconSource = 0;
  int32_t m_nIconIndex = 0;
  int32_t m_nIconCell = 0;
  int32_t m_nPosMode = 0;
  int32_t m_nBlockX = 0;
  int32_t m_nBlockY = 0;
  int32_t m_nOffsetX = 0;
  int32_t m_nOffsetY = 0;
  int32_t m_nKeepInside = 0;
  int32_t m_nStay = 0;
  int32_t m_nDurationMode = 0;
  int32_t m_nDurationFrames = 0;
  int32_t m_nCountWhileFrozen = 0;
  int32_t m_nCharaId = 0;
  int32_t m_nNoOpening = 0;
  int32_t m_nExpand = 0;
  int32_t m_nReEvaluate = 0;
  int32_t m_nPeriod = 0;
  int32_t m_nWindow = 0;
  int32_t m_nCmdValue1 = 0;
  int32_t m_nCmdValue2 = 0;
};
