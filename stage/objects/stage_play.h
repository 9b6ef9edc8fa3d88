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
//     int32_t end = kPlayGoOn;
//     while (end == kPlayGoOn || end == kPlayDeath) end = play.PhasePlay();
//   }                                        // kPlayClear, kPlayDeathEnd, kPlayPause ...
//   g_lpSceneStagePlay = nullptr;
//
// A frame that ends in a clear or a death is not drawn; after a death the play
// goes on (only shots and the scroll move) while the hero's death presentation
// runs, and kPlayDeathEnd tells the scene to take a life. In replay playback
// the log's end and the death's end both build the stage again from the
// replay (kPlayReplayRestart).
//
// Objects are named by id (FindCharaById); walks of g_CharaList, g_ItemList
// and the object groups survive nested erasure (object_walk.h).
//
// Everything the simulation asks of sound, screen, window and clock goes
// through Services(); stage/ itself never includes SDL or platform/.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/containers/checked_list.h"
#include "core/containers/checked_vector.h"
#include "core/math/random.h"
#include "stage/objects/group_charas.h"
#include "stage/objects/id_table.h"
#include "stage/objects/run_facts.h"
#include "stage/objects/scroll.h"
#include "stage/objects/solid_chara_index.h"

class cBlock;
struct DRECT;
class cBlockDef;
class cChara;
class cCharaBase;
class cCharaDef;
class cEdShot;
class cHero;
class cItem;
class cItemDef;
class cShot;
class cStageServices;
class cStateVisitor;
struct cCharaDrawList;

// How a play frame ended (PhasePlay's result).
enum ePlayEnd : int32_t {
  kPlayGoOn = 0,
  kPlayClear = 1,
  kPlayDeath = 2,
  kPlayPause = 3,
  kPlayReplayRestart = 4,  // a replay's end (or its hero's death) restarted it: the ready phase follows
  kPlayClose = 5,
  kPlayDeathEnd = 6,       // the hero's death presentation is over: the scene takes a life
};

// Object groups of the charas and layers of the shots.
inline constexpr int32_t kObjGroupCount = 8;
// Erase areas 0 (charas), 1 (solid charas), 2 (items) are switched on by the
// build; 3 and 4 (the player's and the others' shots) are always tested.
inline constexpr int32_t kObjectEraseAreas = 3;

// Scripts and messages name the stage variables S1 to S1000 by number, so the
// table is indexed by that number and entry 0 is never named.
inline constexpr int32_t kStageVarCount = 1001;

// The stage's drawing layers of objects.
inline constexpr int32_t kObjectDrawLayers = 8;

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
  // The hero and the charas by object group, by id; the shots by layer, by
  // serial. Contacts walk the groups in these orders.
  cVector<cList<int32_t>> m_ObjGroup;
  cVector<cList<int32_t>> m_ShotLayers;
  // Scratch of the layered shot drawing: the drawn shots of each layer,
  // kept from frame to frame so a frame allocates nothing once the crowd
  // has been seen. Pointers into m_ShotList, emptied before every use; no
  // state of the play.
  std::array<std::vector<cShot*>, kObjectDrawLayers> m_DrawnShotLayers;
  cVector<int32_t> m_SubStepMask;    // per sub-step: 1 = shots meet charas in it
  cVector<int32_t> m_ToggledCells;   // cells a toggling block summon changed; outlives restarts
  cVector<uint8_t> m_ActGroups;      // kActGroupCount activation-group flags of this sub-step
  int32_t m_EraseActive[kObjectEraseAreas] = {};
  int32_t m_nPlayFrames = 0;         // frames counted for the play time
  int32_t m_nPlayTime = 0;           // 1/100 s, at most 599999
  uint32_t m_nTimeCycle = 0;         // frames towards the next second of the time limit
  int32_t m_nResultCount1 = 0;       // the two result counters the scene reads
  int32_t m_nResultCount2 = 0;
  int32_t m_nSceneSetting = 0;       // the stage's status-gauge switch at the build
  int32_t m_bItemMessage = 0;        // an item's message command ran: later ones chain
  // The contact pass runs: a command that removes a shot only marks it, and
  // the pass removes it.
  int32_t m_bContactPass = 0;
  // Some shot may be marked for removal since the pass last swept them; the
  // sweep walks every shot, so it runs only then. A cache of the shots' marks
  // (set by MarkShotForRemoval and AddShot), hence not in the digest.
  int32_t m_bShotsMarked = 0;
  int32_t m_bQuit = 0;               // the window asked to close while a wait ran
  int32_t m_bBuilt = 0;              // the last SetStage built a stage (else PhasePlay is inert)
  int32_t m_nPlayEnd = 0;            // the ePlayEnd of the frame being stepped
  int32_t m_nRangePhase = 0;         // colour phase of the distance ranges shown (0..31; not state)

  // Builds the running stage from g_Stage. False when it could not be built
  // (the program is closing then, the stage left empty).
  bool SetStage(int32_t bLoadStage, int32_t bRestartBgm);
  // One play frame; an ePlayEnd.
  int32_t PhasePlay();
  // The state the play screen shows that steps with the frames (animations,
  // gauges, death presentations); called where drawing would end a frame.
  // kPlayDeathEnd or kPlayReplayRestart when the hero's death presentation
  // ended, else kPlayGoOn. What would be drawn goes to lpDraw (null: nothing;
  // the state is the same).
  int32_t UpdatePresentation(int32_t bFrozen, cCharaDrawList* lpDraw = nullptr);

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
  // The item's own conditions, read with no subject chara; sets its m_bCondMet.
  int32_t CheckItemConditions(cItem& item);

  // Spawners (stage build and summons). Ids come from *pNextId, which grows by
  // one per object made; an object outside the stage is not made.
  void SpawnPlacedChara(cList<cChara>& list, int32_t bx, int32_t by, int32_t* pNextId, const cCharaDef* lpDef,
                        const cItem* lpCarried);
  void SpawnPlacedItem(cList<cItem>& list, int32_t bx, int32_t by, int32_t* pNextId, const cItemDef* lpDef);
  void SpawnCharaAt(cList<cChara>& list, double px, double py, int32_t group, int32_t facing, const cEdShot* lpSet,
                    const cCharaDef* lpDef, int32_t* pNextId, cCharaBase* lpParent);
  void SpawnItemAt(cList<cItem>& list, double px, double py, const cEdShot* lpSet, const cItemDef* lpDef,
                   int32_t* pNextId);
  // Places, erases or toggles the block of the cell under (px, py).
  void ReplaceBlockAt(double px, double py, const cEdShot* lpSet, const cBlockDef* lpBlock);
  // Opens the squeeze rescue of the hero and the charas a new block in cell
  // overlaps; 1 when the summon's undo switches ask for the change back.
  int32_t FlagObjectsInCell(int32_t cell, int32_t column, int32_t row, const cEdShot* lpSet);
  // The chara is part of a placement test: 1 when its body meets a solid block.
  int32_t IsPlaceBlocked(cCharaBase& obj);

  // Defeats and kills. Results: 0 go on, 1 the stage is cleared, 2 the hero dies.
  int32_t KillChara(cCharaBase& chara);
  int32_t DefeatChara(cCharaBase& chara);
  // 1 when the frame must end.
  int32_t ProcessKills();
  // Links released, out of its object group and g_CharaList. During a walk
  // of the chara list (cCharaWalk) the element stays until the walk ends,
  // unreachable by id, and the walk skips it.
  void EraseStageChara(cChara& chara);
  // Out of g_ItemList (the same rule during a walk of the items).
  void EraseStageItem(cItem& item);
  // Out of its layer and m_ShotList.
  cList<cShot>::iterator RemoveShotNode(cList<cShot>::iterator it);
  // The shot of that serial the same way, if it is still there.
  void RemoveShotById(int32_t id);
  // Left in the list for the contact pass to remove at its end.
  void MarkShotForRemoval(cShot& shot);
  // The end of the contact pass: the marked shots go.
  void RemoveMarkedShots();

  // Scene operations the play step calls.
  void UpdateObjectStates();
  // 1 at time up; the play step passes -1.
  int32_t TickTimeLimit(int32_t delta);
  void CountPlayTime();
  // The hero's presentation; a death's end (see UpdatePresentation).
  int32_t UpdateDeath(int32_t bFrozen, cCharaDrawList* lpDraw = nullptr);
  // The distance ranges the charas on screen show (their phase, and the
  // screen rectangle of a disabled chara whose range shows).
  void StepDistanceRanges(cCharaDrawList* lpDraw);
  // OnStageClear through the services; the frame ends in the result phase.
  void EnterStageClear();

  // --- contacts and solid charas (filled in by their passes) ---
  int32_t CollideSolidCharas(cCharaBase& obj, cList<cChara>& list);
  void FollowRiddenChara(cCharaBase& obj, cList<cChara>& list);
  int32_t ResolveContacts(cList<cChara>& list);
  int32_t HeroTouchItems(cHero& hero);
  int32_t ApplyFloorEffect(cHero& hero);
  int32_t GiveBlockItem(cHero& hero);
  // After a floor effect or a block item let go of obj: a small downward
  // speed when a floor lies just below, so the next block test lands it.
  void SnapToGround(cCharaBase& obj);
  // 1 when obj's position box overlaps a live, enabled solid chara of list
  // other than obj (always 0 for an object flying through blocks).
  int32_t OverlapsSolidChara(cCharaBase& obj, cList<cChara>& list);
  // ... other than the one of excludedId too.
  int32_t OverlapsSolidCharaExcept(cCharaBase& obj, cList<cChara>& list, int32_t excludedId);
  // The same test for box in obj's stead, flying or not.
  int32_t OverlapsSolidRectExcept(const cCharaBase& obj, cList<cChara>& list, const DRECT& box, int32_t excludedId);
  // One axis (vertical 1: up and down) of the push out of solid charas.
  void PushOutOfSolidCharas(cCharaBase& obj, cList<cChara>& list, int32_t vertical);
  // Riding (solid_chara_queries.cpp): 1 when the chara obj rides still lies
  // under it (5 dots of reach); the first solid chara under obj, or null;
  // 1 when every corner of obj's box, or the same corner of rc, lies in a
  // solid chara.
  int32_t IsOnRiddenChara(cCharaBase& obj);
  cChara* FindSolidCharaBelow(cCharaBase& obj);
  int32_t AreCornersInSolidCharas(cCharaBase& obj, const DRECT& rc);
  // The chara of g_CharaList with that id (never a hero); null when none.
  cChara* FindListedChara(int32_t id) const;
  // ---

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
  void KeepHeroInScreenX(cHero& hero);
  int32_t KeepHeroInScreenY(cHero& hero);

  cStageServices& Services() const { return *m_lpServices; }
  // null puts back the do-nothing services.
  void SetServices(cStageServices* lpServices);

  // The running objects by id; null for an unknown or erased id.
  cCharaBase* FindCharaById(int32_t id) const { return m_CharaIds.Find(id); }
  cItem* FindItemById(int32_t id) const { return m_ItemIds.Find(id); }
  cShot* FindShotById(int32_t id) const { return m_ShotIds.Find(id); }

  // Members in declaration order; m_Replay and m_Run (which differ between a
  // run and its replay by design), m_ShotList (visited with the other object
  // lists), the id tables and m_GroupCharas (derived from the lists) are left
  // out.
  void VisitState(cStateVisitor& visitor);

  // Written only by the add and erase functions of object_lists.h.
  cIdTable<cCharaBase> m_CharaIds;  // heroes and charas: they share m_nNextObjectId
  cIdTable<cItem> m_ItemIds;
  cIdTable<cShot> m_ShotIds;
  cGroupCharas m_GroupCharas;  // m_ObjGroup resolved, for the searches over whole groups
  // Walks of g_CharaList and g_ItemList under way (object_walk.h); while one
  // runs, erased objects stay in their list until the outermost walk ends.
  int32_t m_nCharaWalks = 0;
  int32_t m_nItemWalks = 0;
  int32_t m_bCharaPurgePending = 0;  // an erased chara waits for the walk's end
  int32_t m_bItemPurgePending = 0;
  // Element changes of g_CharaList (added, erased, purged), which the solid
  // charas' index follows; not state, as the index is only a shortcut.
  uint64_t m_nCharaListChanges = 0;
  // The solid charas of list in list order (solid_chara_index.h).
  const std::vector<cChara*>& SolidCharasOf(cList<cChara>& list);

 private:
  // SetStage's steps.
  bool BuildStage(int32_t bLoadStage, int32_t bRestartBgm);
  bool RestoreStageHeader(int32_t bLoadStage);
  void ChooseSeed();
  void RequestStageMusic(int32_t bRestartBgm);
 public:
  // The stage music through the services, with the save data's record of it.
  void RequestStageBgm(int32_t n, int32_t value);

 private:
  void SetupScrollAxes();
  bool BuildBlockGrid();
  void PlaceHero();
  void SpawnPlacedObjects();
  void FillObjectGroups();
  void ResetRunCounters();
  void FireStageStartTriggers();
  // Empties the running stage after a failed build.
  void ClearRunningStage();
  // PhasePlay's input step; false when a replay reached its end and restarted.
  bool StepInput();
  void ResetFrameFlags();
  // UpdatePresentation's item step: the animations of the items on screen.
  void StepDrawnItems(int32_t bFrozen);
  // Its shot step: the shots the drawing draws, in its order.
  void StepDrawnShots(int32_t bFrozen, cCharaDrawList* lpDraw);
  // The sub-steps of a frame; false when the frame ended early (no drawing).
  bool StepSubSteps();
  bool StepSubStep(int32_t s);
  bool StepSolidCharas();
  bool StepHero();
  bool StepCharas();
  void StepShots(int32_t s);
  void ApplyEraseAreas();
  void StepLifeCounters();
  // The parts of ResolveContacts (contacts.cpp); a result of 1 or 2 ends the pass.
  int32_t ResolveShotContacts();
  int32_t ResolveCharaContacts();
  void ResolveShotClashes();
  // One pair of charas of different groups whose bodies overlap.
  int32_t ResolveCharaPair(cCharaBase& a, cCharaBase& b);
  // Shots against charas (shot_contacts.cpp): one shot against the charas of
  // one group; one hit.
  int32_t ResolveShotAgainstGroup(int32_t shotId, cList<int32_t>& group);
  int32_t ResolveShotHit(cShot& shot, cCharaBase& chara, bool* pUsedUp);
  // The tails: the frame ends.
  void ClearTail();
  void DeathTail(const char* lpLabel);
  // A chara defeated in a pass: the switch and result rules; false ends the frame.
  bool DefeatInPass(cChara& chara);
  bool DefeatKilled(cChara& chara);
  // Asks the program to close and remembers it for PhasePlay's result.
  void RequestClose();

  cStageServices* m_lpServices;
  int32_t m_bCloseAsked = 0;  // within the current call only
  cSolidCharaIndex m_SolidCharas;
};

// The stage being played; null while none is.
extern cStagePlay* g_lpSceneStagePlay;

// g_lpSceneStagePlay's FindCharaById; null while no stage is played.
cCharaBase* FindCharaById(int32_t id);
