// LoadStageFile: the load on thLoad from each kind of caller, what it leaves
// in g_Stage, g_StageInitial and g_HeroDef, the numbered search, the end-mark
// check by version, damaged and truncated files, a stage without a hero, and
// quit and stop requests while it waits.

#include <gtest/gtest.h>

#include <atomic>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <thread>

#include "core/path/host_path.h"
#include "core/path/path_relative.h"
#include "core/thread/thread_queue.h"
#include "records/stage/stage_file.h"
#include "stage_fixtures.h"

namespace {

const char kLoadFailed[] = "ステージファイル %s の読み込みに失敗しました！";
const char kNoHero[] = "主人公が配置されていないのでプレイできません！";

// A box's text naming the file at path, as the load names it (relative to the
// current folder).
std::string Formatted(const char* format, std::string path) {
  PathToRelativeStr(path);
  char text[1024];
  std::snprintf(text, sizeof text, format, path.c_str());
  return text;
}

// A stage unlike any other test's, as the stage in play before a load.
cStageData EarlierStage() {
  cStageData stage = SmallestStage();
  stage.m_strText = "前のステージ";
  stage.m_nWidth = 77;
  stage.m_strPath = "earlier.stg4_001";
  return stage;
}

class LoadStageFileTest : public StageTest {
 protected:
  void SetUp() override {
    StageTest::SetUp();
    g_Stage = EarlierStage();
    before_ = PlayStageImage();
  }

  bool StageUnchanged() { return PlayStageImage() == before_ && g_Stage.m_strPath == "earlier.stg4_001"; }

  std::string before_;
};

// Runs fn on a worker (as the game thread would) and waits for it.
void OnWorker(const std::function<void()>& fn) {
  cThread worker;
  ASSERT_EQ(worker.Start(fn), 1);
  worker.Wait();
}

TEST_F(LoadStageFileTest, TheSmallestStageLoadsFromEveryKindOfCaller) {
  const struct {
    const char* caller;
    std::function<int(const std::string&)> load;
  } callers[] = {
      {"plain thread", [](const std::string& path) { return LoadStageFile(path, 0, &g_StageInitial, &g_HeroDef); }},
      {"window thread",
       [](const std::string& path) {
         SetWindowThread();
         return LoadStageFile(path, 0, &g_StageInitial, &g_HeroDef);
       }},
      {"worker",
       [](const std::string& path) {
         int result = -1;
         OnWorker([&] { result = LoadStageFile(path, 0, &g_StageInitial, &g_HeroDef); });
         return result;
       }},
  };
  const std::string path = WriteStage("small.stg4_000", StageImage(SmallestStage()));
  for (const auto& caller : callers) {
    SCOPED_TRACE(caller.caller);
    g_Stage = EarlierStage();
    ASSERT_EQ(caller.load(path), 1);
    EXPECT_EQ(g_Stage.m_strText, "最小");
    EXPECT_EQ(g_Stage.m_nWidth, 20);
    EXPECT_EQ(g_Stage.m_BlockPalette.size(), 2u);
    EXPECT_EQ(g_Stage.m_CharaPalette.size(), 2u);
    EXPECT_EQ(g_Stage.m_ItemPalette.size(), 2u);
    ASSERT_EQ(g_Stage.m_PlacedCharas.size(), 1u);
    EXPECT_EQ(g_Stage.m_PlacedCharas.CheckedVectorAt(0), HeroPart());
    EXPECT_EQ(g_Stage.m_bLoaded, 1);
    EXPECT_EQ(g_Stage.m_bNumbered, 0);
    EXPECT_TRUE(std::filesystem::equivalent(ResolveDataPath(g_Stage.m_strPath), path));
    EXPECT_TRUE(boxes_.empty());
    EXPECT_FALSE(ClosePosted());
    g_hWnd->Reset();
  }
}

TEST_F(LoadStageFileTest, KeepsThePristineHeaderAndTheHeroPart) {
  cStageData stage = SmallestStage();
  stage.m_PlacedCharas.insert(stage.m_PlacedCharas.begin(), cCharaDef());  // no graphic: not the hero
  stage.m_PlacedCharas.CheckedVectorAt(1).m_nMaxHp = 42;
  stage.m_BackLayers.CheckedVectorAt(0).m_strImage = "bmp\\sky.bmp";
  stage.m_VarNames.assign(3, cVarName("変数"));
  stage.m_ResultSwitches = {1, 0, 1, 0, 1};
  stage.m_EraseAreas.CheckedVectorAt(kEraseItems).m_nTop = 4;
  stage.m_nTimeLimit = 321;
  ASSERT_EQ(LoadImage(StageImage(stage)), 1);

  EXPECT_EQ(g_HeroDef.m_nMaxHp, 42);
  EXPECT_EQ(g_HeroDef, g_Stage.m_PlacedCharas.CheckedVectorAt(1));
  EXPECT_EQ(g_StageInitial.m_strText, "最小");
  EXPECT_EQ(g_StageInitial.m_nTimeLimit, 321);
  EXPECT_EQ(g_StageInitial.m_nSubSteps, 10);
  EXPECT_EQ(g_StageInitial.m_BackLayers, g_Stage.m_BackLayers);
  EXPECT_EQ(g_StageInitial.m_VarNames, g_Stage.m_VarNames);
  EXPECT_EQ(g_StageInitial.m_ResultSwitches, g_Stage.m_ResultSwitches);
  EXPECT_EQ(g_StageInitial.m_EraseAreas.CheckedVectorAt(kEraseItems).m_nTop, 4);
  EXPECT_TRUE(g_StageInitial.m_BlockPalette.empty());
  EXPECT_TRUE(g_StageInitial.m_CharaPalette.empty());
  EXPECT_TRUE(g_StageInitial.m_ItemPalette.empty());
  EXPECT_TRUE(g_StageInitial.m_PlacedCharas.empty());
}

TEST_F(LoadStageFileTest, NumberedSearchReadsTheHighestNumber) {
  for (const char* number : {"012", "105"}) {
    cStageData stage = SmallestStage();
    stage.m_strText = number;
    WriteStage(std::string("stage.stg4_") + number, StageImage(stage));
  }
  ASSERT_EQ(LoadStageFile(dir_.file("stage.stg4_"), 1, nullptr, nullptr), 1);
  EXPECT_EQ(g_Stage.m_strText, "105");
  EXPECT_EQ(g_Stage.m_bNumbered, 1);
  EXPECT_TRUE(std::filesystem::equivalent(ResolveDataPath(g_Stage.m_strPath), dir_.file("stage.stg4_105")));

  // No numbered version: 0 and nothing else.
  g_Stage = EarlierStage();
  EXPECT_EQ(LoadStageFile(dir_.file("other.stg4_"), 1, nullptr, nullptr), 0);
  EXPECT_TRUE(boxes_.empty());
  EXPECT_TRUE(StageUnchanged());
}

TEST_F(LoadStageFileTest, EndMarkByVersion) {
  const struct {
    int32_t version;
    bool goodMark;
    int expected;
    bool corruptBox;
  } rows[] = {
      {172, true, 1, false},   // no mark at all; 4 bytes more are never read
      {173, true, 1, false},
      {173, false, 1, false},  // read, not checked
      {174, true, 1, false},
      {174, false, 0, true},
      {836, false, 0, true},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(testing::Message() << row.version << (row.goodMark ? " good" : " bad"));
    std::string image = StageImage(SmallestStage(), row.version);
    if (row.version < kStageEndMarkFrom) image += cRecordBytes().Int32(kStageEndMark).Bytes();
    if (!row.goodMark) image = WithLastInt32(image, 987654321);
    g_Stage = EarlierStage();
    boxes_.clear();
    const std::string path = WriteStage("stage.stg4_000", image);
    EXPECT_EQ(LoadStageFile(path, 0, nullptr, nullptr), row.expected);
    EXPECT_EQ(ClosePosted(), row.corruptBox);
    if (row.corruptBox) {
      ASSERT_EQ(boxes_.size(), 1u);
      EXPECT_EQ(boxes_[0], Formatted("ステージファイル %s が破損しています！", path));
      EXPECT_TRUE(StageUnchanged());
    } else {
      EXPECT_TRUE(boxes_.empty());
      EXPECT_EQ(g_Stage.m_strText, "最小");
    }
  }
}

// The last 4 bytes are the mark, but the parse does not end on them.
TEST_F(LoadStageFileTest, AMarkThatIsNotWhereTheParseEndedFails) {
  cStageData stage = SmallestStage();
  stage.m_VarNames.assign(2, cVarName("a"));
  const std::string image = StageImage(stage);
  // The variable-name count lies 4 bytes before its two names and the mark.
  const std::size_t tail = 4 + 2 * (4 + 4 + 4 + 2) + 4;
  std::string fewerNames = image;
  fewerNames[image.size() - tail] = 1;
  const std::string trailing = image + cRecordBytes().Int32(kStageEndMark).Bytes();
  for (const std::string& damaged : {fewerNames, trailing}) {
    boxes_.clear();
    const std::string path = WriteStage("stage.stg4_000", damaged);
    EXPECT_EQ(LoadStageFile(path, 0, nullptr, nullptr), 0);
    EXPECT_EQ(boxes_, std::vector<std::string>{Formatted(kLoadFailed, path)});
    EXPECT_FALSE(ClosePosted());
    EXPECT_TRUE(StageUnchanged());
  }
}

TEST_F(LoadStageFileTest, MissingAndTooNewFilesShowTheLoadFailure) {
  std::string tooNew = StageImage(SmallestStage());
  tooNew[0] = static_cast<char>(837 & 0xFF);
  tooNew[1] = static_cast<char>(837 >> 8);
  const std::string newer = WriteStage("newer.stg4_000", tooNew);
  const std::string missing = dir_.file("missing.stg4_000");
  for (const std::string& path : {newer, missing}) {
    boxes_.clear();
    EXPECT_EQ(LoadStageFile(path, 0, nullptr, nullptr), 0);
    EXPECT_EQ(boxes_, std::vector<std::string>{Formatted(kLoadFailed, path)});
    EXPECT_TRUE(StageUnchanged());
  }
}

TEST_F(LoadStageFileTest, AStageWithoutAHeroIsRefusedAndClosesTheProgram) {
  cStageData stage = SmallestStage();
  stage.m_PlacedCharas.CheckedVectorAt(0).m_nControl = cCharaDef::kControlComputer;
  const cCharaDef heroBefore = g_HeroDef;
  EXPECT_EQ(LoadImage(StageImage(stage)), 0);
  EXPECT_EQ(boxes_, std::vector<std::string>{kNoHero});
  EXPECT_TRUE(ClosePosted());
  EXPECT_TRUE(StageUnchanged());
  EXPECT_EQ(g_HeroDef, heroBefore);
}

// Every cut is refused, by the end-mark check or by the load, and leaves the
// stage in play as it was. The loader's own read is tried at every length;
// the whole LoadStageFile (a thread per load that passes the end-mark check)
// at every length of the current version and every 4th of version 173.
TEST_F(LoadStageFileTest, TruncatedFilesFailCleanlyAtEveryLength) {
  for (const int32_t version : {836, 173}) {
    const std::string image = StageImage(SmallestStage(), version);
    for (std::size_t length = 0; length < image.size(); ++length) {
      SCOPED_TRACE(testing::Message() << version << " cut at " << length);
      // A new file for each cut: rewriting one file is slow on some file systems.
      const std::string name = "cut" + std::to_string(version) + "_" + std::to_string(length) + ".stg4_000";
      const std::string path = WriteStage(name, image.substr(0, length));
      cStageData target = EarlierStage();
      ASSERT_NE(LoadStageRecordFile(path, target, CurrentValidateContext()), eRecordFile::Ok);
      ASSERT_EQ(target.m_strText, "前のステージ");
      if (version < kStageEndMarkCheckedFrom && length % 4 != 0) continue;
      boxes_.clear();
      ASSERT_EQ(LoadStageFile(path, 0, &g_StageInitial, &g_HeroDef), 0);
      ASSERT_EQ(boxes_.size(), 1u);
      ASSERT_TRUE(StageUnchanged());
      ClosePosted();
    }
  }
}

// A quit request that reaches the waiting thread stops the load; the request
// stays for the thread's own loop.
TEST_F(LoadStageFileTest, AQuitWhileWaitingStopsTheLoadAndIsKept) {
  const std::string path = WriteStage("small.stg4_000", StageImage(SmallestStage()));

  int result = -1;
  bool quitKept = false;
  std::atomic<bool> go{false};
  cThread worker;
  ASSERT_EQ(worker.Start([&] {
    while (!go) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    result = LoadStageFile(path, 0, nullptr, nullptr);
    MSG msg;
    quitKept = PeekThreadMessage(&msg, false) && msg.message == WM_QUIT;
  }), 1);
  ASSERT_TRUE(PostThreadMessage(worker.GetThreadId(), WM_QUIT, 0, 0));
  go = true;
  worker.Wait();
  EXPECT_EQ(result, 0);
  EXPECT_TRUE(quitKept);

  SetWindowThread();
  PostQuitMessage(0);
  EXPECT_EQ(LoadStageFile(path, 0, nullptr, nullptr), 0);
  MSG msg;
  EXPECT_TRUE(PeekMessage(&msg, g_hWnd, false));
  EXPECT_EQ(msg.message, WM_QUIT);

  EXPECT_TRUE(boxes_.empty());
  EXPECT_TRUE(StageUnchanged());
}

TEST_F(LoadStageFileTest, StoppedLoadsGiveNothingAndShowNothing) {
  const std::string path = WriteStage("small.stg4_000", StageImage(SmallestStage()));
  StopStageLoads();
  EXPECT_EQ(LoadStageFile(path, 0, nullptr, nullptr), 0);
  EXPECT_TRUE(boxes_.empty());
  EXPECT_TRUE(StageUnchanged());
  AllowStageLoads();
  EXPECT_EQ(LoadStageFile(path, 0, nullptr, nullptr), 1);
}

// The loader asks between parts; a stop leaves the target as it was.
TEST_F(LoadStageFileTest, TheLoaderStopsBetweenParts) {
  cStageData stage = SmallestStage();
  stage.m_PlacedBlocks.assign(5, cBlockDef());
  const std::string path = WriteStage("small.stg4_000", StageImage(stage));
  for (int32_t allowed = 0; allowed < 8; ++allowed) {
    cStageData target = EarlierStage();
    int32_t asked = 0;
    const eRecordFile status = LoadStageRecordFile(path, target, CurrentValidateContext(),
                                                   [&] { return asked++ >= allowed; });
    EXPECT_EQ(status, eRecordFile::Damaged);
    EXPECT_EQ(asked, allowed + 1);
    EXPECT_EQ(target.m_strText, "前のステージ");
  }
  cStageData target = EarlierStage();
  EXPECT_EQ(LoadStageRecordFile(path, target, CurrentValidateContext(), [] { return false; }),
            eRecordFile::Ok);
  EXPECT_EQ(target.m_PlacedBlocks.size(), 5u);
  EXPECT_EQ(target.m_strPath, "earlier.stg4_001");
}

}  // namespace
