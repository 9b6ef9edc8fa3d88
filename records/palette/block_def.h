#pragma once
// cBlockDef: a block part, as the palettes (common and stage) and the block
// placements of a stage keep it. A part may take groups of its settings from a
// template part (template kind 1 the common palette, 2 the stage palette); the
// load copies the groups whose inherit flag is set, once, and the file keeps
// the part's own values too.
//
// Stored form (the same at every data version): the record (18 fields, 26
// bytes, the name), then int16 x, int16 y, the inherit flags (int32 n and n
// bytes) and the condition list.
//
// Templates are copied from what a cTemplateSource finds (template_source.h);
// references are checked against the palette sizes of a cValidateContext.
// Loads and saves use CurrentTemplateSource() and CurrentValidateContext();
// explicit calls take them as arguments.

#include <cstdint>
#include <string>

#include "core/containers/checked_vector.h"
#include "records/palette/template_source.h"
#include "records/record/record.h"
#include "records/script/condition.h"
#include "records/script/validate_context.h"

// Property groups of a block part, one inherit flag each.
constexpr int32_t kBlockInheritGroups = 11;

// Hit classes (m_nHitClass).
enum eBlockHitClass : int8_t {
  kBlockPassable = 0,  // "当たらない"
  kBlockSolid = 1,     // "当たる"
  kBlockDeadly = 2,    // "主人公が当たると即死": solid, and the hero dies on touching it
};

// m_nExemptGroup when no object group passes through the block.
constexpr uint8_t kNoExemptGroup = 255;

// Floor effects on a chara standing on the block (m_nFloorEffect); the value
// is m_nFloorValue.
enum eFloorEffect : int8_t {
  kFloorNone = 0,       // "なし"
  kFloorJump = 1,       // "ジャンプ X=高さ(hbl)"
  kFloorNoJump = 2,     // "ジャンプ禁止"
  kFloorSpeed = 3,      // "移動速度変更 X=％"
  kFloorMoveLeft = 4,   // "左移動 X=移動速度"
  kFloorMoveRight = 5,  // "右移動 X=移動速度"
};

// Drawing layers of a block (m_nLayer).
enum eBlockLayer : int8_t {
  kBlockBehindObjects = 0,
  kBlockOverObjects = 1,
};

class cBlockDef : public cRecordOf<cBlockDef> {
 public:
  int16_t m_nX = 0;  // column of a placed part, in blocks
  int16_t m_nY = 0;  // row of a placed part
  int8_t m_nTemplateKind = 0;   // eTemplateKind
  int16_t m_nTemplateIndex = 0; // index in that palette's block list; 0 none
  // What collision reads of every cell it probes, side by side so that a
  // probe of a grid cell (cBlock, aligned to a cache line) touches one line.
  cVector<cCondition> m_Conditions;  // the block exists while they hold
  int8_t m_nHitClass = kBlockSolid;         // eBlockHitClass
  uint8_t m_nExemptGroup = kNoExemptGroup;  // object group 0-7 passing through it
  cVector<int8_t> m_Inherit;    // one flag per property group
  std::string m_strName;
  int8_t m_nCondMode = 0;       // eCondListMode
  int8_t m_bCondOnce = 0;       // once they have held, the block stays for good
  int16_t m_nGraphic = 0;       // 0: no graphic, an empty block
  int8_t m_nGraphicSource = 0;  // ePartGraphicSource
  int16_t m_nGraphicCell = 0;   // cell of the chara and exclusive-bitmap sources
  int8_t m_nLayer = 0;          // eBlockLayer
  int8_t m_bHidden = 0;         // not drawn; still collides and acts
  int8_t m_nMarkShow = 0;       // ePartMarkShow
  int16_t m_nMark = 0;          // cell of the mark sheet (15 to a column)
  int8_t m_nFloorEffect = 0;    // eFloorEffect
  int32_t m_nFloorValue = 0;
  int8_t m_nItemPalette = 0;    // held item: 0 none, 1 common, 2 stage palette
  int16_t m_nItemIndex = 0;
  int8_t m_bNoReplace = 0;      // protected against summons and erasures by commands

  // The empty block: solid class and no exempt group, every other member 0,
  // 11 inherit flags of 0, no name, no conditions.
  cBlockDef();

  // Makes the part the empty block again; only the position is kept.
  void SetDefaults();

  void RegisterFields(int32_t nVersion) override;
  // The record, the tail, the shot-graphic renumbering of old files, then the
  // template copy and the template check.
  bool Load(cRecordReader& reader) override;
  // The template check first.
  void Save(cRecordWriter& writer) override;
  void VisitAppended(cRecordVisitor& visitor) override;

  // Copies the groups whose inherit flag is set from the template. A template
  // reference past its palette loses its kind (the index stays).
  void ApplyTemplate(const cTemplateSource& source);
  // A template reference (kind 1 or 2) past its palette's block list loses
  // kind and index; an empty block (graphic 0) is made passable and
  // replaceable.
  void ValidateTemplate(const cValidateContext& context);
  // A held item (palette 1 or 2) past that palette's item list: palette and
  // index become 0.
  void ValidateItemRef(const cValidateContext& context);

  // Every stored member, lists included.
  bool operator==(const cBlockDef& other) const;
};
