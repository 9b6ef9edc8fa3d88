#pragma once
// cEdShot: the shot settings of "ショット", and the same record as the settings
// of "ソード", "ブロック召喚", "キャラ召喚" and "アイテム召喚". A shot object takes a
// copy of all of it.
//
// Stored form: a record with no strings and nothing appended. Its validation
// (size at least 1, effect within the Effect database) runs after every load
// and before every save, against CurrentValidateContext().

#include <cstdint>
#include <memory>

#include "records/record/record.h"
#include "records/script/validate_context.h"

// Formations (m_nFormation).
enum eFormation : int8_t {
  kFormationStraightA = 0,  // "直進A"
  kFormationStraightB = 1,  // "直進B"
  kFormationSpread = 2,     // "拡散"
  kFormationStrike = 3,     // "落雷"
  kFormationBurst = 4,      // "爆発"
  kFormationSurround = 5,   // "包囲"
};
constexpr int32_t kFormationCount = 6;

// Movement types of shots (m_nMoveType; a sword stores its SwordType there).
enum eShotMoveType : int8_t {
  kShotStraight = 0,         // "直進"
  kShotAimHero = 1,          // "主人公を狙う"
  kShotAimNearest = 2,       // "近いキャラを狙う"
  kShotAimTarget = 3,        // "ターゲットを狙う"
  kShotHomeHero = 4,         // "主人公へ誘導"
  kShotHomeNearest = 5,      // "近いキャラへ誘導（対象死亡時、誘導を無効化）"
  kShotHomeTarget = 6,       // "ターゲットへ誘導"
  kShotHomeNearestNext = 7,  // "近いキャラへ誘導（対象死亡時、対象を変更）"
  kShotWave = 8,             // "ウェーブ"
  kShotFall = 9,             // "落下"
};
constexpr int32_t kShotMoveTypeCount = 10;

// Item carried by a shot or sword (m_nItemPalette): 0 none, else a palette.
enum eItemPaletteRef : int8_t { kItemNone = 0, kItemCommon = 1, kItemStage = 2 };

// Group of a summoned chara (m_nGroupMode).
enum eSummonGroupMode : int8_t {
  kSummonGroupOfPart = 0,    // "パレットの設定に準ずる"
  kSummonGroupOfUser = 1,    // "使用者と同じ"
  kSummonGroupNumbered = 2,  // "番号で指定": m_nGroup
};

class cEdShot : public cRecordOf<cEdShot> {
 public:
  int8_t m_nCount = 0;              // members of one formation
  int8_t m_nFormation = 0;          // eFormation
  int16_t m_nFormationParam[3] = {};
  int8_t m_nStrikeRef = 0;          // 0 the target slot, 1 the hero, 2 the chara
  int8_t m_nDirection = 0;          // eDirectionCode
  int8_t m_bAim = 0;
  int8_t m_nTargetSlot = 0;
  int16_t m_nAngle = 0;
  int16_t m_nAnglePerClone = 0;
  int8_t m_bMirrorAngle = 0;        // angle := 360 - angle when facing right
  int16_t m_nSpread = 0;            // ± degrees of random deviation
  int8_t m_bShotOpt1 = 0;
  int8_t m_nClones = 0;             // the command fires m_nClones + 1 formations
  int16_t m_nOffsetX = 0;
  int16_t m_nOffsetXPerClone = 0;
  int16_t m_nOffsetY = 0;
  int16_t m_nOffsetYPerClone = 0;
  int8_t m_bMirrorOffsetX = 0;
  int8_t m_bMirrorOffsetY = 0;
  int16_t m_nGraphic = 0;
  int8_t m_nZ = 0;
  int8_t m_bShotOpt2 = 0;
  int8_t m_bShotOpt3 = 0;
  int8_t m_nGroup = 0;              // object group 0 to 7
  int8_t m_bShotOpt4 = 0;
  int8_t m_nSize = 0;               // half blocks; at least 1
  int8_t m_bShotOpt5 = 0;
  int8_t m_nMoveType = 0;           // eShotMoveType, or the sword's SwordType
  int16_t m_nMoveTypeParam[3] = {};
  int8_t m_nTargetSlot2 = 0;
  int8_t m_bHoming = 0;
  int16_t m_nSpeed = 0;
  int16_t m_nSpeedPerClone = 0;
  int8_t m_bAccel = 0;
  int16_t m_nAccel = 0;
  int16_t m_nAccelPerClone = 0;
  int8_t m_bShotOpt6 = 0;
  int16_t m_nRange = 0;             // half blocks; summons: life in 1/10 s
  int16_t m_nRangePerClone = 0;
  int8_t m_bShotOpt7 = 0;
  int8_t m_bShotOpt8 = 0;
  int16_t m_nLife = 0;              // 1/10 s
  int16_t m_nLifePerClone = 0;
  int8_t m_bShotOpt9 = 0;
  int8_t m_bShotOpt10 = 0;
  int8_t m_bShotOpt11 = 0;
  int8_t m_bShotOpt12 = 0;
  int8_t m_nVanishValue = 0;
  int32_t m_nPower = 0;
  int16_t m_nShotOpt13 = 0;
  int8_t m_nImpact = 0;
  int16_t m_nEffect = 0;            // Effect database index, 0 none
  int8_t m_nItemPalette = 0;        // eItemPaletteRef
  int16_t m_nItemIndex = 0;
  int8_t m_nBlockMode = 0;          // 0 summon, 1 erase, 2 summon or erase
  int8_t m_nSummonPalette = 0;      // kCommonPalette or kStagePalette
  int16_t m_nSummonIndex = 0;
  int8_t m_nGroupMode = 0;          // eSummonGroupMode
  int8_t m_bShotOpt14 = 0;
  int8_t m_bShotOpt15 = 0;
  int8_t m_bShotOpt16 = 0;
  int8_t m_bReverseFacing = 0;
  int8_t m_bShotOpt17 = 0;
  int8_t m_bShotOpt18 = 0;

  // Registered at the current data version with the values of new settings
  // (SetNewValues).
  cEdShot();

  void RegisterFields(int32_t nVersion) override;
  // The base load, the migration of older files, then Validate.
  bool Load(cRecordReader& reader) override;
  // Validate, then the base save.
  void Save(cRecordWriter& writer) override;

  // Sets the values of new shot settings (m_bShotOpt3, m_bMirrorAngle,
  // m_bMirrorOffsetX and m_nSize 1) and zero for everything else.
  void SetNewValues();

  // A size of 0 or below becomes 1; an effect past the Effect database becomes 0.
  void Validate(const cValidateContext& context);

  // The firing offset of formation member group i (a clone index): i x per
  // clone + offset, negated when facing is right and the mirror flag is set.
  double OffsetX(int32_t i, int32_t facing) const;
  double OffsetY(int32_t i, int32_t facing) const;

  bool operator==(const cEdShot& other) const;
};

using cEdShotHolder = std::shared_ptr<cEdShot>;

// Makes holder own new shot settings (see cEdShot::SetNewValues).
void NewEdShot(cEdShotHolder& holder);
