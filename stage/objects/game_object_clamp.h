#pragma once
// The clamps of an object's body to the world and the steps that end in them,
// for an object of a class that is known: the box updates are called through
// that class. cGameObject's clamps and steps take these with cGameObject, so
// through the virtual slots; a chara's, whose box updates are final, take
// them with cChara, inline and without a virtual call, as every chara clamps
// on both axes on every sub-step.
//
//   ClampXOf<cGameObject>(object, 2);  // object.UpdateBoxX() through the slot
//   StepXOf(chara, 2);                 // cChara::UpdateBoxX, inline
//
// The edge codes are those of cGameObject::ClampXMode and ClampYMode.

#include <cstdint>

#include "core/math/truncate.h"
#include "records/stage/stage_globals.h"
#include "stage/objects/game_object.h"
#include "stage/objects/scene_scroll.h"

namespace game_object_clamp {

// Mode 2's vertical code for an object inside the whole extent.
inline int32_t VerticalExtentCode(const cScroll& axis, double y, double b) {
  if (kWorldMargin > y) return kEdgeMargin;
  if (b >= axis.m_nFurthest) return kEdgeBottomMargin;
  if (axis.m_nMin > y) return kEdgeOutsideLimits;
  if (b >= axis.m_nMax) return kEdgeBelowLimits;
  return kEdgeInside;
}

inline void LimitSpeed(double* v) {
  const double max = g_Stage.m_dMaxSubSpeed;
  if (*v > max) {
    *v = max;
  } else if (*v < -max) {
    *v = -max;
  }
}

}  // namespace game_object_clamp

// A step's clamp in mode 2 has held the body inside the whole extent (or left
// it where no place inside exists); clamping it again moves only a body longer
// than the extent, which each clamp throws to the other end, and writes back
// what is there for any other. Objects that clamp twice on every sub-step
// skip the second clamp when this says it would change nothing.
inline bool SecondClampMoves(int32_t length, const cScroll& axis) { return length > axis.Total(); }

template <class Object>
int32_t ClampXOf(Object& object, int32_t mode) {
  const cScroll& axis = SceneScrollX();
  const double w = object.m_nWidth;
  const double r = object.m_dX + w - 1;
  int32_t code = kEdgeInside;
  switch (mode) {
    case 0:
      if (axis.m_nMin > object.m_dX) {
        object.m_dX = axis.m_nMin;
      } else if (r >= axis.m_nMax) {
        object.m_dX = axis.m_nMax - w;
      }
      break;
    case 1:
      if (kWorldMargin > object.m_dX) {
        object.m_dX = kWorldMargin;
      } else if (r >= axis.m_nFurthest) {
        object.m_dX = axis.m_nFurthest - w;
      } else if (axis.m_nMin > object.m_dX || r >= axis.m_nMax) {
        code = kEdgeOutsideLimits;
      }
      break;
    case 2:
      if (object.m_dX < 0) {
        object.m_dX = 0;
        code = kEdgePushedBack;
      } else if (r >= axis.Total()) {
        object.m_dX = axis.Total() - w;
        code = kEdgePushedBack;
      } else if (kWorldMargin > object.m_dX || r >= axis.m_nFurthest) {
        code = kEdgeMargin;
      } else if (axis.m_nMin > object.m_dX || r >= axis.m_nMax) {
        code = kEdgeOutsideLimits;
      }
      break;
    default:
      break;
  }
  object.m_dRight = object.m_dX + w - 1;
  object.UpdateBoxX();
  object.m_nCellLeft = TruncToInt(object.m_dX) >> 5;
  object.m_nCellRight = TruncToInt(object.m_dRight) >> 5;
  return code;
}

template <class Object>
int32_t ClampYOf(Object& object, int32_t mode) {
  const cScroll& axis = SceneScrollY();
  const double h = object.m_nHeight;
  const double b = object.m_dY + h - 1;
  // An object as tall as the margin could not be pushed back at an end
  // without leaving the other one; it is left where it is.
  const bool bFitsMargin = object.m_nHeight < kWorldMargin;
  int32_t code = kEdgeInside;
  switch (mode) {
    case 0:
      if (axis.m_nMin > object.m_dY) {
        object.m_dY = axis.m_nMin;
      } else if (b >= axis.m_nMax) {
        object.m_dY = axis.m_nMax - h;
      }
      break;
    case 1:
      if (kWorldMargin > object.m_dY) {
        object.m_dY = kWorldMargin;
      } else if (b >= axis.m_nFurthest) {
        object.m_dY = axis.m_nFurthest - h;
      } else if (axis.m_nMin > object.m_dY) {
        code = kEdgeOutsideLimits;
      } else if (b >= axis.m_nMax) {
        code = kEdgeBelowLimits;
      }
      break;
    case 2:
      if (object.m_dY < 0) {
        if (bFitsMargin) {
          object.m_dY = 0;
          code = kEdgePushedBack;
        }
      } else if (b >= axis.Total()) {
        if (bFitsMargin) {
          object.m_dY = axis.Total() - h;
          code = kEdgePushedBackBottom;
        }
      } else {
        code = game_object_clamp::VerticalExtentCode(axis, object.m_dY, b);
      }
      break;
    default:
      break;
  }
  object.m_dBottom = object.m_dY + h - 1;
  object.UpdateBoxY();
  object.m_nCellTop = TruncToInt(object.m_dY) >> 5;
  object.m_nCellBottom = TruncToInt(object.m_dBottom) >> 5;
  return code;
}

// One sub-step of motion, speed held to the stage's maximum, then the clamp.
template <class Object>
int32_t StepXOf(Object& object, int32_t mode) {
  game_object_clamp::LimitSpeed(&object.m_dVX);
  object.m_dX += object.m_dVX;
  const int32_t code = ClampXOf(object, mode);
  return code >= kEdgeOutsideLimits && code <= kEdgePushedBack ? code : kEdgeInside;
}

template <class Object>
int32_t StepYOf(Object& object, int32_t mode) {
  game_object_clamp::LimitSpeed(&object.m_dVY);
  object.m_dY += object.m_dVY;
  const int32_t code = ClampYOf(object, mode);
  return code >= kEdgeOutsideLimits && code <= kEdgePushedBackBottom ? code : kEdgeInside;
}
