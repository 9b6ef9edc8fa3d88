// cFlowCmd's validation: references into the database and the palettes are
// kept in range (reset, never followed), the parameter list matches the kind.

#include <cstddef>

#include "records/script/cmd_kind_table.h"
#include "records/script/flow.h"
#include "records/script/flow_cmd.h"

namespace {

// Database references held in parameter 0, by flow kind: out of range := 1.
struct CMDDBREF {
  int32_t nKind;
  eDatabaseList list;
};
constexpr CMDDBREF kParam0Refs[] = {
    {kFlowCmdAnime, eDatabaseList::Anime},
    {kFlowCmdEffect, eDatabaseList::Effect},
    {kFlowCmdCharaEffect, eDatabaseList::CharaEffect},
    {kFlowCmdScrEffect, eDatabaseList::ScrEffect},
    {kFlowCmdPicture, eDatabaseList::Picture},
    {kFlowCmdSound, eDatabaseList::Sound},
    {kFlowCmdBgm, eDatabaseList::Bgm},
};

// "グラフィックの変更" with P0 = 4 shows a Bmp_CharaExc picture named by P1.
constexpr int32_t kGraphicFromCharaExc = 4;

// Parameter i, or null when the list is shorter (a command not validated yet).
int32_t* ParamAt(cFlowCmd& cmd, int32_t index) {
  if (static_cast<std::size_t>(index) >= cmd.m_Params.size()) return nullptr;
  return &cmd.m_Params.CheckedVectorAt(index);
}

// Sets the parameter to value when it lies outside the list.
void KeepParamIn(cFlowCmd& cmd, int32_t index, const cValidateContext& context,
                 eDatabaseList list, int32_t value) {
  int32_t* param = ParamAt(cmd, index);
  if (param && !context.InRange(list, *param)) *param = value;
}

// The sword's type must name a SwordType entry; its length is its swing's.
void ValidateSword(cFlowCmd& cmd, const cValidateContext& context) {
  if (!cmd.m_Shot) return;
  cEdShot& shot = *cmd.m_Shot;
  if (!context.InRange(eDatabaseList::SwordType, shot.m_nMoveType)) shot.m_nMoveType = 0;
  cmd.m_nDuration = context.SwordDuration(shot.m_nMoveType);
}

void ValidateDatabaseRefs(cFlowCmd& cmd, int32_t kind, const cValidateContext& context) {
  if (kind == kFlowCmdSword) {
    ValidateSword(cmd, context);
  } else if (kind == kFlowCmdGraphic) {
    const int32_t* source = ParamAt(cmd, 0);
    if (source && *source == kGraphicFromCharaExc) {
      KeepParamIn(cmd, 1, context, eDatabaseList::BmpCharaExc, 1);
    }
  } else if (kind == kFlowCmdAnimeSet) {
    KeepParamIn(cmd, 0, context, eDatabaseList::AnimeSet, 0);
  } else {
    for (const CMDDBREF& ref : kParam0Refs) {
      if (ref.nKind == kind) KeepParamIn(cmd, 0, context, ref.list, 1);
    }
  }
}

// An index not below the palette's list size (compared unsigned).
bool OutOfPalette(int32_t index, uint32_t size) { return static_cast<uint32_t>(index) >= size; }

// The item a shot or sword carries: palette kind 1 common, 2 stage.
void ValidateCarriedItem(cEdShot& shot, const cValidateContext& context) {
  const cPaletteSizes* palette = nullptr;
  if (shot.m_nItemPalette == kItemCommon) palette = context.Palette(kCommonPalette);
  if (shot.m_nItemPalette == kItemStage) palette = context.Palette(kStagePalette);
  if (palette && OutOfPalette(shot.m_nItemIndex, palette->nItems)) {
    shot.m_nItemPalette = kItemNone;
    shot.m_nItemIndex = 0;
  }
}

// The part a summon places, from palette 0 (common) or 1 (stage).
void ValidateSummon(cEdShot& shot, int32_t kind, const cValidateContext& context) {
  const cPaletteSizes* palette = context.Palette(shot.m_nSummonPalette);
  if (!palette) return;
  const uint32_t size = kind == kFlowCmdSummonBlock   ? palette->nBlocks
                        : kind == kFlowCmdSummonChara ? palette->nCharas
                                                      : palette->nItems;
  if (OutOfPalette(shot.m_nSummonIndex, size)) shot.m_nSummonIndex = 1;
}

// "アイテムの取得": P0 the palette (0 common, 1 stage), P1 the item.
void ValidateGetItem(cFlowCmd& cmd, const cValidateContext& context) {
  const int32_t* paletteNo = ParamAt(cmd, 0);
  int32_t* item = ParamAt(cmd, 1);
  const cPaletteSizes* palette = paletteNo ? context.Palette(*paletteNo) : nullptr;
  if (palette && item && OutOfPalette(*item, palette->nItems)) *item = 1;
}

}  // namespace

bool cFlowCmd::HasKnownKind() const { return FindCmdKind(m_nSet, m_nKind) != nullptr; }

int32_t cFlowCmd::KindParamCount() const {
  const CMDKINDDATA* data = FindCmdKind(m_nSet, m_nKind);
  return data ? data->nParams : 0;
}

bool cFlowCmd::MakeUnknownKindEmpty() {
  if (HasKnownKind()) return false;
  m_nSet = kCmdSetFlow;
  m_nKind = kFlowCmdNone;
  m_Params.clear();
  return true;
}

void cFlowCmd::Validate(const cValidateContext& context) {
  if (!context.InRange(eDatabaseList::Anime, m_nAnime)) m_nAnime = 0;
  if (!context.InRange(eDatabaseList::Sound, m_nSound)) m_nSound = 0;
  MakeUnknownKindEmpty();
  m_Params.resize(static_cast<std::size_t>(KindParamCount()), 0);
  ValidateDatabaseRefs(*this, SharedFlowKind(m_nSet, m_nKind), context);
  for (cFlow& flow : m_SubFlows) flow.Validate(context);
}

void cFlowCmd::ValidatePaletteRefs(const cValidateContext& context) {
  const int32_t kind = SharedFlowKind(m_nSet, m_nKind);
  if (m_Shot && (kind == kFlowCmdShot || kind == kFlowCmdSword)) {
    ValidateCarriedItem(*m_Shot, context);
  }
  if (m_Shot && kind >= kFlowCmdSummonBlock && kind <= kFlowCmdSummonItem) {
    ValidateSummon(*m_Shot, kind, context);
  }
  if (kind == kFlowCmdGetItem) ValidateGetItem(*this, context);
  for (cFlow& flow : m_SubFlows) flow.ValidatePaletteRefs(context);
}
