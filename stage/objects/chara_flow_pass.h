#pragma once
// The steps of a flow pass that the charas and the hero share (their
// RunFlows differ in the base speeds and in what else a pass does):
//
//   cFlowPassOwner owner(g_lpSceneStagePlay, chara.m_nId);  // the scene names the chara
//   ClearPassRequests(chara);
//   if (RunFlowInstances(chara, g_lpSceneStagePlay, dying, true)) return 1;  // owner cleared too
//   owner.Release();
//   FinishFlowMarks(chara);
//   ChooseBaseAnimation(chara);

#include <cstdint>

class cCharaBase;
class cScroll;
class cStagePlay;

// Names the chara as the scene's flow owner (and clears the kill request)
// for a pass, and clears the owner, instance and command on every way out:
// the play step may erase the chara right after.
class cFlowPassOwner {
 public:
  cFlowPassOwner(cStagePlay* lpPlay, int32_t ownerId);
  ~cFlowPassOwner() { Release(); }
  cFlowPassOwner(const cFlowPassOwner&) = delete;
  cFlowPassOwner& operator=(const cFlowPassOwner&) = delete;

  void Release();

 private:
  cStagePlay* m_lpPlay;
};

// Auto-scroll speed of an axis, 0 while it is clamped.
double AutoScrollSpeedOf(const cScroll& axis);

// Held flag, friction switches, hidden flag and the animation requests of
// the previous pass cleared.
void ClearPassRequests(cCharaBase& chara);

// Runs each running flow of chara once, in order (a dying pass only the
// death's flows); 1 when the pass must end at once: HP ran out in a flow not
// triggered by the death, or (stopOnVanish) the chara vanished.
int32_t RunFlowInstances(cCharaBase& chara, cStagePlay* lpPlay, int32_t dying, bool stopOnVanish);

// The flows marked for deletion deleted and the marked flag numbers released.
void FinishFlowMarks(cCharaBase& chara);

// The base animation a command asked for; else, unless the chara moves by
// inertia, standing (or flying).
void ChooseBaseAnimation(cCharaBase& chara);
