#pragma once
// What the block and item parts share: the graphic sources and mark modes
// they store, the shot-graphic renumbering of old files, their template
// handling (inherit flags selecting groups of members copied from a template
// part), and the stored tail that follows their record (position, inherit
// flags, conditions).
//
// A part class keeps a table of group copies, one entry per inherit flag:
//
//   const std::array<cGroupCopy<cItemDef>, 13> kGroups = {CopyPartName<cItemDef>, ...};
//   ApplyPartTemplate(*this, source.ItemTemplate(m_nTemplateKind, m_nTemplateIndex), kGroups);

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>

#include "core/containers/checked_vector.h"
#include "records/io/record_reader.h"
#include "records/io/record_writer.h"
#include "records/palette/template_source.h"
#include "records/record/record_list.h"
#include "records/record/record_visitor.h"
#include "records/script/condition.h"
#include "records/script/validate_context.h"

// Where a part's graphic comes from (m_nGraphicSource).
enum ePartGraphicSource : int8_t {
  kPartGraphicBlock = 0,      // "ブロック"
  kPartGraphicChara = 1,      // "キャラ"
  kPartGraphicItem = 2,       // "アイテム"
  kPartGraphicShot = 3,       // "ショット"
  kPartGraphicExclusive = 4,  // "専用bmp"
};

// Whether a part's mark is drawn (m_nMarkShow).
enum ePartMarkShow : int8_t {
  kPartMarkHidden = 0,      // "表示しない"
  kPartMarkShown = 1,       // "表示する"
  kPartMarkEditorOnly = 2,  // "エディターでのみ表示": never by the player
};

// Files before this data version number the shot graphics one lower.
constexpr int32_t kShotGraphicShiftVersion = 219;
constexpr int16_t kMaxShotGraphic = 119;

// A shot graphic of a file before kShotGraphicShiftVersion, renumbered: one
// up, at most kMaxShotGraphic. Graphics of other sources are kept.
inline void MigrateShotGraphic(int32_t fileVersion, int8_t source, int16_t& graphic) {
  if (fileVersion >= kShotGraphicShiftVersion || source != kPartGraphicShot) return;
  graphic = static_cast<int16_t>(std::min<int32_t>(graphic + 1, kMaxShotGraphic));
}

// Copies one property group of a part from its template.
template <class Part>
using cGroupCopy = void (*)(Part& part, const Part& source);

// The template copy: nothing unless the part names a palette template (kind 1
// or 2) at an index other than 0 (any other kind makes the part its own
// template). source is what the template source found at that reference; when
// it found nothing the reference points past its palette: only the kind is
// dropped (the index is kept and saved as it was) and nothing is copied.
// Otherwise each group whose inherit flag is set is copied, in flag order;
// flags past the table select nothing.
template <class Part, std::size_t N>
void ApplyPartTemplate(Part& part, const Part* source, const std::array<cGroupCopy<Part>, N>& groups) {
  if (part.m_nTemplateIndex == 0 || !IsPaletteTemplateKind(part.m_nTemplateKind)) return;
  if (source == nullptr) {
    part.m_nTemplateKind = kTemplateNone;
    return;
  }
  // A part that is its own template already holds every group.
  if (source == &part) return;
  const std::size_t flags = std::min(part.m_Inherit.size(), N);
  for (std::size_t i = 0; i < flags; ++i) {
    if (part.m_Inherit.CheckedVectorAt(static_cast<int32_t>(i)) != 0) groups[i](part, *source);
  }
}

// The sizes of the palette a reference kind names (1 common, 2 stage), as the
// validation context has them; null for any other kind.
inline const cPaletteSizes* PaletteSizesOfKind(const cValidateContext& context, int32_t kind) {
  if (kind == kTemplateCommon) return &context.commonPalette;
  if (kind == kTemplateStage) return &context.stagePalette;
  return nullptr;
}

// Drops a palette reference (kind 1 or 2) whose index (compared unsigned, so
// any negative index) is not below the size of the list it names (list picks
// blocks, charas or items of that palette): kind and index become 0. Other
// kinds are kept as they are.
template <class Kind, class Index>
void DropPaletteRefPast(Kind& kind, Index& index, const cValidateContext& context,
                        uint32_t cPaletteSizes::*list) {
  const cPaletteSizes* palette = PaletteSizesOfKind(context, kind);
  if (palette != nullptr && static_cast<uint32_t>(index) >= palette->*list) {
    kind = 0;
    index = 0;
  }
}

// Makes part a new part again, its lists included, so that nothing stored
// (an entry 0 read from a file, say) stays behind the empty part's face; only
// the position is kept.
template <class Part>
void ResetPartKeepingPosition(Part& part) {
  const int16_t x = part.m_nX;
  const int16_t y = part.m_nY;
  part = Part();
  part.m_nX = x;
  part.m_nY = y;
}

// Group copies the block and item parts share (their members have the same
// names in both classes).
template <class Part>
void CopyPartName(Part& part, const Part& source) {
  part.m_strName = source.m_strName;
}
template <class Part>
void CopyPartConditions(Part& part, const Part& source) {
  part.m_Conditions = source.m_Conditions;
  part.m_nCondMode = source.m_nCondMode;
  part.m_bCondOnce = source.m_bCondOnce;
}
template <class Part>
void CopyPartGraphic(Part& part, const Part& source) {
  part.m_nGraphicSource = source.m_nGraphicSource;
  part.m_nGraphic = source.m_nGraphic;
  part.m_nGraphicCell = source.m_nGraphicCell;
}
template <class Part>
void CopyPartHidden(Part& part, const Part& source) {
  part.m_bHidden = source.m_bHidden;
}
template <class Part>
void CopyPartMark(Part& part, const Part& source) {
  part.m_nMarkShow = source.m_nMarkShow;
  part.m_nMark = source.m_nMark;
}

// The stored tail that follows a block or item part's record: int16 x, int16
// y, the inherit flags (int32 n and n bytes: the flag list becomes exactly
// what is stored), the condition list.
template <class Part>
bool LoadPartTail(cRecordReader& reader, Part& part) {
  return reader.Read(part.m_nX) && reader.Read(part.m_nY) && LoadValueList(reader, part.m_Inherit) &&
         LoadConditionList(reader, part.m_Conditions);
}
template <class Part>
void SavePartTail(cRecordWriter& writer, Part& part) {
  writer.Write(part.m_nX);
  writer.Write(part.m_nY);
  SaveValueList(writer, part.m_Inherit);
  SaveConditionList(writer, part.m_Conditions);
}

template <class Part>
void VisitPartTail(cRecordVisitor& visitor, Part& part) {
  visitor.Value("m_nX", part.m_nX);
  visitor.Value("m_nY", part.m_nY);
  visitor.List("m_Inherit", part.m_Inherit);
  visitor.List("m_Conditions", part.m_Conditions);
}

// The members of the tail, compared.
template <class Part>
bool SamePartTail(const Part& a, const Part& b) {
  return a.m_nX == b.m_nX && a.m_nY == b.m_nY &&
         static_cast<const std::vector<int8_t>&>(a.m_Inherit) == b.m_Inherit &&
         static_cast<const std::vector<cCondition>&>(a.m_Conditions) == b.m_Conditions;
}
