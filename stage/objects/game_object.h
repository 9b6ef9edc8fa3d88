#pragma once
// cGameObject: the base of every moving object of a running stage — the hero
// (cHero) and the charas (cChara), both through cCharaBase, the items (cItem)
// and the shots (cShot).
//
// Positions are world dots: the stage plus a margin of 10 blocks (320 dots) on
// every side, so stage column 0 starts at x = 320 and the whole extent is the
// stage size + 640 dots. The body rectangle (m_dX, m_dY, m_nWidth, m_nHeight)
// meets the block grid; the graphic is drawn m_nGraphicOffsetX/Y up and left
// of it. Speeds are dots per physics sub-step; g_Stage holds the sub-step
// count L and the limits; the camera axes come from g_lpSceneStagePlay.
//
//   cChara chara;
//   chara.Init(id, 1, 0, group, graphic, nullptr, 0,      // no animation tables
//              0, 0, 32, 32, 32, 32, 1, 0, 0);            // 32 x 32, facing right, walking
//   chara.m_dX = 600;  chara.m_dY = 400;
//   chara.m_dVX = 100;                     // one sub-step:
//   int32_t code = chara.StepX(2);         // moved the maximum (6 dots), clamped to the world
//   chara.ApplyGravity();  chara.StepY(2); // 0, or 5 once it falls into the bottom margin
//
// Edge codes of the clamps (mode 2): 0 inside the scroll limits, 1 outside
// them, 2 in a side (top) margin, 3 pushed back at an end of the whole extent;
// vertically also 4 below the scroll limits, 5 in the bottom margin, 6 pushed
// back at the bottom end.
//
// Objects name each other by m_nId (a chara, the hero), never by address:
// lists move and erase their elements.

#include <cstdint>

#include "records/stage/erase_area.h"
#include "stage/objects/anime_sequence.h"

class cFlowCmdState;
class cStateVisitor;
class cChara;
template <class T>
class cList;

// A screen rectangle: right = left + width - 1, bottom = top + height - 1.
struct cScreenRect {
  int32_t left = 0;
  int32_t top = 0;
  int32_t right = 0;
  int32_t bottom = 0;

  void VisitState(cStateVisitor& visitor);
};

// The world's margin around the stage and the view's size, in dots.
inline constexpr int32_t kWorldMargin = 320;
inline constexpr int32_t kViewWidth = 640;
inline constexpr int32_t kViewHeight = 480;

// Edge codes of ClampXMode / ClampYMode (the comment above).
enum eEdgeCode : int32_t {
  kEdgeInside = 0,
  kEdgeOutsideLimits = 1,
  kEdgeMargin = 2,
  kEdgePushedBack = 3,
  kEdgeBelowLimits = 4,
  kEdgeBottomMargin = 5,
  kEdgePushedBackBottom = 6,
};

class cGameObject {
 public:
  int32_t m_nId = 0;
  int32_t m_nLife = 0;       // sub-steps left; INT32_MAX: no limit
  // The graphic's size and then its screen rectangle, so that the size and
  // the rectangle's top-left share 16 aligned bytes: the nearest-chara
  // searches read just these of every chara in a group, many times a frame,
  // and the two flags after them of the charas near enough to count.
  int32_t m_nGraphicW = 0;  // scaled
  int32_t m_nGraphicH = 0;
  cScreenRect m_rcScreen;
  int32_t m_bEnabled = 0;   // takes part in this sub-step
  int32_t m_bOnScreen = 0;
  // The body and what the clamps, the on-screen tests and the screen place
  // read with it, next to the flags above: every object is stepped and
  // tested many times a sub-step, and the lists hold more objects than the
  // caches do, so each line these would spread over is one more miss.
  double m_dX = 0;
  double m_dY = 0;
  double m_dRight = 0;   // m_dX + m_nWidth - 1
  double m_dBottom = 0;  // m_dY + m_nHeight - 1
  int32_t m_nCellLeft = 0;  // body edges in grid cells (truncated dots >> 5)
  int32_t m_nCellTop = 0;
  int32_t m_nCellRight = 0;
  int32_t m_nCellBottom = 0;
  int32_t m_nWidth = 0;         // scaled
  int32_t m_nHeight = 0;
  int32_t m_nGraphicOffsetX = 0;  // scaled
  int32_t m_nGraphicOffsetY = 0;
  int32_t m_bFlying = 0;
  int32_t m_bFollowScroll = 0;  // moves with the auto-scroll
  int32_t m_nFacing = 0;     // 0 left, 1 right
  int16_t m_nIndex = 0;      // n-th member of the placement, summon or shot volley
  int32_t m_nGraphicNo = 0;  // graphic (sheet) number
  cAnimeSequence m_Anime;
  int32_t m_nGraphicOffsetXBase = 0;  // at scale 1
  int32_t m_nGraphicOffsetYBase = 0;
  int32_t m_nGraphicWBase = 0;
  int32_t m_nGraphicHBase = 0;
  int32_t m_nControl = 0;   // 0 player, 1 computer
  int32_t m_nPlayer = 0;    // input index (hero), the shooter's value (shot)
  int32_t m_nBlockKey = 0;  // the object's group: key of every block test, side of searches
  double m_dVX = 0;
  double m_dVY = 0;
  double m_dInertiaX = 0;
  double m_dInertiaY = 0;
  double m_dFriction = 0;
  int32_t m_bFrictionX = 0;
  int32_t m_bFrictionY = 0;
  int32_t m_nWidthBase = 0;     // at scale 1
  int32_t m_nHeightBase = 0;
  uint8_t m_nFlyBlockMode = 0;  // flying: 0 through blocks, 1 stopped, 2 dies; walking: 1
  uint8_t m_bCondMet = 0;       // the condition list has held (once switch)

  cGameObject() = default;
  cGameObject(const cGameObject&) = default;
  cGameObject& operator=(const cGameObject&) = default;

  // The virtual slots, in their fixed order.
  virtual ~cGameObject() = default;
  // Every member of the cGameObject part of other (the animation table by value).
  virtual void CopyBase(const cGameObject& other);
  virtual void SetScale(int32_t newScale, int32_t oldScale, int32_t flag);
  virtual void OnScaleChanged(int32_t newScale);
  virtual void AdjustYForScale(int32_t newScale, int32_t oldScale, int32_t flag);
  virtual void UpdateBoxX();
  virtual void UpdateBoxY();
  virtual void SetCenter(int32_t x, int32_t y);
  virtual void SetCenterAndStop(int32_t x, int32_t y, cFlowCmdState* lpState);
  virtual void SetCenterX(int32_t x);
  virtual void SetCenterXAndStop(int32_t x, cFlowCmdState* lpState);
  virtual void SetCenterY(int32_t y);
  virtual void SetCenterYAndStop(int32_t y, cFlowCmdState* lpState);

  // Members, base class first (derived classes call this, then add theirs).
  virtual void VisitState(cStateVisitor& visitor);

  // Sets the object up: life unlimited, speeds and flags 0, both copies of
  // the boxes, the animation built from animeTables (when given) and started
  // at startSequence, then SetFlyMode (flyMode).
  void Init(int32_t id, int32_t control, int32_t player, int32_t blockKey, int32_t graphicNo,
            const int32_t* const* animeTables, int32_t startSequence, int32_t offsetX, int32_t offsetY,
            int32_t width, int32_t height, int32_t graphicW, int32_t graphicH, int32_t facing,
            int32_t flyMode, int16_t index);
  // 0 walking, 1 flying through blocks, 2 flying and stopped by them, 3 flying
  // and dying on them; other values change nothing.
  void SetFlyMode(int32_t mode);

  // Giant scale: the object grows around its horizontal centre.
  void RecenterForScale(int32_t newScale, int32_t oldScale, int32_t flag);
  void RecenterX(int32_t newScale, int32_t oldScale);

  // Clamp modes: 0 the scroll limits, 1 the stage area, 2 the whole extent;
  // other modes only refresh the edges. Return an eEdgeCode.
  int32_t ClampXMode(int32_t mode);
  int32_t ClampYMode(int32_t mode);
  // One sub-step of motion, speed held to the stage's maximum, then the clamp.
  int32_t StepX(int32_t mode);
  int32_t StepY(int32_t mode);
  void ApplyGravity();
  // Friction eats into *speed towards 0 without crossing it.
  void ApplyFriction(double* speed, int32_t enabled);
  int32_t FacingSign() const { return m_nFacing == 1 ? 1 : -1; }

  void UpdateScreenRect();
  int32_t IsOnScreen() const;
  int32_t IsOnScreenAxes(int32_t ignoreX, int32_t ignoreY) const;
  // withMargins 1: inside the whole extent; 0: inside the stage's own area.
  int32_t IsInsideStage(int32_t withMargins) const;
  int32_t IsOutsideEraseArea(const cEraseArea& area) const;

  // 1 when a corner cell of the body holds a block solid for m_nBlockKey.
  int32_t TouchesSolidCorner() const;
  // Knock-back: strength s in half blocks split between the axes as |dx| : |dy|.
  void CalcPushSpeed(double* vx, double* vy, int8_t strength, double dx, double dy) const;

  // Centre of the screen rectangle (integer halves).
  int32_t ScreenCenterX() const { return m_rcScreen.left + m_nGraphicW / 2; }
  int32_t ScreenCenterY() const { return m_rcScreen.top + m_nGraphicH / 2; }

  // Aiming (game_object_aiming.cpp). Outputs: velocity and direction (1 left,
  // 2 right, 0 none); target the object aimed at, or null.
  int32_t CalcAimVelocity(double* vx, double* vy, int32_t* dir, const cGameObject* target, double fromX,
                          double fromY, double toX, double toY, double speed, int32_t scrollFlag,
                          int32_t noDiagonal, int32_t checkArrival) const;
  int32_t CalcAimVelocityX(double* vx, double* vy, int32_t* dir, const cGameObject* target, double fromX,
                           double toX, double speed, int32_t scrollFlag, int32_t checkArrival) const;
  int32_t CalcAimVelocityY(double* vx, double* vy, int32_t* dir, const cGameObject* target, double fromY,
                           double toY, double speed, int32_t scrollFlag, int32_t checkArrival) const;
  // Called on the target: its screen centre plus the state's target offsets,
  // per the move's axis flags.
  void GetMoveTarget(double* outX, double* outY, const cFlowCmdState& state) const;
  int32_t MoveToward(cFlowCmdState& state, cGameObject* target, double toX, double toY, int32_t scrollFlag,
                     int32_t checkArrival);
  int32_t MoveTowardX(cFlowCmdState& state, cGameObject* target, double toX, int32_t scrollFlag,
                      int32_t checkArrival);
  int32_t MoveTowardY(cFlowCmdState& state, cGameObject* target, double toY, int32_t scrollFlag,
                      int32_t checkArrival);

  // The nearest chara of list to the centre of this object's screen rectangle.
  cChara* FindNearestChara(cList<cChara>& list) const;

  // Distance condition, one axis (judge_range.cpp): 1 when the target's
  // extent [targetLeft, targetRight] meets this object's range.
  int32_t JudgeRange(int32_t pos, int32_t size, int32_t nTargetBltLeft, int32_t nTargetBltRight,
                     int32_t nTargetTrueTo, int32_t nLenghLeft, int32_t nLenghRight, int32_t ownExtent,
                     int32_t vertical, const cGameObject* target) const;
};

// v dots per frame as dots per sub-step of g_Stage.
double SpeedPerSubStep(double v);
