// Loading the ten database files: order, failures and their messages, and the
// byte layout kept through a load and a save.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "database_fixture.h"

namespace {

template <class T>
void Mark(cVector<T>& list, const std::string& tag) {
  list.clear();
  list.resize(3);
  for (int i = 0; i < 3; ++i) list.CheckedVectorAt(i).m_strName = tag + std::to_string(i);
}

// Every list differs from the defaults, in length and in names.
cDatabase MarkedDatabase() {
  cDatabase db;
  Mark(db.m_AnimeSets, "set");
  Mark(db.m_Animes, "anime");
  Mark(db.m_BmpCharaExcs, "bmp");
  Mark(db.m_SwordTypes, "sword");
  Mark(db.m_Effects, "effect");
  Mark(db.m_CharaEffects, "chara");
  Mark(db.m_ScrEffects, "screen");
  Mark(db.m_Pictures, "picture");
  Mark(db.m_Sounds, "sound");
  Mark(db.m_Bgms, "bgm");
  db.m_CharaEffects.CheckedVectorAt(0).m_nKind = 5;
  db.m_ScrEffects.CheckedVectorAt(0).m_nKind = 7;
  return db;
}

// The ten lists' images, in load order.
std::vector<std::string> ListImages(cDatabase& db) {
  return {ListBytes(db.m_AnimeSets), ListBytes(db.m_Animes),       ListBytes(db.m_BmpCharaExcs),
          ListBytes(db.m_SwordTypes), ListBytes(db.m_Effects),     ListBytes(db.m_CharaEffects),
          ListBytes(db.m_ScrEffects), ListBytes(db.m_Pictures),    ListBytes(db.m_Sounds),
          ListBytes(db.m_Bgms)};
}

std::string LoadError(int pathIndex) {
  return std::string(g_PathTable[pathIndex]) + " の読み込みに失敗しました！";
}

bool ClosePosted() {
  MSG msg;
  while (PeekMessage(&msg, g_hWnd, true)) {
    if (msg.message == WM_CLOSE) return true;
  }
  return false;
}

}  // namespace

TEST_F(DatabaseTest, LoadsTheTenFilesAndClearsTheFirstEffects) {
  cDatabase marked = MarkedDatabase();
  ASSERT_EQ(marked.SaveFiles(Project()), 1);

  cDatabase db;
  EXPECT_EQ(db.LoadFiles(Project()), 1);
  EXPECT_TRUE(boxes_.empty());
  EXPECT_EQ(db.m_CharaEffects.CheckedVectorAt(0).m_nKind, 0);
  EXPECT_EQ(db.m_ScrEffects.CheckedVectorAt(0).m_nKind, 0);
  marked.ClearFirstEffects();
  EXPECT_EQ(ListImages(db), ListImages(marked));
}

// Whichever file is missing, the files before it load, it and those after it
// keep their defaults, and one box names it.
TEST_F(DatabaseTest, MissingFileStopsTheLoadThereAndIsNamed) {
  cDatabase marked = MarkedDatabase();
  const std::vector<std::string> markedImages = ListImages(marked);
  cDatabase defaults;
  const std::vector<std::string> defaultImages = ListImages(defaults);

  for (std::size_t missing = 0; missing < std::size(kDatabaseFiles); ++missing) {
    SCOPED_TRACE(g_PathTable[kDatabaseFiles[missing]]);
    ASSERT_EQ(marked.SaveFiles(Project()), 1);
    std::filesystem::remove(FileOf(kDatabaseFiles[missing]));
    boxes_.clear();

    cDatabase db;
    EXPECT_EQ(db.LoadFiles(Project()), 0);
    EXPECT_EQ(boxes_, std::vector<std::string>{LoadError(kDatabaseFiles[missing])});
    const std::vector<std::string> images = ListImages(db);
    for (std::size_t list = 0; list < images.size(); ++list) {
      EXPECT_EQ(images[list], list < missing ? markedImages[list] : defaultImages[list])
          << "list " << list;
    }
  }
}

TEST_F(DatabaseTest, TheMessageUsesTheDataPathAsItStands) {
  cDatabase db;
  EXPECT_EQ(db.LoadFiles(Project()), 0);
  ASSERT_EQ(boxes_.size(), 1u);
  EXPECT_EQ(boxes_[0], "data\\database\\AnimeSet.dat の読み込みに失敗しました！");
}

struct BadFileCase {
  const char* name;
  std::string bytes;
  bool tooNew;
};

// A file refused as too new says so; a damaged one gets the plain message. The
// list keeps what it held either way.
TEST_F(DatabaseTest, RefusedFilesAreReportedAndLeaveTheirList) {
  cDatabase marked = MarkedDatabase();
  std::string good = ListBytes(marked.m_Effects);
  const BadFileCase cases[] = {
      {"version 837", cRecordBytes().Int32(837).Int32(0).Bytes(), true},
      {"negative version", cRecordBytes().Int32(-1).Int32(0).Bytes(), true},
      {"cut short", good.substr(0, good.size() - 3), false},
      {"huge count", cRecordBytes().Int32(836).Int32(0x7FFFFFFF).Bytes(), false},
      {"negative count", cRecordBytes().Int32(836).Int32(-1).Bytes(), false},
      {"no version", "\x01", false},
  };
  for (const BadFileCase& c : cases) {
    SCOPED_TRACE(c.name);
    ASSERT_EQ(marked.SaveFiles(Project()), 1);
    WriteFileBytes(FileOf(kPathEffect), c.bytes);
    boxes_.clear();

    cDatabase db;
    const std::string before = ListBytes(db.m_Effects);
    EXPECT_EQ(db.LoadFiles(Project()), 0);
    std::string expected = LoadError(kPathEffect);
    if (c.tooNew) expected += "\nソフトより上位のバージョンのファイルは使用できません。";
    EXPECT_EQ(boxes_, std::vector<std::string>{expected});
    EXPECT_EQ(ListBytes(db.m_Effects), before);
    EXPECT_EQ(ListBytes(db.m_SwordTypes), ListBytes(marked.m_SwordTypes));
  }
}

TEST_F(DatabaseTest, CountOfZeroLeavesTheListEmptyWithoutClosing) {
  cDatabase marked = MarkedDatabase();
  ASSERT_EQ(marked.SaveFiles(Project()), 1);
  cVector<cCharaEffect> noCharaEffects;
  cVector<cScrEffect> noScrEffects;
  cVector<cPicture> noPictures;
  WriteList(kPathCharaEffect, noCharaEffects);
  WriteList(kPathScrEffect, noScrEffects);
  WriteList(kPathPicture, noPictures);

  cDatabase db;
  EXPECT_EQ(db.LoadFiles(Project()), 1);
  EXPECT_TRUE(db.m_CharaEffects.empty());
  EXPECT_TRUE(db.m_ScrEffects.empty());
  EXPECT_TRUE(db.m_Pictures.empty());
  EXPECT_FALSE(ClosePosted());
}

// The program's own folder is the project: data paths are relative to it.
TEST_F(DatabaseTest, EmptyProjectFolderMeansTheCurrentFolder) {
  cDatabase marked = MarkedDatabase();
  ASSERT_EQ(marked.SaveFiles(Project()), 1);
  const std::filesystem::path saved = std::filesystem::current_path();
  std::filesystem::current_path(Project());
  cDatabase db;
  const int loaded = db.LoadFiles();
  std::filesystem::current_path(saved);

  EXPECT_EQ(loaded, 1);
  EXPECT_EQ(ListBytes(db.m_Bgms), ListBytes(marked.m_Bgms));
}

// Files of the current version load and save back byte for byte, every list
// with records that use every member.
TEST_F(DatabaseTest, FilesOfTheCurrentVersionRoundTripByteForByte) {
  cDatabase marked = MarkedDatabase();
  marked.ClearFirstEffects();
  cAnime& anime = marked.m_AnimeSets.CheckedVectorAt(1).m_Animes.CheckedVectorAt(3);
  anime.m_shExtra1 = -2;
  anime.m_byExtra2 = -3;
  anime.m_shExtra3 = 0x1234;
  anime.m_Frames.resize(3);
  anime.m_Frames.CheckedVectorAt(2).m_bHold = 1;
  marked.m_SwordTypes.CheckedVectorAt(2).m_Entries.resize(4);
  marked.m_SwordTypes.CheckedVectorAt(2).m_nExtra = 77;
  marked.m_Effects.CheckedVectorAt(1).m_Frames.resize(5);
  marked.m_CharaEffects.CheckedVectorAt(2).m_nParams[4] = 9;
  marked.m_BmpCharaExcs.CheckedVectorAt(1).m_bCellSize = 1;
  marked.m_Bgms.CheckedVectorAt(2).m_nVolume = 55;
  marked.m_Sounds.CheckedVectorAt(1).m_strFile = "se\\音.wav";
  ASSERT_EQ(marked.SaveFiles(Project()), 1);

  cDatabase db;
  ASSERT_EQ(db.LoadFiles(Project()), 1);
  const std::filesystem::path copy = dir_.path() / "copy";
  std::filesystem::create_directories(copy / "data" / "database");
  ASSERT_EQ(db.SaveFiles(copy), 1);
  for (int pathIndex : kDatabaseFiles) {
    SCOPED_TRACE(g_PathTable[pathIndex]);
    const std::filesystem::path relative = FileOf(pathIndex).lexically_relative(Project());
    EXPECT_EQ(ReadFileBytes(copy / relative), ReadFileBytes(FileOf(pathIndex)));
  }
}
