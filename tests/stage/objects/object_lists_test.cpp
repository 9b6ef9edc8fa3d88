#include <gtest/gtest.h>

#include <vector>

#include "stage/objects/object_lists.h"
#include "support/stage_world.h"

class ObjectListsTest : public StageWorld {
 protected:
  template <class T>
  static T WithId(int32_t id) {
    T object;
    object.m_nId = id;
    return object;
  }
};

TEST_F(ObjectListsTest, IdsFindListElementsAndAnEraseMidWalkGoesOnWithTheNext) {
  for (int32_t id = 0; id < 5; ++id) AddChara(play_, WithId<cChara>(id));
  for (int32_t id = 0; id < 5; ++id) {
    SCOPED_TRACE(id);
    ASSERT_NE(FindCharaById(id), nullptr);
    EXPECT_EQ(FindCharaById(id), &g_CharaList.CheckedListAt(id));
  }
  std::vector<int32_t> walked;
  for (auto it = g_CharaList.begin(); it != g_CharaList.end();) {
    walked.push_back(it->m_nId);
    it = (it->m_nId == 1 || it->m_nId == 2) ? EraseChara(play_, it) : std::next(it);
  }
  EXPECT_EQ(walked, (std::vector<int32_t>{0, 1, 2, 3, 4}));
  EXPECT_EQ(g_CharaList.ListSize(), 3);
  EXPECT_EQ(FindCharaById(1), nullptr);
  EXPECT_EQ(FindCharaById(2), nullptr);
  EXPECT_EQ(FindCharaById(3), &g_CharaList.CheckedListAt(1));
  for (int32_t id : {-1, 5, 1 << 30}) EXPECT_EQ(FindCharaById(id), nullptr) << id;
}

TEST_F(ObjectListsTest, HeroesStayFindableWhenTheVectorGrowsAndShareTheCharaIds) {
  AddHero(play_, WithId<cHero>(0));
  AddChara(play_, WithId<cChara>(1));
  for (int32_t id = 2; id < 40; ++id) AddHero(play_, WithId<cHero>(id));  // reallocates
  EXPECT_EQ(FindCharaById(0), &g_Heroes.CheckedVectorAt(0));
  EXPECT_EQ(FindCharaById(39), &g_Heroes.CheckedVectorAt(38));
  EXPECT_EQ(FindCharaById(1), &g_CharaList.front());
  ClearHeroes(play_);
  EXPECT_EQ(FindCharaById(0), nullptr);
  EXPECT_EQ(FindCharaById(1), &g_CharaList.front());
}

TEST_F(ObjectListsTest, IdsFarBeyondTheDenseRangeAreFoundAndForgotten) {
  const int32_t far = 2147483647;
  cChara& added = AddChara(play_, WithId<cChara>(far));
  AddChara(play_, WithId<cChara>(3));
  EXPECT_EQ(FindCharaById(far), &added);
  EXPECT_EQ(FindCharaById(far - 1), nullptr);
  EraseChara(play_, g_CharaList.begin());
  EXPECT_EQ(FindCharaById(far), nullptr);
  EXPECT_EQ(FindCharaById(3), &g_CharaList.front());
}

TEST_F(ObjectListsTest, ACopyIsNeverRegisteredAndErasingOneLeavesTheOriginal) {
  cChara& added = AddChara(play_, WithId<cChara>(7));
  cChara copy = added;  // a temporary copy with the same id
  EXPECT_EQ(FindCharaById(7), &added);
  play_.m_CharaIds.Remove(copy.m_nId, &copy);
  EXPECT_EQ(FindCharaById(7), &added);
}

TEST_F(ObjectListsTest, ItemsAndShotsHaveTablesOfTheirOwn) {
  AddChara(play_, WithId<cChara>(0));
  cItem& item = AddItem(play_, WithId<cItem>(0));
  cShot& shot = AddShot(play_, WithId<cShot>(0));
  EXPECT_EQ(play_.FindItemById(0), &item);
  EXPECT_EQ(play_.FindShotById(0), &shot);
  EXPECT_NE(FindCharaById(0), nullptr);
  EraseItem(play_, g_ItemList.begin());
  EraseShot(play_, play_.m_ShotList.begin());
  EXPECT_EQ(play_.FindItemById(0), nullptr);
  EXPECT_EQ(play_.FindShotById(0), nullptr);
  EXPECT_NE(FindCharaById(0), nullptr);
  EXPECT_EQ(EraseShot(play_, play_.m_ShotList.end()), play_.m_ShotList.end());
}

TEST_F(ObjectListsTest, TheBuildEmptiesEveryListAndTable) {
  AddChara(play_, WithId<cChara>(0));
  AddItem(play_, WithId<cItem>(0));
  AddShot(play_, WithId<cShot>(0));
  ASSERT_TRUE(Build(cStageLayout()));
  EXPECT_TRUE(g_CharaList.empty());
  EXPECT_TRUE(g_ItemList.empty());
  EXPECT_TRUE(play_.m_ShotList.empty());
  EXPECT_EQ(FindCharaById(0), &g_Heroes.front());  // the new hero takes id 0
  EXPECT_EQ(play_.FindItemById(0), nullptr);
  EXPECT_EQ(play_.FindShotById(0), nullptr);
}
