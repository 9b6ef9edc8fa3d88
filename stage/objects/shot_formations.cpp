// The six formations of g_ShotFormationTable: where the members of one
// volley start and how they move.
#include <cmath>

#include "core/math/truncate.h"
#include "records/settings/system_data.h"
#include "stage/objects/chara_base.h"
#include "stage/objects/object_lists.h"
#include "stage/objects/scene_scroll.h"
#include "stage/objects/shot_fire.h"
#include "stage/objects/wave.h"

namespace shot_formations {

constexpr double kRadiansPerDegree = 0.017453292519943295;

// The firing chara's screen box and the scroll, as the formulas name them.
struct cFrame {
  int32_t L, T, R, B, Wc, Hc;
  double SX, SY;
  int32_t sx, sy, w, h;
  double k;

  cFrame(const cGameObject& chara, const SHOTLAUNCH& launch)
      : L(chara.m_rcScreen.left), T(chara.m_rcScreen.top), R(chara.m_rcScreen.right),
        B(chara.m_rcScreen.bottom), Wc(chara.m_nGraphicW), Hc(chara.m_nGraphicH), SX(SceneScrollX().m_dPos),
        SY(SceneScrollY().m_dPos), sx(TruncToInt(SX)), sy(TruncToInt(SY)), w(launch.nW), h(launch.nH),
        k(g_dInvSqrt2) {}
  int32_t cx() const { return sx + L + (Wc >> 1); }
  int32_t cy() const { return sy + T + (Hc >> 1); }
};

struct cPoint {
  int32_t x = 0;
  int32_t y = 0;
};

// The velocity of angle a (degrees): (-cos a, -sin a) x speed.
void SetAngle(SHOTLAUNCH& launch, double a) {
  launch.dVX = -std::cos(a * kRadiansPerDegree) * launch.dSpeed;
  launch.dVY = -std::sin(a * kRadiansPerDegree) * launch.dSpeed;
}

// The velocity of a direction code: the axes at s, the diagonals at k s.
void SetDirectionVelocity(SHOTLAUNCH& launch, int32_t d, double k) {
  const double s = launch.dSpeed;
  const double ks = k * s;
  switch (d) {
    case 2: launch.dVX = -s, launch.dVY = 0; break;
    case 3: launch.dVX = s, launch.dVY = 0; break;
    case 6: launch.dVX = 0, launch.dVY = -s; break;
    case 7: launch.dVX = 0, launch.dVY = s; break;
    case 8: launch.dVX = -ks, launch.dVY = -ks; break;
    case 9: launch.dVX = -ks, launch.dVY = ks; break;
    case 10: launch.dVX = ks, launch.dVY = -ks; break;
    default: launch.dVX = ks, launch.dVY = ks; break;
  }
}

// The top-left of a member just outside the chara on side d.
cPoint Anchor(const cFrame& f, int32_t d) {
  const double k = f.k;
  const int32_t x8 = TruncToInt(f.cx() + k * (1 - (f.Wc >> 1) - (f.w >> 1)) - (f.w >> 1));
  const int32_t x10 = TruncToInt(f.cx() + k * (f.R - f.L + 1 - (f.Wc >> 1) + (f.w >> 1)) - (f.w >> 1));
  const int32_t y8 = TruncToInt(f.cy() - k * ((f.Hc >> 1) + (f.h >> 1)) - (f.h >> 1));
  const int32_t y9 = TruncToInt(f.cy() + k * (f.B - f.T + 1 - (f.Hc >> 1) + (f.h >> 1)) - (f.h >> 1));
  switch (d) {
    case 2: return {f.sx + f.L + 1 - f.w, f.cy() - (f.h >> 1)};
    case 3: return {f.sx + f.R + 1, f.cy() - (f.h >> 1)};
    case 6: return {f.cx() - (f.w >> 1), f.sy + f.T - f.h};
    case 7: return {f.cx() - (f.w >> 1), f.sy + f.B + 1};
    case 8: return {x8, y8};
    case 9: return {x8, y9};
    case 10: return {x10, y8};
    default: return {x10, y9};
  }
}

void AddOffsets(SHOTLAUNCH& launch) {
  launch.nX += launch.nOffX;
  launch.nY += launch.nOffY;
}

bool Angled(const cShotFiring& fire, const SHOTLAUNCH& launch) {
  return launch.nAngle != 0 || fire.lpSet->m_bAim != 0;
}

int32_t Param(const cShotFiring& fire, int32_t i) { return fire.lpSet->m_nFormationParam[i]; }

// The aim angle from a point, truncated as the formations take it.
int32_t AimFrom(const cShotFiring& fire, SHOTLAUNCH& launch, int32_t x, int32_t y) {
  return TruncToInt(AimAngleAtTarget(x, y, fire, &launch));
}

// The base angle of an angled formation: aimed from (x, y), or the direction's.
int32_t BaseAngle(const cShotFiring& fire, SHOTLAUNCH& launch, int32_t x, int32_t y) {
  return fire.lpSet->m_bAim != 0 ? AimFrom(fire, launch, x, y) : DirectionAngle(launch.nDir);
}

void PlaceOnRing(const cFrame& f, SHOTLAUNCH& launch, double a) {
  const double theta = (a + 225) * kRadiansPerDegree;
  const double t = f.k * ((f.w >> 1) + f.R - f.L - (f.Wc >> 1) + 1);
  const double r = f.k * (f.B + (f.h >> 1) - f.T - (f.Hc >> 1) + 1);
  launch.nX = TruncToInt(f.L + (f.Wc >> 1) + f.SX + r * std::sin(theta) + t * std::cos(theta) - (f.w >> 1));
  launch.nY = TruncToInt(f.T + (f.Hc >> 1) + f.SY + t * std::sin(theta) - r * std::cos(theta) - (f.h >> 1));
}

void Run(const cShotFiring& fire, SHOTLAUNCH& launch, int32_t n) {
  for (int32_t i = 0; i < n; ++i) {
    CreateProjectile(fire, launch);
    launch.nX += launch.nStepX;
    launch.nY += launch.nStepY;
  }
}

void StraightAOrigin(const cShotFiring& fire, const cFrame& f, SHOTLAUNCH& launch, int32_t n) {
  const int32_t W = Param(fire, 0) * 16;
  const int32_t Wh = Param(fire, 0) * 8;
  const int32_t d = launch.nDir;
  const cPoint a = Anchor(f, d);
  const int32_t across = (n - 1) * (Wh + (f.h >> 1));
  const int32_t along = (n - 1) * (Wh + (f.w >> 1));
  const int32_t diagX = TruncToInt(a.x - f.k * (n - 1) * (Wh + (f.w >> 1)));
  const int32_t diagUp = TruncToInt(a.y + f.k * (n - 1) * (Wh + (f.h >> 1)));
  const int32_t diagDown = TruncToInt(a.y - f.k * (n - 1) * (Wh + (f.h >> 1)));
  switch (d) {
    case 2: case 3: launch.nX = a.x, launch.nY = a.y - across, launch.nStepX = 0, launch.nStepY = W + f.h; break;
    case 6: case 7: launch.nX = a.x - along, launch.nY = a.y, launch.nStepX = W + f.w, launch.nStepY = 0; break;
    case 8: launch.nX = diagX, launch.nY = diagUp, launch.nStepX = W + f.w, launch.nStepY = -(W + f.h); break;
    case 9: case 10:
      launch.nX = diagX, launch.nY = diagDown, launch.nStepX = W + f.w, launch.nStepY = W + f.h;
      break;
    default: launch.nX = diagX, launch.nY = diagUp, launch.nStepX = W + f.w, launch.nStepY = -(W + f.h); break;
  }
  SetDirectionVelocity(launch, d, f.k);
  AddOffsets(launch);
}

void StraightAOriginAngled(const cShotFiring& fire, const cFrame& f, SHOTLAUNCH& launch, int32_t n) {
  if (fire.lpSet->m_bShotOpt1 == 0) {
    StraightAOrigin(fire, f, launch, n);
    SetAngle(launch, BaseAngle(fire, launch, launch.nX + (f.w >> 1), launch.nY + (f.h >> 1)) + launch.nAngle);
    return;
  }
  const int32_t W = Param(fire, 0) * 16;
  const int32_t Wh = Param(fire, 0) * 8;
  double a = BaseAngle(fire, launch, f.cx() + launch.nOffX, f.cy() + launch.nOffY) + launch.nAngle;
  PlaceOnRing(f, launch, a);
  if (fire.lpSet->m_bAim != 0) {
    a = AimFrom(fire, launch, launch.nX + launch.nOffX + (f.w >> 1), launch.nY + launch.nOffY + (f.h >> 1)) +
        launch.nAngle;
  }
  const double sn = std::sin(a * kRadiansPerDegree);
  const double cs = std::cos(a * kRadiansPerDegree);
  const double sign = (sn >= 0) == (cs >= 0) ? 1 : -1;
  const double x = launch.nX;
  const double y = launch.nY;
  launch.nX = TruncToInt(x - sign * sn * (Wh + (f.w >> 1)) * (n - 1));
  launch.nStepX = TruncToInt(sign * sn * (W + f.w));
  launch.nY = TruncToInt(y + sign * cs * (Wh + (f.h >> 1)) * (n - 1));
  launch.nStepY = TruncToInt(-sign * cs * (W + f.h));
  AddOffsets(launch);
  launch.dVX = -cs * launch.dSpeed;
  launch.dVY = -sn * launch.dSpeed;
}

void SpawnStraightA(const cShotFiring& fire, SHOTLAUNCH& launch, int32_t n) {
  const cFrame f(*fire.lpChara, launch);
  if (Angled(fire, launch)) {
    StraightAOriginAngled(fire, f, launch, n);
  } else {
    StraightAOrigin(fire, f, launch, n);
  }
  Run(fire, launch, n);
}

void StraightBOrigin(const cShotFiring& fire, const cFrame& f, SHOTLAUNCH& launch) {
  const int32_t W = Param(fire, 0) * 16;
  const int32_t d = launch.nDir;
  const bool vertical = d == 6 || d == 7;
  const bool right = vertical ? fire.lpChara->m_nFacing == 1 : (d == 3 || d == 10 || d == 11);
  launch.nX = right ? TruncToInt(f.SX + f.R + 1) : TruncToInt(f.SX + f.L + 1 - f.w);
  launch.nY = f.sy + f.B - f.h + 1;
  launch.nStepX = 0;
  launch.nStepY = -(W + f.h);
  SetDirectionVelocity(launch, d, f.k);
  AddOffsets(launch);
}

void SpawnStraightB(const cShotFiring& fire, SHOTLAUNCH& launch, int32_t n) {
  const cFrame f(*fire.lpChara, launch);
  StraightBOrigin(fire, f, launch);
  if (Angled(fire, launch)) {
    SetAngle(launch, BaseAngle(fire, launch, launch.nX + (f.w >> 1), launch.nY + (f.h >> 1)) + launch.nAngle);
  }
  Run(fire, launch, n);
}

void SpreadOrigin(const cFrame& f, SHOTLAUNCH& launch) {
  const cPoint a = Anchor(f, launch.nDir);
  launch.nX = a.x;
  launch.nY = a.y;
  AddOffsets(launch);
}

void SpawnSpread(const cShotFiring& fire, SHOTLAUNCH& launch, int32_t n) {
  const cFrame f(*fire.lpChara, launch);
  if (Angled(fire, launch) && fire.lpSet->m_bShotOpt1 != 0) {
    PlaceOnRing(f, launch, BaseAngle(fire, launch, f.cx() + launch.nOffX, f.cy() + launch.nOffY) + launch.nAngle);
    AddOffsets(launch);
  } else {
    SpreadOrigin(f, launch);
  }
  const int32_t c = BaseAngle(fire, launch, launch.nX + (f.w >> 1), launch.nY + (f.h >> 1));
  const int32_t step = Param(fire, 0);
  const int32_t first = c + launch.nAngle - step * (n - 1) / 2;
  for (int32_t i = 0; i < n; ++i) {
    SetAngle(launch, first + step * i);
    CreateProjectile(fire, launch);
  }
}

// The chara a 落雷 or 包囲 runs at: 0 the aiming slot's, 1 the hero, 2 the
// firing chara; none fires nothing.
cCharaBase* FormationTarget(const cShotFiring& fire) {
  switch (fire.lpSet->m_nStrikeRef) {
    case 0: return FindCharaById(fire.lpChara->m_Targets.CheckedVectorAt(fire.lpSet->m_nTargetSlot));
    case 1: return g_Heroes.empty() ? nullptr : &g_Heroes.front();
    case 2: return fire.lpChara;
    default: return nullptr;
  }
}

// Rows enter from the view's edge on side d and run at the target's centre.
void ThunderOrigin(const cShotFiring& fire, const cFrame& f, SHOTLAUNCH& launch, const cGameObject& target,
                   int32_t cols) {
  const int32_t tcx = target.m_rcScreen.left + (target.m_nGraphicW >> 1);
  const int32_t tcy = target.m_rcScreen.top + (target.m_nGraphicH >> 1);
  const int32_t Wp = g_SystemData.m_bLegacy555 != 0 ? 0 : Param(fire, 0) * 16;
  const int32_t CG = Param(fire, 2) * 16;
  const int32_t F = ((cols - 1) >> 1) * CG + (cols % 2 == 0 ? Param(fire, 2) * 8 : 0);
  const double k = f.k;
  const int32_t d = launch.nDir;
  const int32_t diagStepX = TruncToInt(k * (f.w + Wp));
  const int32_t diagStepY = TruncToInt(k * (f.h + Wp));
  const int32_t kCG = TruncToInt(k * CG);
  const int32_t kF = TruncToInt(k * F);
  switch (d) {
    case 2: case 3:
      launch.nX = d == 2 ? TruncToInt(f.SX + 640 - f.w) : f.sx;
      launch.nY = f.sy + tcy - (f.h >> 1) - F;
      launch.nStepX = d == 2 ? -(f.w + Wp) : f.w + Wp, launch.nStepY = 0;
      launch.nColStepX = 0, launch.nColStepY = CG;
      break;
    case 6: case 7:
      launch.nX = f.sx + tcx - (f.w >> 1) - F;
      launch.nY = d == 6 ? TruncToInt(f.SY + 480 - f.h) : f.sy;
      launch.nStepX = 0, launch.nStepY = d == 6 ? -(f.h + Wp) : f.h + Wp;
      launch.nColStepX = CG, launch.nColStepY = 0;
      break;
    case 8: {
      const int32_t dR = 640 - tcx, dB = 480 - tcy;
      launch.nX = dR < dB ? TruncToInt(f.SX + 640 - f.w) : TruncToInt(f.SX + tcx + dB - f.w);
      launch.nY = dR < dB ? TruncToInt(f.SY + tcy + dR - f.h) : TruncToInt(f.SY + 480 - f.h);
      launch.nStepX = -diagStepX, launch.nStepY = -diagStepY;
      break;
    }
    case 9: {
      const int32_t dR = 640 - tcx, dT = tcy;
      launch.nX = dR < dT ? TruncToInt(f.SX + 640 - f.w) : TruncToInt(f.SX + tcx + dT - f.w);
      launch.nY = dR < dT ? TruncToInt(f.SY + tcy - dR) : f.sy;
      launch.nStepX = -diagStepX, launch.nStepY = diagStepY;
      break;
    }
    case 10: {
      const int32_t dL = tcx, dB = 480 - tcy;
      launch.nX = dL < dB ? f.sx : TruncToInt(f.SX + dL - dB);
      launch.nY = dL < dB ? TruncToInt(f.SY + tcy + dL - f.h) : TruncToInt(f.SY + 480 - f.h);
      launch.nStepX = diagStepX, launch.nStepY = -diagStepY;
      break;
    }
    default: {
      const int32_t dL = tcx, dT = tcy;
      launch.nX = dL < dT ? f.sx : TruncToInt(f.SX + dL - dT);
      launch.nY = dL < dT ? TruncToInt(f.SY + tcy - dL) : f.sy;
      launch.nStepX = diagStepX, launch.nStepY = diagStepY;
      break;
    }
  }
  if (d >= 8) {
    const bool rising = d == 8 || d == 11;
    launch.nColStepX = kCG;
    launch.nColStepY = rising ? -kCG : kCG;
    launch.nX -= kF;
    launch.nY += rising ? kF : -kF;
  }
  SetDirectionVelocity(launch, d, k);
  AddOffsets(launch);
}

void SpawnThunder(const cShotFiring& fire, SHOTLAUNCH& launch, int32_t n) {
  const cCharaBase* target = FormationTarget(fire);
  const int32_t cols = Param(fire, 1);
  if (target == nullptr || cols < 1) return;
  const cFrame f(*fire.lpChara, launch);
  ThunderOrigin(fire, f, launch, *target, cols);
  if (launch.nAngle != 0) SetAngle(launch, DirectionAngle(launch.nDir) + launch.nAngle);
  for (int32_t row = 0; row < n; ++row) {
    const int32_t x = launch.nX;
    const int32_t y = launch.nY;
    for (int32_t j = 0; j < cols; ++j) {
      launch.nX = x + j * launch.nColStepX;
      launch.nY = y + j * launch.nColStepY;
      CreateProjectile(fire, launch);
    }
    launch.nX = x + launch.nStepX;
    launch.nY = y + launch.nStepY;
  }
}

void SpawnExplosion(const cShotFiring& fire, SHOTLAUNCH& launch, int32_t n) {
  const cFrame f(*fire.lpChara, launch);
  launch.nX = TruncToInt(f.L + (f.Wc >> 1) + f.SX - (f.w >> 1)) + launch.nOffX;
  launch.nY = TruncToInt(f.T + (f.Hc >> 1) + f.SY - (f.h >> 1)) + launch.nOffY;
  for (int32_t j = 0; j < n; ++j) {
    SetAngle(launch, DirectionAngle(launch.nDir) + launch.nAngle + j * 360.0 / n);
    CreateProjectile(fire, launch);
  }
}

void SpawnSurround(const cShotFiring& fire, SHOTLAUNCH& launch, int32_t n) {
  const cCharaBase* target = FormationTarget(fire);
  if (target == nullptr) return;
  const cFrame f(*fire.lpChara, launch);
  const cScreenRect& t = target->m_rcScreen;
  const int32_t cx = TruncToInt(t.left + (target->m_nGraphicW >> 1) + f.SX - (f.w >> 1) + launch.nOffX);
  const int32_t cy = TruncToInt(t.top + (target->m_nGraphicH >> 1) + f.SY - (f.h >> 1) + launch.nOffY);
  const double r = Param(fire, 0) * 16;
  for (int32_t j = 0; j < n; ++j) {
    const double u = DirectionAngle(launch.nDir) + launch.nAngle + j * 360.0 / n;
    const double rad = u * kRadiansPerDegree;
    launch.nX = cx + TruncToInt(r * std::cos(rad) + 0.5);
    launch.nY = cy + TruncToInt(r * std::sin(rad) + 0.5);
    SetAngle(launch, u);
    CreateProjectile(fire, launch);
  }
}

using FormationFn = void (*)(const cShotFiring&, SHOTLAUNCH&, int32_t);

}  // namespace shot_formations

const shot_formations::FormationFn g_ShotFormationTable[kFormationCount] = {
    shot_formations::SpawnStraightA, shot_formations::SpawnStraightB, shot_formations::SpawnSpread,
    shot_formations::SpawnThunder,   shot_formations::SpawnExplosion, shot_formations::SpawnSurround,
};

void SpawnFormation(const cShotFiring& fire, SHOTLAUNCH& launch) {
  const int32_t formation = fire.lpSet->m_nFormation;
  const int32_t n = fire.lpSet->m_nCount;
  // No members, an unknown formation or a direction without an angle fire
  // nothing (and nothing divides by the count).
  if (n <= 0 || formation < 0 || formation >= kFormationCount || launch.nDir == 0) return;
  g_ShotFormationTable[formation](fire, launch, n);
}
