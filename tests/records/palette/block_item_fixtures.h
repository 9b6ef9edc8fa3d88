#pragma once
// Helpers of the block and item part tests: a template source over palette
// lists the test builds, a validation context whose palettes have 3 parts of
// each kind, parts whose members all differ with the seed, raw images (the
// stored form as it stands, not validated by a save), and the check that an
// inherit flag copies exactly its group.

#include <gtest/gtest.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <type_traits>
#include <vector>

#include "records/palette/block_def.h"
#include "records/palette/item_def.h"
#include "records/palette/palette_part.h"
#include "records/palette/template_source.h"
#include "records/record/record_file.h"
#include "records/script/cmd_kind_table.h"
#include "support/record_fixtures.h"

// Templates from lists: kind 1 the common ones, kind 2 the stage ones.
class cPartListSource : public cTemplateSource {
 public:
  cVector<cBlockDef> commonBlocks{3};
  cVector<cBlockDef> stageBlocks{3};
  cVector<cItemDef> commonItems{3};
  cVector<cItemDef> stageItems{3};

  const cBlockDef* BlockTemplate(int32_t kind, int32_t index) const override {
    return Pick(kind, commonBlocks, stageBlocks, index);
  }
  const cItemDef* ItemTemplate(int32_t kind, int32_t index) const override {
    return Pick(kind, commonItems, stageItems, index);
  }

  // The list a template kind names.
  cVector<cBlockDef>& Blocks(int32_t kind) { return kind == kTemplateCommon ? commonBlocks : stageBlocks; }
  cVector<cItemDef>& Items(int32_t kind) { return kind == kTemplateCommon ? commonItems : stageItems; }

 private:
  template <class Part>
  static const Part* Pick(int32_t kind, const cVector<Part>& common, const cVector<Part>& stage,
                          int32_t index) {
    if (kind == kTemplateCommon) return TemplateAt(common, index);
    if (kind == kTemplateStage) return TemplateAt(stage, index);
    return nullptr;
  }
};

// Palettes of 3 parts each (the sizes of cPartListSource) and 5 sounds.
inline cValidateContext PartContext() {
  cValidateContext context = cValidateContext::Defaults();
  context.commonPalette = {3, 3, 3};
  context.stagePalette = {3, 3, 3};
  context.SetListSize(eDatabaseList::Sound, 5);
  return context;
}

// Installs that context and source for the loads and saves of a test.
class PartTest : public ::testing::Test {
 protected:
  cValidateContext context_ = PartContext();
  cPartListSource templates_;
  cValidateContextScope contextScope_{context_};
  cTemplateSourceScope templateScope_{templates_};
};

// Parts whose every member depends on seed (two seeds give parts that differ
// in every member); template kind 0 and 0 inherit flags, so nothing is
// resolved when they load. Valid under PartContext() for seeds 1 to 3.
inline cBlockDef SeededBlock(int8_t seed) {
  cBlockDef block;
  block.m_nX = static_cast<int16_t>(100 + seed);
  block.m_nY = static_cast<int16_t>(200 + seed);
  block.m_Inherit.clear();
  block.m_strName = "ブロック" + std::to_string(seed);
  block.m_Conditions.resize(static_cast<std::size_t>(seed));
  block.m_Conditions.CheckedVectorAt(0).m_nKind = kCondStageVar;
  block.m_Conditions.CheckedVectorAt(0).m_nValue = seed;
  block.m_nCondMode = seed;
  block.m_bCondOnce = static_cast<int8_t>(seed + 1);
  block.m_nGraphic = static_cast<int16_t>(10 + seed);
  block.m_nGraphicSource = static_cast<int8_t>(seed + 1);
  block.m_nGraphicCell = static_cast<int16_t>(20 + seed);
  block.m_nLayer = static_cast<int8_t>(30 + seed);
  block.m_bHidden = static_cast<int8_t>(40 + seed);
  block.m_nMarkShow = static_cast<int8_t>(50 + seed);
  block.m_nMark = static_cast<int16_t>(60 + seed);
  block.m_nHitClass = static_cast<int8_t>(70 + seed);
  block.m_nExemptGroup = static_cast<uint8_t>(seed);
  block.m_nFloorEffect = static_cast<int8_t>(80 + seed);
  block.m_nFloorValue = 90000 + seed;
  block.m_nItemPalette = static_cast<int8_t>(seed % 2 + 1);
  block.m_nItemIndex = static_cast<int16_t>(seed - 1);
  block.m_bNoReplace = static_cast<int8_t>(110 + seed);
  return block;
}

inline cItemDef SeededItem(int8_t seed) {
  cItemDef item;
  item.m_nX = static_cast<int16_t>(100 + seed);
  item.m_nY = static_cast<int16_t>(200 + seed);
  item.m_Inherit.clear();
  item.m_strName = "アイテム" + std::to_string(seed);
  item.m_Conditions.resize(static_cast<std::size_t>(seed));
  item.m_Conditions.CheckedVectorAt(0).m_nKind = kCondCommonVar;
  item.m_Conditions.CheckedVectorAt(0).m_nValue = seed;
  item.m_nCondMode = seed;
  item.m_bCondOnce = static_cast<int8_t>(seed + 1);
  item.m_nExtra1 = static_cast<int16_t>(-seed);
  item.m_nExtra2 = static_cast<int16_t>(300 + seed);
  item.m_nGraphic = static_cast<int16_t>(10 + seed);
  item.m_nGraphicSource = static_cast<int8_t>(seed + 2);
  item.m_nGraphicCell = static_cast<int16_t>(20 + seed);
  item.m_nZ = seed;
  item.m_bHidden = static_cast<int8_t>(40 + seed);
  item.m_nMarkShow = static_cast<int8_t>(50 + seed);
  item.m_nMark = static_cast<int16_t>(60 + seed);
  item.m_nTakeKind = static_cast<int8_t>(70 + seed);
  item.m_bTakeMessage = static_cast<int8_t>(80 + seed);
  item.m_nScale = static_cast<int8_t>(1 + seed);
  item.m_nSound = seed;
  // Item command "ゲームウエイト" (one parameter), as often as the seed says.
  cFlowCmd wait;
  wait.m_nSet = kCmdSetItem;
  wait.m_nKind = 3;
  wait.m_Params.assign(1, 10 * seed);
  item.m_Commands.assign(static_cast<std::size_t>(seed), wait);
  return item;
}

// The stored form of a part exactly as it stands (its save would validate
// first): the data version, the record, the tail and, for an item, the
// commands.
template <class Part>
std::string RawPartImage(Part part, int32_t version = g_nDataVersion) {
  cRecordWriter writer(version);
  writer.Write(version);
  part.cRecord::Save(writer);
  SavePartTail(writer, part);
  if constexpr (std::is_same_v<Part, cItemDef>) SaveRecordList(writer, part.m_Commands);
  const std::vector<uint8_t>& bytes = writer.Bytes();
  return std::string(bytes.begin(), bytes.end());
}

// Loads a whole image into a new part (or into part); the load's status.
template <class Part>
eRecordFile LoadPartImage(Part& part, const std::string& image) {
  return LoadRecordImage(part, ToImage(image));
}

// A record image without its data version: what a part appends of a nested
// record.
template <class Record>
std::string NestedImage(Record record) {
  return RecordImageAt(record).substr(4);
}

// Members of one property group, compared.
template <class Part>
struct cGroupMembers {
  int32_t nFlag;
  const char* lpMembers;
  bool (*Same)(const Part& a, const Part& b);
};

// For each inherit flag alone: the part takes that group from the template
// and keeps every other group, its position, template reference and flags.
template <class Part, std::size_t N>
void ExpectEachFlagCopiesItsGroup(const std::array<cGroupMembers<Part>, N>& groups,
                                  cVector<Part>& commonList) {
  const Part source = commonList.CheckedVectorAt(1);
  for (const cGroupMembers<Part>& group : groups) {
    SCOPED_TRACE(testing::Message() << "flag " << group.nFlag << " (" << group.lpMembers << ")");
    Part part = commonList.CheckedVectorAt(2);
    part.m_nTemplateKind = kTemplateCommon;
    part.m_nTemplateIndex = 1;
    part.m_Inherit.assign(N, 0);
    part.m_Inherit.CheckedVectorAt(group.nFlag) = 1;
    const Part before = part;
    part.ApplyTemplate(CurrentTemplateSource());
    for (const cGroupMembers<Part>& other : groups) {
      const Part& expected = other.nFlag == group.nFlag ? source : before;
      EXPECT_TRUE(other.Same(part, expected)) << "group " << other.nFlag << " (" << other.lpMembers << ")";
    }
    EXPECT_EQ(part.m_nX, before.m_nX);
    EXPECT_EQ(part.m_nY, before.m_nY);
    EXPECT_TRUE(part.m_Inherit == before.m_Inherit);
    EXPECT_EQ(part.m_nTemplateKind, kTemplateCommon);
    EXPECT_EQ(part.m_nTemplateIndex, 1);
  }
}
