// What a failed access hands back when the container has no element to give.

#include <cstdint>
#include <string>
#include <vector>

#include "core/containers/checked_list.h"
#include "core/containers/checked_vector.h"
#include "bad_index_fixture.h"

namespace {

using FallbackElementTest = BadIndexFixture;

// A plain record as a picture list holds it: all zero at start.
struct PictureRecord {
  int32_t nId;
  int16_t nWidth;
  char szName[12];
};

// A class with its own construction, as the animation players are.
class Player {
 public:
  Player() : name_("idle"), frame_(-1) {}
  Player& operator=(const Player& other) {
    frame_ = other.frame_;
    name_ = other.name_;
    return *this;
  }
  Player(const Player&) = default;
  const std::string& name() const { return name_; }
  int frame() const { return frame_; }
  void set_frame(int frame) { frame_ = frame; }

 private:
  std::string name_;
  int frame_;
};

TEST_F(FallbackElementTest, ListFallbackStartsValueInitialisedPerType) {
  cList<PictureRecord> pictures;
  const PictureRecord& picture = pictures.CheckedListAt(0);
  EXPECT_EQ(picture.nId, 0);
  EXPECT_EQ(picture.nWidth, 0);
  EXPECT_EQ(std::string(picture.szName, sizeof picture.szName), std::string(12, '\0'));

  cList<Player*> charas(2);
  EXPECT_EQ(charas.CheckedListAt(2), nullptr);

  cList<Player> players;
  EXPECT_EQ(players.CheckedListAt(-3).name(), "idle");
  EXPECT_EQ(players.CheckedListAt(-3).frame(), -1);
}

TEST_F(FallbackElementTest, WritesIntoListFallbackPersistToNextFailureOfSameType) {
  struct Marker {
    int32_t n;
  };
  cList<Marker> first;
  cList<Marker> second{{5}, {6}};
  first.CheckedListAt(0).n = 77;
  Marker& again = second.CheckedListAt(2);
  EXPECT_EQ(again.n, 77);
  EXPECT_EQ(&again, &first.CheckedListAt(1));
  // The list's own elements were not touched.
  EXPECT_EQ(second.CheckedListAt(0).n, 5);
  EXPECT_EQ(second.CheckedListAt(1).n, 6);
}

// With no first element the vector must not be read at all (the sanitizer build
// catches any touch); the caller gets a zeroed element of the type.
TEST_F(FallbackElementTest, EmptyVectorYieldsZeroedElementOutsideTheVector) {
  struct Cell {
    int32_t nBlock;
    int16_t nFlags;
    uint8_t bytes[6];
  };
  cVector<Cell> cells;
  cells.reserve(4);  // storage exists but holds no element
  Cell& cell = cells.CheckedVectorAt(0);
  EXPECT_EQ(cell.nBlock, 0);
  EXPECT_EQ(cell.nFlags, 0);
  for (uint8_t b : cell.bytes) EXPECT_EQ(b, 0);
  EXPECT_TRUE(cells.empty());
  EXPECT_EQ(ReportLines(), std::vector<std::string>{"err V[0] ( 0 , 12 )"});
}

}  // namespace
