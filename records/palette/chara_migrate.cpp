#include "records/palette/chara_migrate.h"

#include <algorithm>

#include "records/palette/chara_def.h"
#include "records/palette/chara_groups.h"

namespace {

// Property groups added by later data versions, at their index of the time.
constexpr int32_t kDefenceGroupAt168 = 27;
constexpr int32_t kHitRangeGroupAt201 = 24;
constexpr int32_t kAutoScrollSyncGroupAt210 = 21;

// "ショット対キャラの当たり判定範囲" became 2 and pushed "32×32" to 3.
constexpr int8_t kFirstRenumberedHitRange = 2;
constexpr int8_t kInvincibleLookBefore285 = 1;

}  // namespace

void InsertInheritFlag(cVector<int8_t>& flags, int32_t group) {
  flags.resize(kCharaGroupCount);
  if (static_cast<uint32_t>(group) >= flags.size()) return;
  std::copy_backward(flags.begin() + group, flags.end() - 1, flags.end());
  flags.CheckedVectorAt(group) = 1;
}

void MigrateCharaDef(cCharaDef& def, int32_t fileVersion) {
  if (fileVersion < kCharaDefenceFrom) {
    def.m_nDefence = 0;
    InsertInheritFlag(def.m_Inherit, kDefenceGroupAt168);
  }
  if (fileVersion < kCharaEffectModesFrom) {
    def.m_nStartEffectMode = 0;
    def.m_nDeathEffectMode = 0;
  }
  if (fileVersion < kCharaHitRangeFrom) {
    def.m_nHitRange = 0;
    InsertInheritFlag(def.m_Inherit, kHitRangeGroupAt201);
  }
  if (fileVersion < kCharaHitRangeRenumberBelow && def.m_nHitRange >= kFirstRenumberedHitRange) {
    def.m_nHitRange = static_cast<int8_t>(def.m_nHitRange + 1);
  }
  if (fileVersion < kCharaAutoScrollSyncFrom) {
    def.m_bAutoScrollSync = 0;
    InsertInheritFlag(def.m_Inherit, kAutoScrollSyncGroupAt210);
  }
  MigrateShotGraphic(fileVersion, def.m_nGraphicSource, def.m_nGraphic);
  if (fileVersion < kCharaInvincibleLookFrom) def.m_nInvincibleLook = kInvincibleLookBefore285;
}
