// The byte layout of database files, written by hand, and the default content.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "database_fixture.h"

namespace {

// Loads a hand-made file image as a list of T.
template <class T>
cVector<T> LoadImage(const std::string& bytes) {
  cRecordInFile file = OpenRecordImage(ToImage(bytes));
  cVector<T> list;
  EXPECT_TRUE(file.IsOpen());
  EXPECT_TRUE(LoadDatabaseList(file.Reader(), list));
  EXPECT_EQ(file.Reader().Remaining(), 0u);
  return list;
}

}  // namespace

TEST(DatabaseLayoutTest, AnimeFileOfTheCurrentVersion) {
  const std::string bytes = cRecordBytes()
                                .Int32(836)
                                .Int32(1)  // one anime
                                .Int32(3).Int16(-2).Int8(5).Int16(7)
                                .Int32(1).Text("歩き")
                                .Int32(2)  // two frames
                                .Int32(3).Int32(10).Int32(2).Int32(0).Int32(0)
                                .Int32(3).Int32(11).Int32(3).Int32(1).Int32(0)
                                .Bytes();
  cVector<cAnime> list = LoadImage<cAnime>(bytes);
  ASSERT_EQ(list.size(), 1u);
  const cAnime& anime = list.CheckedVectorAt(0);
  EXPECT_EQ(anime.m_strName, "歩き");
  EXPECT_EQ(anime.m_shExtra1, -2);
  EXPECT_EQ(anime.m_byExtra2, 5);
  EXPECT_EQ(anime.m_shExtra3, 7);
  ASSERT_EQ(anime.m_Frames.size(), 2u);
  EXPECT_EQ(anime.m_Frames.CheckedVectorAt(1).m_nPattern, 11);
  EXPECT_EQ(anime.m_Frames.CheckedVectorAt(1).m_nDuration, 3);
  EXPECT_EQ(anime.m_Frames.CheckedVectorAt(1).m_bHold, 1);
  EXPECT_EQ(ListBytes(list), bytes);
}

TEST(DatabaseLayoutTest, SwordTypeFileBeforeMirrorX) {
  const std::string bytes = cRecordBytes()
                                .Int32(137)
                                .Int32(1)
                                .Int32(0)  // no m_nExtra before 151
                                .Int32(3).Text("剣").Text("a.bmp").Text("")
                                .Int32(1)  // one entry of nine fields
                                .Int32(9).Int32(1).Int32(2).Int32(3).Int32(4).Int32(5)
                                .Int32(6).Int32(7).Int32(8).Int32(9)
                                .Int32(0)
                                .Bytes();
  cVector<cSwordType> list = LoadImage<cSwordType>(bytes);
  ASSERT_EQ(list.size(), 1u);
  const cSwordType& sword = list.CheckedVectorAt(0);
  EXPECT_EQ(sword.m_strFile, "a.bmp");
  ASSERT_EQ(sword.m_Entries.size(), 1u);
  const cSwordTypeEntry& entry = sword.m_Entries.CheckedVectorAt(0);
  EXPECT_EQ(entry.m_nOffsetY, 2);
  EXPECT_EQ(entry.m_bMirrorX, 1);
  EXPECT_EQ(entry.m_bMirrorY, 3);
  EXPECT_EQ(entry.m_nDuration, 9);
}

TEST(DatabaseLayoutTest, EffectAndMediaFilesOfTheCurrentVersion) {
  const std::string effect = cRecordBytes()
                                 .Int32(836).Int32(1)
                                 .Int32(4).Int32(1).Int32(48).Int32(24).Int32(1)
                                 .Int32(2).Text("爆発").Text("e.bmp")
                                 .Int32(1).Int32(2).Int32(6).Int32(4).Int32(0)
                                 .Bytes();
  const cEffect loaded = LoadImage<cEffect>(effect).CheckedVectorAt(0);
  EXPECT_EQ(loaded.m_nWidth, 48);
  EXPECT_EQ(loaded.m_nHeight, 24);
  EXPECT_EQ(loaded.m_bScaleWithHit, 1);
  EXPECT_EQ(loaded.m_Frames.CheckedVectorAt(0).m_nDuration, 4);

  const std::string bgm = cRecordBytes()
                              .Int32(836).Int32(1)
                              .Int32(2).Int32(3).Int32(80)
                              .Int32(2).Text("曲").Text("bgm\\a.ogg")
                              .Bytes();
  cVector<cBgm> bgms = LoadImage<cBgm>(bgm);
  EXPECT_EQ(bgms.CheckedVectorAt(0).m_nExtra, 3);
  EXPECT_EQ(bgms.CheckedVectorAt(0).m_nVolume, 80);
  EXPECT_EQ(bgms.CheckedVectorAt(0).m_strFile, "bgm\\a.ogg");
  EXPECT_EQ(ListBytes(bgms), bgm);

  const std::string charaEffect = cRecordBytes()
                                      .Int32(836).Int32(1)
                                      .Int32(2).Int32(3).Int32(1).Int32(2).Int32(3).Int32(4).Int32(5)
                                      .Int32(1).Text("")
                                      .Bytes();
  cVector<cCharaEffect> effects = LoadImage<cCharaEffect>(charaEffect);
  EXPECT_EQ(effects.CheckedVectorAt(0).m_nKind, 3);
  EXPECT_EQ(effects.CheckedVectorAt(0).m_nParams[4], 5);
  EXPECT_EQ(ListBytes(effects), charaEffect);
}

TEST(DatabaseLayoutTest, DefaultContent) {
  cDatabase db;
  EXPECT_EQ(db.m_AnimeSets.size(), 1u);
  EXPECT_EQ(db.m_SwordTypes.size(), 1u);
  for (std::size_t size : {db.m_Animes.size(), db.m_BmpCharaExcs.size(), db.m_Effects.size(),
                           db.m_CharaEffects.size(), db.m_ScrEffects.size(), db.m_Pictures.size(),
                           db.m_Sounds.size(), db.m_Bgms.size()}) {
    EXPECT_EQ(size, 2u);
  }
  EXPECT_EQ(db.m_Animes.CheckedVectorAt(0).m_strName, "なし");
  EXPECT_EQ(db.m_Animes.CheckedVectorAt(1).m_strName, "アクションA");

  const cAnimeSet& set = db.m_AnimeSets.CheckedVectorAt(0);
  EXPECT_EQ(set.m_nPatternAdd1, 4);
  EXPECT_EQ(set.m_nPatternAdd2, 8);
  std::vector<std::string> names;
  for (const cAnime& anime : set.m_Animes) names.push_back(anime.m_strName);
  EXPECT_EQ(names, (std::vector<std::string>{"立ち", "立ち移動", "飛行", "飛行移動"}));

  const cSwordTypeEntry& entry = db.m_SwordTypes.CheckedVectorAt(0).m_Entries.CheckedVectorAt(0);
  EXPECT_EQ(entry.m_bMirrorX, 1);
  EXPECT_EQ(entry.m_nDuration, 1);
  EXPECT_EQ(db.m_Animes.CheckedVectorAt(1).m_byExtra2, 1);
  EXPECT_EQ(db.m_Effects.CheckedVectorAt(0).m_nWidth, 32);
  EXPECT_EQ(db.m_Effects.CheckedVectorAt(0).m_Frames.CheckedVectorAt(0).m_nDuration, 1);
  EXPECT_EQ(db.m_CharaEffects.CheckedVectorAt(0).m_nKind, 1);
  EXPECT_EQ(db.m_BmpCharaExcs.CheckedVectorAt(0).m_nCellSize, 2);
  EXPECT_EQ(db.m_Bgms.CheckedVectorAt(0).m_nVolume, 100);
}

struct CellCase {
  int32_t bCellSize;
  int32_t nCellSize;
  int32_t dots;
};

// The cell a chara bitmap is cut into is never empty nor overflows.
TEST(DatabaseLayoutTest, CharaBitmapCellSizeIsClamped) {
  const CellCase cases[] = {{0, 5, 32},  {1, 2, 64},   {1, 0, 32},
                            {1, -7, 32}, {1, 0x7FFFFFFF, cBmpCharaExc::kMaxCellUnits * 32}};
  for (const CellCase& c : cases) {
    cBmpCharaExc bmp;
    bmp.m_bCellSize = c.bCellSize;
    bmp.m_nCellSize = c.nCellSize;
    EXPECT_EQ(bmp.CellDots(), c.dots) << c.bCellSize << " " << c.nCellSize;
  }
}

TEST(DatabaseLayoutTest, UnknownEffectKindsShowNothing) {
  cCharaEffect chara;
  cScrEffect screen;
  for (int32_t kind : {-1, 0, 13, 14, 16, 17}) {
    chara.m_nKind = kind;
    screen.m_nKind = kind;
    EXPECT_EQ(chara.KnownKind(cCharaEffect::kMaxKind), kind >= 0 && kind <= 16 ? kind : 0);
    EXPECT_EQ(screen.KnownKind(cScrEffect::kMaxKind), kind >= 0 && kind <= 13 ? kind : 0);
  }
}
