// What each database record does with files of older data versions, at the
// boundaries where its layout or meaning changed.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "database_fixture.h"

namespace {

cVector<cSwordType> SwordTypes(int count) {
  cVector<cSwordType> list(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) list.CheckedVectorAt(i).m_strName = std::to_string(i);
  return list;
}

cVector<cAnimeSet> AnimeSetsWith(std::size_t animes) {
  cVector<cAnimeSet> list(1);
  cVector<cAnime>& set = list.CheckedVectorAt(0).m_Animes;
  set.resize(animes);
  for (std::size_t i = 0; i < animes; ++i) set.CheckedVectorAt(static_cast<int32_t>(i)).m_strName = "a" + std::to_string(i);
  return list;
}

}  // namespace

struct SwordCase {
  int32_t version;
  int count;
  int expected;
};

TEST(DatabaseVersionTest, OldSwordTypeFilesHoldAtMost128) {
  const SwordCase cases[] = {{827, 130, 128}, {828, 130, 130}, {827, 128, 128}, {827, 5, 5}};
  for (const SwordCase& c : cases) {
    SCOPED_TRACE(testing::Message() << "version " << c.version << ", " << c.count << " entries");
    cVector<cSwordType> list = SwordTypes(c.count);
    cVector<cSwordType> loaded = ReloadAt(list, c.version, LoadSwordTypeList);
    ASSERT_EQ(loaded.VectorSize(), c.expected);
    EXPECT_EQ(loaded.CheckedVectorAt(c.expected - 1).m_strName, std::to_string(c.expected - 1));
  }
}

struct AnimeSetCase {
  int32_t version;
  std::size_t animes;
  std::vector<std::string> names;
};

// Before 128 a set has exactly four animes, the last two named for flying. From
// 128 on the count is kept, but never below the four base animations.
TEST(DatabaseVersionTest, AnimeSetsGetTheirFourBaseAnimes) {
  const AnimeSetCase cases[] = {
      {120, 2, {"a0", "a1", "飛行", "飛行移動"}},
      {120, 6, {"a0", "a1", "飛行", "飛行移動"}},
      {127, 4, {"a0", "a1", "飛行", "飛行移動"}},
      {128, 6, {"a0", "a1", "a2", "a3", "a4", "a5"}},
      {128, 4, {"a0", "a1", "a2", "a3"}},
      {128, 2, {"a0", "a1", "", ""}},
      {128, 0, {"", "", "", ""}},
  };
  for (const AnimeSetCase& c : cases) {
    SCOPED_TRACE(testing::Message() << "version " << c.version << ", " << c.animes << " animes");
    cVector<cAnimeSet> list = AnimeSetsWith(c.animes);
    cVector<cAnimeSet> loaded = ReloadAt(list, c.version);
    const cVector<cAnime>& animes = loaded.CheckedVectorAt(0).m_Animes;
    std::vector<std::string> names;
    for (const cAnime& anime : animes) names.push_back(anime.m_strName);
    EXPECT_EQ(names, c.names);
    // A padded anime is a default one: one frame to play.
    for (const cAnime& anime : animes) EXPECT_EQ(anime.m_Frames.size(), 1u);
  }
}

// Saves one record holding stored in a member at a version and gives what the
// load of that file holds there.
using MemberThroughFile = std::function<int32_t(int32_t version, int32_t stored)>;

// T is the record class; the member may belong to a base class of it.
template <class T, class C, class V>
MemberThroughFile Member(V C::*member) {
  return [member](int32_t version, int32_t stored) {
    cVector<T> list(1);
    list.CheckedVectorAt(0).*member = static_cast<V>(stored);
    return static_cast<int32_t>(ReloadAt(list, version).CheckedVectorAt(0).*member);
  };
}

int32_t SwordMirrorX(int32_t version, int32_t stored) {
  cVector<cSwordType> list(1);
  list.CheckedVectorAt(0).m_Entries.CheckedVectorAt(0).m_bMirrorX = stored;
  return ReloadAt(list, version).CheckedVectorAt(0).m_Entries.CheckedVectorAt(0).m_bMirrorX;
}

struct MemberCase {
  const char* name;
  MemberThroughFile throughFile;
  int32_t version;
  int32_t stored;
  int32_t expected;
};

// Members an older file lacks keep their defaults; m_nExtra of files before 153
// is dropped although 151 and 152 store it.
TEST(DatabaseVersionTest, MembersOlderFilesLackOrMeantOtherwise) {
  const MemberCase cases[] = {
      {"bgm volume", Member<cBgm>(&cBgm::m_nVolume), 813, 40, 100},
      {"bgm volume", Member<cBgm>(&cBgm::m_nVolume), 814, 40, 40},
      {"effect extra", Member<cEffect>(&cEffect::m_nExtra), 152, 9, 0},
      {"effect extra", Member<cEffect>(&cEffect::m_nExtra), 153, 9, 9},
      {"picture extra", Member<cPicture>(&cPicture::m_nExtra), 151, 9, 0},
      {"picture extra", Member<cPicture>(&cPicture::m_nExtra), 153, 9, 9},
      {"sound extra", Member<cSound>(&cSound::m_nExtra), 152, 9, 0},
      {"bgm extra", Member<cBgm>(&cBgm::m_nExtra), 152, 9, 0},
      {"bmp extra", Member<cBmpCharaExc>(&cBmpCharaExc::m_nExtra), 152, 9, 0},
      {"bmp cell size", Member<cBmpCharaExc>(&cBmpCharaExc::m_nCellSize), 171, 5, 2},
      {"bmp cell size", Member<cBmpCharaExc>(&cBmpCharaExc::m_nCellSize), 172, 5, 5},
      {"sword extra", Member<cSwordType>(&cSwordType::m_nExtra), 152, 9, 0},
      {"sword mirror", SwordMirrorX, 137, 0, 1},
      {"sword mirror", SwordMirrorX, 138, 0, 0},
      {"anime extra 2", Member<cAnime>(&cAnime::m_byExtra2), 54, 7, 1},
      {"anime extra 2", Member<cAnime>(&cAnime::m_byExtra2), 55, 7, 7},
      {"set pattern add 3", Member<cAnimeSet>(&cAnimeSet::m_nPatternAdd3), 118, 6, 0},
      {"set pattern add 3", Member<cAnimeSet>(&cAnimeSet::m_nPatternAdd3), 119, 6, 6},
  };
  for (const MemberCase& c : cases) {
    SCOPED_TRACE(testing::Message() << c.name << " at " << c.version);
    EXPECT_EQ(c.throughFile(c.version, c.stored), c.expected);
  }
}

struct RoughnessCase {
  int32_t version;
  int32_t kind;
  int32_t param;     // the parameter set before 511
  int32_t expected;  // its value after the load (the file stores 33)
};

template <class T>
void CheckRoughness(const RoughnessCase& c) {
  SCOPED_TRACE(testing::Message() << "version " << c.version << ", kind " << c.kind);
  cVector<T> list(1);
  T& record = list.CheckedVectorAt(0);
  record.m_nKind = c.kind;
  for (int32_t& param : record.m_nParams) param = 33;
  const T loaded = ReloadAt(list, c.version).CheckedVectorAt(0);
  for (int i = 0; i < cEffectSettings::kParams; ++i) {
    EXPECT_EQ(loaded.m_nParams[i], i == c.param ? c.expected : 33) << "parameter " << i;
  }
}

TEST(DatabaseVersionTest, CharaEffectsBefore511GetTheOldRoughness) {
  const RoughnessCase cases[] = {
      {510, 4, 4, 2}, {510, 5, 4, 2}, {510, 10, 3, 2}, {511, 10, 3, 33},
      {511, 4, 4, 33}, {510, 6, -1, 0}, {510, 0, -1, 0},
  };
  for (const RoughnessCase& c : cases) CheckRoughness<cCharaEffect>(c);
}

TEST(DatabaseVersionTest, ScreenEffectsBefore511GetTheOldRoughness) {
  const RoughnessCase cases[] = {
      {510, 6, 4, 8}, {510, 7, 4, 10}, {510, 10, 3, 8}, {511, 6, 4, 33},
      {511, 10, 3, 33}, {510, 4, -1, 0},
  };
  for (const RoughnessCase& c : cases) CheckRoughness<cScrEffect>(c);
}
