// Replay files: stage, input log and game state in one record file; old files
// without the game state; refused files that change nothing.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "records/replay/replay_file.h"
#include "records/save/save_fixtures.h"  // WithVersion
#include "records/stage/stage_fixtures.h"

namespace {

cInputLog SampleLog() {
  cInputLog log;
  log.m_nSeed = 0x1234567;
  for (uint16_t frame = 0; frame < 12; ++frame) {
    log.Append({static_cast<uint16_t>(frame / 4), static_cast<uint16_t>(frame % 3 == 0)});
  }
  return log;
}

cSaveData SampleState() {
  cSaveData state;
  state.m_nScore = 1234;
  state.m_nLives = 3;
  state.m_strStageFile = "data\\stg4\\Stage1.";
  state.m_Vars.CheckedVectorAt(5) = 77;
  return state;
}

template <class Record>
std::string ImageOf(const Record& record, int32_t version = g_nDataVersion) {
  Record copy = record;  // a save normalises what it saves
  return RecordImageAt(copy, version);
}

// Everything after the data version.
std::string Body(const std::string& image) { return image.substr(4); }

class ReplayFileTest : public StageTest {
 protected:
  void TearDown() override {
    g_InputLog = savedLog_;
    g_InputLogPrev = savedLogPrev_;
    g_SaveData = savedState_;
    g_SaveDataAtStartPrev = savedStatePrev_;
    StageTest::TearDown();
  }

  // What a load must leave alone when it refuses a file.
  struct Targets {
    cStageData stage = SmallestStage();
    cStageData initial;
    cInputLog log = SampleLog();
    cSaveData state = SampleState();
    Targets() { stage.m_strPath = "kept.stg4_836"; }
  };
  static std::string Images(const Targets& t) {
    return ImageOf(t.stage) + ImageOf(t.initial) + ImageOf(t.log) + ImageOf(t.state) + t.stage.m_strPath;
  }

  std::string File() const { return dir_.file("a.rpl4_836"); }

 private:
  cInputLog savedLog_ = g_InputLog;
  cInputLog savedLogPrev_ = g_InputLogPrev;
  cSaveData savedState_ = g_SaveData;
  cSaveData savedStatePrev_ = g_SaveDataAtStartPrev;
};

}  // namespace

TEST_F(ReplayFileTest, SavedReplayIsStageLogAndStateAndLoadsBack) {
  cStageData stage = SmallestStage();
  cInputLog log = SampleLog();
  cSaveData state = SampleState();
  ASSERT_EQ(log.SaveReplay(File(), stage, stage, state), 1);
  EXPECT_EQ(ReadFileBytes(File()),
            ImageOf(stage) + Body(ImageOf(log)) + Body(ImageOf(state)));

  cStageData loadedStage;
  loadedStage.m_strPath = "chosen.rpl4_836";
  cStageData initial = SmallestStage();
  cInputLog loadedLog;
  cSaveData loadedState;
  ASSERT_EQ(loadedLog.LoadReplay(File(), loadedStage, initial, loadedState), 1);
  EXPECT_EQ(ImageOf(loadedStage), ImageOf(stage));
  EXPECT_EQ(loadedStage.m_strPath, "chosen.rpl4_836");
  EXPECT_EQ(ImageOf(loadedLog), ImageOf(log));
  EXPECT_EQ(ImageOf(loadedState), ImageOf(state));
  EXPECT_EQ(loadedState.m_Vars.CheckedVectorAt(5), 77);
  // The pristine copy has the header parts and nothing placed.
  EXPECT_EQ(initial.m_strText, "最小");
  EXPECT_EQ(initial.m_nWidth, 20);
  EXPECT_TRUE(initial.m_PlacedCharas.empty());
  EXPECT_TRUE(initial.m_BlockPalette.empty());

  INPUTWORDS first;
  ASSERT_EQ(loadedLog.Playback(first), 0);
  EXPECT_EQ(first, (INPUTWORDS{0, 1}));
}

TEST_F(ReplayFileTest, HeaderPartsComeFromTheStageAsLoaded) {
  cStageData header = SmallestStage();
  header.m_strText = "as loaded";
  header.m_nTimeLimit = 300;
  cStageData played = SmallestStage();
  played.m_strText = "changed in play";
  played.m_BlockPalette.resize(3);
  cInputLog log = SampleLog();
  cSaveData state = SampleState();
  ASSERT_EQ(log.SaveReplay(File(), played, header, state), 1);

  Targets t;
  ASSERT_EQ(t.log.LoadReplay(File(), t.stage, t.initial, t.state), 1);
  EXPECT_EQ(t.stage.m_strText, "as loaded");
  EXPECT_EQ(t.stage.m_nTimeLimit, 300);
  EXPECT_EQ(t.stage.m_BlockPalette.size(), 3u);
  EXPECT_EQ(t.initial.m_nTimeLimit, 300);
}

TEST_F(ReplayFileTest, Version172ReplayHasNoStateAndLeavesIt) {
  const cStageData stage = SmallestStage();
  const cInputLog log = SampleLog();
  WriteFileBytes(File(), ImageOf(stage, 172) + Body(ImageOf(log, 172)));

  Targets t;
  const std::string stateBefore = ImageOf(t.state);
  t.log.Clear();
  ASSERT_EQ(t.log.LoadReplay(File(), t.stage, t.initial, t.state), 1);
  EXPECT_EQ(g_nFileVersion, 172);
  EXPECT_EQ(t.stage.m_nWidth, 20);
  EXPECT_EQ(t.stage.FindHero(), 0);
  EXPECT_EQ(ImageOf(t.log), ImageOf(log));
  EXPECT_EQ(ImageOf(t.state), stateBefore);
}

TEST_F(ReplayFileTest, RefusedReplayChangesNothing) {
  const std::string stage = ImageOf(SmallestStage());
  const std::string state = Body(ImageOf(SampleState()));
  cInputLog unequal = SampleLog();
  unequal.m_ButtonRuns.push_back(4);
  cInputLog zeroRun = SampleLog();
  zeroRun.m_DirRuns.CheckedVectorAt(1) = 0;
  const std::string good = stage + Body(ImageOf(SampleLog())) + state;
  struct Case {
    const char* what;
    std::string bytes;  // "" : no file
    eRecordFile status;
  } cases[] = {
      {"button stream with a run too many", stage + Body(RecordImageAt(unequal)) + state,
       eRecordFile::Damaged},
      {"a run of 0", stage + Body(RecordImageAt(zeroRun)) + state, eRecordFile::Damaged},
      {"cut in the game state", good.substr(0, good.size() - 5), eRecordFile::Damaged},
      {"current file without game state", stage + Body(ImageOf(SampleLog())), eRecordFile::Damaged},
      {"cut in the stage", stage.substr(0, stage.size() / 2), eRecordFile::Damaged},
      {"too new", WithVersion(good, 837), eRecordFile::TooNew},
      {"no file", "", eRecordFile::Missing},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    std::filesystem::remove(File());
    if (!c.bytes.empty()) WriteFileBytes(File(), c.bytes);
    Targets t;
    const std::string before = Images(t);
    EXPECT_EQ(LoadReplayStatus(File(), t.log, t.stage, t.initial, t.state), c.status);
    EXPECT_EQ(t.log.LoadReplay(File(), t.stage, t.initial, t.state), 0);
    EXPECT_EQ(Images(t), before);
  }
}

TEST_F(ReplayFileTest, SaveIntoAMissingFolderFails) {
  cStageData stage = SmallestStage();
  cInputLog log = SampleLog();
  cSaveData state = SampleState();
  const std::string path = dir_.file("missing/a.rpl4_836");
  EXPECT_EQ(log.SaveReplay(path, stage, stage, state), 0);
  EXPECT_FALSE(std::filesystem::exists(path));
}

TEST_F(ReplayFileTest, WindowThreadSavesTheChosenAttemptAndOpensAReplayForPlay) {
  g_Stage = SmallestStage();
  g_StageInitial.TakeHeaderOf(g_Stage);
  g_InputLog.Clear();
  g_InputLogPrev = SampleLog();
  g_SaveDataAtStartPrev = SampleState();
  ASSERT_EQ(SaveAttemptReplay(File(), 1), 1);

  g_Stage.m_strPath = "before";
  g_SaveData = cSaveData();
  ASSERT_EQ(OpenReplayForPlay(File()), 1);
  EXPECT_EQ(g_Stage.m_strPath, File());
  EXPECT_EQ(ImageOf(g_InputLog), ImageOf(SampleLog()));
  EXPECT_EQ(g_SaveData.m_nScore, 1234);

  // A file that is refused leaves the stage path and the globals.
  WriteFileBytes(File(), "damaged");
  g_Stage.m_strPath = "before";
  EXPECT_EQ(OpenReplayForPlay(File()), 0);
  EXPECT_EQ(g_Stage.m_strPath, "before");
  EXPECT_EQ(g_SaveData.m_nScore, 1234);
}
