#pragma once
// cCommonPalette: the block, chara and item parts every stage of the project
// can use besides its own palettes (data\CommonPalette.cplt4, loaded once at
// start-up into g_CommonPalette and only read afterwards; the player never
// writes it). Entry 0 of each list is the empty part, so index 0 means none.
//
// Stored form: the data version, an empty record (no fields, no strings), then
// the block, chara and item lists, each an int32 count and the parts.
//
// While it loads, its parts resolve templates of kind 1 against the palette
// being loaded (entries before the one loading as loaded, later ones still
// empty parts) and of kind 2 against the source current when the load began
// (the stage's palettes). A whole-file load goes into a copy that replaces the
// palette only once everything loaded, so a damaged file leaves it as it was:
//
//   cTemplateSourceScope stage(stagePalettes);    // kind 2, when there is one
//   cValidateContextScope sizes(databaseContext);
//   if (!g_CommonPalette.LoadFromFile("data\\CommonPalette.cplt4")) { ... }
//
// After a load each list has at least 2 entries, entry 0 of each is the empty
// part, every inherit flag is 0 and every reference is within its list.

#include <cstdint>

#include "core/containers/checked_vector.h"
#include "records/palette/block_def.h"
#include "records/palette/chara_def.h"
#include "records/palette/item_def.h"
#include "records/palette/template_source.h"
#include "records/record/record.h"
#include "records/script/validate_context.h"

class cCommonPalette : public cRecordOf<cCommonPalette> {
 public:
  cVector<cBlockDef> m_BlockPalette;
  cVector<cCharaDef> m_CharaPalette;
  cVector<cItemDef> m_ItemPalette;

  // One empty part in each list.
  cCommonPalette();

  // The lists (see above): entry 0 of each reset to the empty part, every
  // inherit flag cleared, then Normalize against CurrentValidateContext().
  bool Load(cRecordReader& reader) override;
  // Normalize against CurrentValidateContext(), then the lists.
  void Save(cRecordWriter& writer) override;
  void VisitAppended(cRecordVisitor& visitor) override;

  // Pads each list to at least 2 entries and validates every part in list
  // order, against context with this palette's own sizes as the common ones.
  void Normalize(const cValidateContext& context);

  // The number of parts in each list.
  cPaletteSizes Sizes() const;

 private:
  // context with this palette as the common palette.
  cValidateContext WithOwnSizes(const cValidateContext& context) const;
};

// Templates of kind 1 from a common palette, every other kind from another
// source (the stage's palettes). The common palette's loads resolve through
// one of these over the palette being loaded; a stage load can use one over
// g_CommonPalette.
class cCommonPaletteSource : public cTemplateSource {
 public:
  // Both must outlive the source.
  cCommonPaletteSource(const cCommonPalette& common, const cTemplateSource& stage)
      : m_Common(common), m_Stage(stage) {}

  const cBlockDef* BlockTemplate(int32_t kind, int32_t index) const override;
  const cCharaDef* CharaTemplate(int32_t kind, int32_t index) const override;
  const cItemDef* ItemTemplate(int32_t kind, int32_t index) const override;

 private:
  const cCommonPalette& m_Common;
  const cTemplateSource& m_Stage;
};

// The project's common palette: one empty part per list until start-up loads
// it.
extern cCommonPalette g_CommonPalette;
