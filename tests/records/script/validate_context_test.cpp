// The validation context: list ranges, the sword command's length, palettes,
// the flow-dropping switches and the context that loads and saves see.

#include <gtest/gtest.h>

#include <climits>
#include <vector>

#include "records/script/validate_context.h"

TEST(ValidateContextTest, DefaultsAreTheSizesOfTheDefaultDatabase) {
  const cValidateContext context = cValidateContext::Defaults();
  EXPECT_EQ(context.ListSize(eDatabaseList::AnimeSet), 1u);
  EXPECT_EQ(context.ListSize(eDatabaseList::SwordType), 1u);
  for (eDatabaseList list : {eDatabaseList::Anime, eDatabaseList::BmpCharaExc, eDatabaseList::Effect,
                             eDatabaseList::CharaEffect, eDatabaseList::ScrEffect,
                             eDatabaseList::Picture, eDatabaseList::Sound, eDatabaseList::Bgm}) {
    EXPECT_EQ(context.ListSize(list), 2u) << static_cast<int>(list);
  }
  EXPECT_EQ(context.SwordDuration(0), 1);
  EXPECT_FALSE(context.bFromEditor);
  EXPECT_FALSE(context.bKeepFlaggedFlows);
}

TEST(ValidateContextTest, IndexesAreInRangeOnlyBelowTheListSize) {
  cValidateContext context = cValidateContext::Defaults();
  context.SetListSize(eDatabaseList::Sound, 3);
  EXPECT_TRUE(context.InRange(eDatabaseList::Sound, 0));
  EXPECT_TRUE(context.InRange(eDatabaseList::Sound, 2));
  EXPECT_FALSE(context.InRange(eDatabaseList::Sound, 3));
  EXPECT_FALSE(context.InRange(eDatabaseList::Sound, -1));
  EXPECT_FALSE(context.InRange(eDatabaseList::Sound, INT32_MIN));
  context.SetListSize(eDatabaseList::Sound, 0);
  EXPECT_FALSE(context.InRange(eDatabaseList::Sound, 0));

  // The sword types are the rows of their step durations.
  context.SetListSize(eDatabaseList::SwordType, 4);
  EXPECT_EQ(context.swordStepDurations.size(), 4u);
  EXPECT_TRUE(context.InRange(eDatabaseList::SwordType, 3));
  EXPECT_FALSE(context.InRange(eDatabaseList::SwordType, 4));
}

TEST(ValidateContextTest, SwordDurationSumsStepsCappedAfterEachAddition) {
  struct Row {
    const char* what;
    std::vector<int32_t> steps;
    int16_t expected;
  } rows[] = {
      {"no steps", {}, 0},
      {"plain sum", {1, 2, 3}, 6},
      {"capped", {5000, 5000, 5000}, 9999},
      // Capped after each addition, not at the end (which would give 9995).
      {"cap before a negative step", {10000, -5}, 9994},
      {"exactly the cap", {9000, 999}, 9999},
      {"no overflow of the sum", {INT32_MAX, INT32_MAX}, 9999},
      {"kept within int16", {INT32_MIN, INT32_MIN}, INT16_MIN},
  };
  for (const Row& row : rows) {
    cValidateContext context;
    context.swordStepDurations = {{7}, row.steps};
    EXPECT_EQ(context.SwordDuration(1), row.expected) << row.what;
  }
  cValidateContext context = cValidateContext::Defaults();
  EXPECT_EQ(context.SwordDuration(1), 0) << "a sword type past the list has no steps";
  EXPECT_EQ(context.SwordDuration(-1), 0);
}

TEST(ValidateContextTest, PaletteNumbersAndFlowDropping) {
  cValidateContext context;
  context.commonPalette.nItems = 4;
  context.stagePalette.nItems = 9;
  ASSERT_NE(context.Palette(0), nullptr);
  ASSERT_NE(context.Palette(1), nullptr);
  EXPECT_EQ(context.Palette(0)->nItems, 4u);
  EXPECT_EQ(context.Palette(1)->nItems, 9u);
  EXPECT_EQ(context.Palette(2), nullptr);
  EXPECT_EQ(context.Palette(-1), nullptr);

  struct Row {
    bool fromEditor, keep, drop;
  } rows[] = {{false, false, true}, {true, false, false}, {false, true, false}, {true, true, false}};
  for (const Row& row : rows) {
    context.bFromEditor = row.fromEditor;
    context.bKeepFlaggedFlows = row.keep;
    EXPECT_EQ(context.DropFlaggedFlows(), row.drop) << row.fromEditor << row.keep;
  }
}

TEST(ValidateContextTest, ScopesInstallAndRestoreTheContextLoadsUse) {
  EXPECT_EQ(CurrentValidateContext().ListSize(eDatabaseList::Effect), 2u);
  cValidateContext outer = cValidateContext::Defaults();
  outer.SetListSize(eDatabaseList::Effect, 10);
  cValidateContext inner = cValidateContext::Defaults();
  inner.SetListSize(eDatabaseList::Effect, 20);
  {
    cValidateContextScope outerScope(outer);
    EXPECT_EQ(&CurrentValidateContext(), &outer);
    {
      cValidateContextScope innerScope(inner);
      EXPECT_EQ(&CurrentValidateContext(), &inner);
    }
    EXPECT_EQ(&CurrentValidateContext(), &outer);
  }
  EXPECT_EQ(CurrentValidateContext().ListSize(eDatabaseList::Effect), 2u);
}
