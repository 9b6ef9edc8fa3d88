// Story save slots, their headers and the challenge results file, in a project
// folder that is the current folder.

#include <filesystem>
#include <string>

#include "records/save/save_fixtures.h"

namespace {

std::string SlotFile(int32_t n) {
  std::string path;
  MakeSaveSlotPath(path, n);
  return path;
}

// The host path of a slot file inside the project folder.
std::string SlotHostFile(int32_t n) {
  std::string name = SlotFile(n).substr(std::string("user_data\\story\\").size());
  return "user_data/story/" + name;
}

cVector<cSaveSlotInfo> UsedSlots() {
  cVector<cSaveSlotInfo> slots(kSaveSlotCount);
  for (cSaveSlotInfo& slot : slots) slot.m_bUsed = 1;
  return slots;
}

}  // namespace

TEST(SaveSlotPath, SlotNumbersAreTwoDigitsFromOne) {
  struct Row {
    int32_t slot;
    const char* path;
  };
  for (const Row& row : {Row{0, "user_data\\story\\Story01.dat"}, Row{8, "user_data\\story\\Story09.dat"},
                         Row{9, "user_data\\story\\Story10.dat"}, Row{98, "user_data\\story\\Story99.dat"}}) {
    EXPECT_EQ(SlotFile(row.slot), row.path);
  }
}

TEST(SaveSlotInfo, TimeTextShowsDateAndMinuteOfUsedSlotsOnly) {
  cSaveSlotInfo info;
  info.m_stTime = {2024, 5, 3, 7, 8, 9, 10, 11};
  EXPECT_EQ(info.TimeText(), "");
  info.m_bUsed = 1;
  EXPECT_EQ(info.TimeText(), "2024/05/07 08:09\n");
}

TEST_F(SaveDataTest, HeadersShowOnlySlotsThatLoad) {
  cSaveData first = DistinctData();
  first.m_stSaveTime = {2023, 1, 0, 2, 3, 4, 5, 6};
  cSaveData fifth = DistinctData();
  fifth.m_stSaveTime = {2025, 12, 1, 30, 23, 59, 0, 0};
  WriteProjectFile(SlotHostFile(0), Image(first));
  // Slot 1 has no file.
  WriteProjectFile(SlotHostFile(2), WithVersion(Image(first), g_nDataVersion + 1));
  WriteProjectFile(SlotHostFile(3), Image(first).substr(0, 100));
  WriteProjectFile(SlotHostFile(4), Image(fifth));

  cVector<cSaveSlotInfo> slots = UsedSlots();
  LoadSaveSlotHeaders(slots);
  EXPECT_EQ(slots.CheckedVectorAt(0).m_bUsed, 1);
  EXPECT_EQ(slots.CheckedVectorAt(0).m_stTime, first.m_stSaveTime);
  EXPECT_EQ(slots.CheckedVectorAt(1).m_bUsed, 0);
  EXPECT_EQ(slots.CheckedVectorAt(2).m_bUsed, 0);
  EXPECT_EQ(slots.CheckedVectorAt(3).m_bUsed, 0);
  EXPECT_EQ(slots.CheckedVectorAt(4).m_bUsed, 1);
  EXPECT_EQ(slots.CheckedVectorAt(4).m_stTime, fifth.m_stSaveTime);
  EXPECT_EQ(slots.CheckedVectorAt(98).m_bUsed, 0);
}

TEST_F(SaveDataTest, SavedSlotRefreshesItsHeaderAndLoadsBack) {
  MakeSlotFolder();
  cVector<cSaveSlotInfo> slots(kSaveSlotCount);
  cSaveData data = DistinctData();
  ASSERT_EQ(data.SaveSlot(98, slots), 1);
  EXPECT_NE(data.m_stSaveTime, (SAVETIME{2024, 5, 3, 17, 13, 45, 12, 345}));
  EXPECT_GE(data.m_stSaveTime.wYear, 2024);
  EXPECT_EQ(slots.CheckedVectorAt(98).m_bUsed, 1);
  EXPECT_EQ(slots.CheckedVectorAt(98).m_stTime, data.m_stSaveTime);
  EXPECT_TRUE(std::filesystem::exists("user_data/story/Story99.dat"));

  settings_.m_InfiniteLives.CheckedVectorAt(0) = 0;
  cSaveData loaded = NewData();
  ASSERT_EQ(loaded.LoadSlot(98), 1);
  EXPECT_TRUE(SameSaved(loaded, data));
}

TEST_F(SaveDataTest, FailedSaveKeepsHeaderTimeAndOldFile) {
  cVector<cSaveSlotInfo> slots(kSaveSlotCount);
  cSaveData data = DistinctData();
  const SAVETIME stamped = data.m_stSaveTime;
  // No user_data\story folder: the file cannot be written.
  EXPECT_EQ(data.SaveSlot(0, slots), 0);
  EXPECT_EQ(slots.CheckedVectorAt(0).m_bUsed, 0);
  EXPECT_EQ(data.m_stSaveTime, stamped);

  // Numbers that are no slot write nothing.
  MakeSlotFolder();
  EXPECT_EQ(data.SaveSlot(-1, slots), 0);
  EXPECT_EQ(data.SaveSlot(kSaveSlotCount, slots), 0);
  EXPECT_TRUE(std::filesystem::is_empty("user_data/story"));
  EXPECT_FALSE(ClosePosted());
}

TEST_F(SaveDataTest, SlotThatCannotLoadLeavesTheSaveDataAsItWas) {
  settings_.m_InfiniteLives.CheckedVectorAt(0) = 1;
  WriteProjectFile(SlotHostFile(0), Image(DistinctData()).substr(0, 400));
  WriteProjectFile(SlotHostFile(1), WithVersion(Image(DistinctData()), g_nDataVersion + 1));
  cSaveData data = NewData();
  data.m_nLives = 3;
  data.m_nScore = 41;
  const std::string before = Image(data);

  for (int32_t slot : {0, 1, 2, -1, kSaveSlotCount}) {
    SCOPED_TRACE(slot);
    EXPECT_EQ(data.LoadSlot(slot), 0);
    // Not even the lives rule touches it.
    EXPECT_EQ(Image(data), before);
  }
}

TEST_F(SaveDataTest, LoadedSlotTakesTheStoryLivesRule) {
  struct Row {
    int32_t infinite;
    int32_t storedLives;
    int32_t wantStartLives;
    int32_t wantLives;
  };
  const Row rows[] = {
      {1, 3, 999999, 999999},  // infinite lives in the story
      {0, 999999, 4, 6},       // stored infinite lives become the story's start lives
      {0, 3, 4, 3},
  };
  MakeSlotFolder();
  cVector<cSaveSlotInfo> slots(kSaveSlotCount);
  settings_.m_StartLives = {6, 8, 5, 99};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.storedLives);
    settings_.m_InfiniteLives = {row.infinite, 0, 0, 0};
    cSaveData stored = NewData();
    stored.m_nStartLives = 4;
    stored.m_nLives = row.storedLives;
    ASSERT_EQ(stored.SaveSlot(5, slots), 1);

    cSaveData loaded = NewData();
    ASSERT_EQ(loaded.LoadSlot(5), 1);
    EXPECT_EQ(loaded.m_nStartLives, row.wantStartLives);
    EXPECT_EQ(loaded.m_nLives, row.wantLives);
  }
}

TEST_F(SaveDataTest, ChallengeResultsSaveAndLoadWithTheChallengeLivesRule) {
  settings_.m_StartLives = {6, 8, 5, 99};
  settings_.m_InfiniteLives = {1, 0, 1, 1};
  cSaveData data = DistinctData();
  data.m_nLives = 999999;

  cSaveData loaded = NewData();
  loaded.m_nScore = 5;
  const std::string before = Image(loaded);
  EXPECT_EQ(loaded.LoadChallenge(), 0);  // no file yet
  EXPECT_EQ(Image(loaded), before);
  EXPECT_EQ(data.SaveChallenge(), 0);    // no user_data\challenge folder

  std::filesystem::create_directories("user_data/challenge");
  ASSERT_EQ(data.SaveChallenge(), 1);
  EXPECT_TRUE(std::filesystem::exists("user_data/challenge/Challenge.dat"));
  ASSERT_EQ(loaded.LoadChallenge(), 1);
  EXPECT_EQ(loaded.m_nLives, 8);
  EXPECT_EQ(loaded.m_StageProgress.CheckedVectorAt(1).m_nBestScore, 900);
}
