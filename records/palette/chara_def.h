#pragma once
// cCharaDef: a chara part, everything a chara starts with: its look, its
// statuses, its physical switches, when it is active and its flows. Chara parts
// make up the chara lists of the common palette and of a stage (palette and
// placements); the hero's part and every running chara hold copies.
//
// A part may take groups of its settings from a template part (kind 1 the
// common palette, kind 2 the stage palette; see template_source.h): inherit
// flag i set means group i is copied from the template (chara_groups.h).
//
// Stored form: the record (53 fields, one string at the current version), then
// int16 x, int16 y, int32 carried item, the inherit flags (int32 count and one
// byte each), the condition list and the flow list.

#include <cstdint>
#include <string>

#include "core/containers/checked_vector.h"
#include "records/palette/palette_part.h"
#include "records/palette/template_source.h"
#include "records/record/record.h"
#include "records/script/condition.h"
#include "records/script/flow.h"
#include "records/script/validate_context.h"

// Data versions that added stored members of a chara part.
constexpr int32_t kCharaDefenceFrom = 168;
constexpr int32_t kCharaEffectModesFrom = 196;
constexpr int32_t kCharaHitRangeFrom = 201;
constexpr int32_t kCharaAutoScrollSyncFrom = 210;
constexpr int32_t kCharaInvincibleLookFrom = 285;

class cCharaDef : public cRecordOf<cCharaDef> {
 public:
  // m_nControl
  static constexpr int8_t kControlPlayer = 0;    // "プレイヤー"
  static constexpr int8_t kControlComputer = 1;  // "コンピューター"
  // m_nHitRange: "32×32", the whole cell.
  static constexpr int8_t kHitRangeCell = 3;

  int16_t m_nX = 0;            // column of a placed chara, in blocks
  int16_t m_nY = 0;            // row of a placed chara, in blocks
  int32_t m_nCarriedItem = 0;  // index into the stage's placed items, -1 none
  int8_t m_nTemplateKind = 0;  // eTemplateKind
  int16_t m_nTemplateIndex = 0;  // 0 none
  cVector<int8_t> m_Inherit;   // one flag per property group
  std::string m_strName;
  cVector<cCondition> m_Conditions;  // the chara is enabled only while they hold
  int8_t m_nCondMode = 0;      // eCondListMode
  int8_t m_bCondOnce = 0;      // once the list has held it holds for good
  int8_t m_nFacing = 0;        // eFacing
  int8_t m_nCopies = 0;        // a placement or summon makes m_nCopies + 1 charas
  int16_t m_nOffsetX = 0;      // x offset of copy 0, in dots
  int16_t m_nOffsetXStep = 0;  // added per clone index
  int16_t m_nOffsetY = 0;
  int16_t m_nOffsetYStep = 0;
  int8_t m_bMirrorOffsetX = 0;  // negated when facing right
  int8_t m_bMirrorOffsetY = 0;
  int16_t m_nGraphic = 0;       // within the graphic source, 0 none
  int8_t m_nGraphicSource = 0;  // ePartGraphicSource; 4: a Bmp_CharaExc entry
  int16_t m_nGraphicCell = 0;
  int16_t m_nAnimeSet = 0;      // AnimeSet database index
  int8_t m_nZ = 0;              // z: drawing layer
  int8_t m_bTransparent = 0;    // "透明"
  int16_t m_nStartEffect = 0;   // CharaEffect database index, 0 none
  int8_t m_nStartEffectMode = 0;  // 0 forward, 1 reversed, 2 there and back
  int8_t m_bStartEffectLoop = 0;
  int16_t m_nDeathEffect = 0;   // CharaEffect database index, 0 none
  int8_t m_nDeathEffectMode = 0;
  int8_t m_nMarkShow = 0;       // ePartMarkShow
  int16_t m_nMark = 0;          // mark: cell of the mark sheet
  int8_t m_nControl = 0;        // kControlPlayer / kControlComputer
  int8_t m_nPlayerNo = 0;       // input device of a player chara
  int8_t m_nGroup = 0;          // object group 0 to 7
  int8_t m_nCharaId = 0;        // cid
  int8_t m_nFly = 0;            // "飛行": 0 off, 1 through blocks, 2 hits blocks, 3 dies on blocks
  int8_t m_bFixedFacing = 0;    // "向き固定"
  int8_t m_nInvincible = 0;     // "無敵": 0 off, 1 shots hit, 2 shots pass
  int8_t m_nInvincibleLook = 0; // colour-operation pair drawn while invincible
  int8_t m_bBlockChara = 0;     // solid like a block; body box the whole cell
  int8_t m_nGiant = 0;          // "巨大化" scale 1 to 10
  int8_t m_bAutoScrollSync = 0; // moves with the auto-scroll
  int8_t m_nSightShape = 0;     // light shape of the darkness overlay
  int8_t m_nSight = 0;          // sight: light radius in half blocks
  int32_t m_nMaxHp = 0;         // mhp
  int32_t m_nMaxSp = 0;         // msp
  int16_t m_nStop = 0;          // stop
  int8_t m_nHitRange = 0;       // body box: stage ranges 0 to 2, or kHitRangeCell
  int32_t m_nPower = 0;         // power
  int8_t m_nImpact = 0;         // imp
  int16_t m_nAttackEffect = 0;  // Effect database index, 0 none
  int32_t m_nDefence = 0;       // def
  int8_t m_nImpactResist = 0;   // impd
  int32_t m_nScore = 0;         // getsc
  int8_t m_nExtra1 = 0;         // kept, copied and inherited; not acted on
  int8_t m_bInActGroup = 0;     // belongs to activation group m_nActGroup
  int16_t m_nActGroup = 0;
  int8_t m_nActiveRange = 0;    // 0 on screen, 1 x on screen, 2 y on screen, 3 everywhere
  int8_t m_nActivation = 0;     // 0 range or group, 1 latched once true, 2 neither
  cVector<cFlow> m_Flows;

  // The defaults of a new part (SetDefaults) at position 0, 0.
  cCharaDef();

  // Registers at the current data version and gives every member the value of
  // a new part, the lists emptied and every inherit flag cleared. The position
  // is left as it was.
  void SetDefaults();

  void RegisterFields(int32_t nVersion) override;
  // The stored form, then (outside editor runs, unless the project keeps them)
  // the removal of flows flagged to be dropped, the migrations of older files,
  // ApplyTemplate against CurrentTemplateSource() and Validate against
  // CurrentValidateContext().
  bool Load(cRecordReader& reader) override;
  // Validate (against CurrentValidateContext()), then the stored form.
  void Save(cRecordWriter& writer) override;
  void VisitAppended(cRecordVisitor& visitor) override;

  // Copies the groups whose inherit flag is set from the template the part
  // names. A template of kind 1 or 2 that source does not have (index out of
  // range) sets the kind to 0 and copies nothing; any other kind copies
  // nothing.
  void ApplyTemplate(const cTemplateSource& source);

  // Repairs what the part refers to: the template (against the palette sizes
  // of context), the database indices, the scale, the player chara's switches;
  // validates every flow and removes the entirely empty ones.
  void Validate(const cValidateContext& context);
  // The palette references of every flow's commands.
  void ValidateFlowRefs(const cValidateContext& context);

  // The offset in dots of copy i (clone index) for a chara facing facing.
  double OffsetX(int32_t i, int32_t facing) const;
  double OffsetY(int32_t i, int32_t facing) const;

  // Every stored member (registered fields, position, carried item, inherit
  // flags and both lists).
  bool operator==(const cCharaDef& other) const;
};
