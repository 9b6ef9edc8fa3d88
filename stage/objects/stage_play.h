#pragma once
// cStagePlay: the simulation half of the stage-play scene.
//
// Every field and operation of the stage-play scene that the simulation reads
// or writes lives here; the scene (subsystem 4) derives from its cScene and
// from cStagePlay, so both halves are one object and g_lpSceneStagePlay points
// at it while a stage runs. Tests and the stage runner use a cStagePlay alone:
//
//   cStagePlay play;
//   cRecordingStageServices services(play);
//   play.SetServices(&services);
//   play.m_Run.nGameMode = 3;                 // free play
//   g_lpSceneStagePlay = &play;
//   if (play.SetStage(0, 1)) {               // false: the stage could not be built
//     while (play.PhasePlay() == kPlayGoOn) {}
//   }
//   g_lpSceneStagePlay = nullptr;
//
// Everything the simulation asks of sound, screen, window and clock goes
// through Services(); stage/ itself never includes SDL or platform/.

#include <cstdint>
#include <string>

#include "core/containers/checked_list.h"
#include "core/containers/checked_vector.h"
#include "core/math/random.h"
#include "stage/objects/id_table.h"
#include "stage/objects/run_facts.h"
#include "stage/objects/scroll.h"

class cBlock;
class cCharaBase;
class cItem;
class cShot;
class cStageServices;
class cStateVisitor;

// How a play frame ended (PhasePlay's result).
enum ePlayEnd : int32_t {
  kPlayGoOn = 0,
  kPlayClear = 1,
  kPlayDeath = 2,
  kPlayPause = 3,
  kPlayReplayRestart = 4,
  kPlayClose = 5,
};

// Scripts and messages name the stage variables S1 to S1000 by number, so the
// table is indexed by that number and entry 0 is never named.
inline constexpr int32_t kStageVarCount = 1001;

class cStagePlay {
 public:
  cStagePlay();
  virtual ~cStagePlay();
  cStagePlay(const cStagePlay&) = delete;
  cStagePlay& operator=(const cStagePlay&) = delete;

  cScroll m_ScrollX;
  cScroll m_ScrollY;
  cRandom m_Random;            // every random choice of the play
  uint32_t m_nSeed = 0;        // m_Random's seed at the last build
  int32_t m_nFrameCount = 0;   // play frames since the last build; 1 is the first stepped
  int32_t m_nSubStep = 0;      // 1..L while a sub-step runs, 0 before the first frame
  int32_t m_nSubStepTotal = 0;
  int32_t m_nStageClear = 0;   // stage-end request: 0, 1 clear, 2 the hero dies
  int32_t m_nNextStage = 0;
  std::string m_strNextStage;  // CP932
  int32_t m_nNextObjectId = 0;  // heroes and charas
  int32_t m_nNextItemId = 0;
  int32_t m_nNextShotId = 0;
  int32_t m_nTargetFps = 0;    // the stage's frame rate, set before SetTargetFps
  cReplayPlayback m_Replay;
  cVector<int32_t> m_StageVar;  // kStageVarCount entries
  int32_t m_bHoldButtons = 0;   // a held button is kept from the game until released
  cRunFacts m_Run;              // not part of the state digest
  cList<cShot> m_ShotList;
  // While a chara's flows run: that chara, its running flow instance and
  // command (-1 none), which commands read; every end of a flow pass clears
  // them, so no erased chara is left named.
  int32_t m_nFlowOwnerId = -1;
  int32_t m_nFlowIndex = -1;
  int32_t m_nFlowCmdIndex = -1;
  // A command lowered another chara's HP or made it vanish: the kill pass
  // runs; every chara's flow pass starts with it clear.
  int32_t m_bKill = 0;
  int32_t m_nRemainTime = 0;   // seconds left of the time limit, 0..999
  int32_t m_bNoTimeLimit = 0;  // the stage has no time limit

  // Builds the running stage from g_Stage. False when it could not be built
  // (the program is closing then, the stage left empty).
  bool SetStage(int32_t bLoadStage, int32_t bRestartBgm);
  // One play frame; an ePlayEnd.
  int32_t PhasePlay();
  // The state the play screen shows that steps with the frames (animations,
  // gauges, death presentations); called where drawing would end a frame.
  void UpdatePresentation(int32_t bFrozen);

  // 1 when the conditions of a grid block hold (a block without conditions
  // always); 0 makes the block passable and invisible.
  // Evaluated for hero 0; a list that held sets the block's m_bMet.
  int32_t CheckBlockConditions(cBlock* lpBlock);
  // The checks the block map's drawing makes, in its order (part of
  // UpdatePresentation; stage/script/block_draw_pass.cpp).
  void CheckDrawnBlockConditions();
  // The chara's own conditions (its definition copy), evaluated for itself;
  // sets its m_bCondMet (stage/script/owner_conditions.cpp).
  int32_t CheckCharaConditions(cCharaBase* lpChara);

  // Block collision of a chara after a move (block_collision.cpp): 2 when
  // the blocks kill it, else 0. The side tests push it out of solid blocks,
  // set its contacts and fire its block triggers.
  int32_t CollideBlockLeft(cCharaBase& obj);
  int32_t CollideBlockRight(cCharaBase& obj);
  int32_t CollideBlockUp(cCharaBase& obj);
  int32_t CollideBlockDown(cCharaBase& obj);
  int32_t CollideBlocksX(cCharaBase& obj);
  int32_t CollideBlocksY(cCharaBase& obj);
  // After a solid chara moved obj: both sides, then floor and ceiling.
  int32_t RecheckBlocksX(cCharaBase& obj);
  int32_t RecheckBlocksY(cCharaBase& obj);

  // While an axis auto-scrolls or the hero flies, the hero's body stays
  // inside the view on that axis (hero_screen_edges.cpp). The vertical one
  // answers 2 when a walking hero was pushed out at the bottom.
  void KeepHeroInScreenX(cCharaBase& hero);
  int32_t KeepHeroInScreenY(cCharaBase& hero);

  cStageServices& Services() const { return *m_lpServices; }
  // null puts back the do-nothing services.
  void SetServices(cStageServices* lpServices);

  // The running objects by id; null for an unknown or erased id.
  cCharaBase* FindCharaById(int32_t id) const { return m_CharaIds.Find(id); }
  cItem* FindItemById(int32_t id) const { return m_ItemIds.Find(id); }
  cShot* FindShotById(int32_t id) const { return m_ShotIds.Find(id); }

  // Members in declaration order; m_Replay and m_Run (which differ between a
  // run and its replay by design), m_ShotList (visited with the other object
  // lists) and the id tables (derived from the lists) are left out.
  void VisitState(cStateVisitor& visitor);

  // Written only by the add and erase functions of object_lists.h.
  cIdTable<cCharaBase> m_CharaIds;  // heroes and charas: they share m_nNextObjectId
  cIdTable<cItem> m_ItemIds;
  cIdTable<cShot> m_ShotIds;

 private:
  // SetStage's steps.
  void RestoreStageHeader(int32_t bLoadStage);
  void ChooseSeed();
  void SetupScrollAxes();
  bool BuildBlockGrid();
  void ResetRunCounters();
  // PhasePlay's input step; false when a replay reached its end and restarted.
  bool StepInput();
  void StepSubSteps();
  // Asks the program to close and remembers it for PhasePlay's result.
  void RequestClose();

  cStageServices* m_lpServices;
  int32_t m_bCloseAsked = 0;  // within the current call only
};

// The stage being played; null while none is.
extern cStagePlay* g_lpSceneStagePlay;

// g_lpSceneStagePlay's FindCharaById; null while no stage is played.
cCharaBase* FindCharaById(int32_t id);
