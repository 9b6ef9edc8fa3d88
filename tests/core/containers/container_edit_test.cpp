// Assignment, insertion, erasure and release of the checked containers.

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "core/containers/checked_list.h"
#include "core/containers/checked_vector.h"
#include "bad_index_fixture.h"

namespace {

// A record-like element: its identity is its own (set when it is built, never
// copied), its value is assigned by its own assignment.
class Rec {
 public:
  Rec() : id_(++built), value_("default") {}
  explicit Rec(std::string value) : id_(++built), value_(std::move(value)) {}
  Rec(const Rec& other) : id_(++built), value_(other.value_) {}
  Rec& operator=(const Rec& other) {
    value_ = other.value_;
    return *this;
  }
  ~Rec() {
    ++destroyed;
    if (watched != nullptr) seenSize = watched->VectorSize();
  }
  int id() const { return id_; }
  const std::string& value() const { return value_; }

  static inline int built = 0;
  static inline int destroyed = 0;
  static inline const cVector<Rec>* watched = nullptr;
  static inline int32_t seenSize = -1;

 private:
  int id_;
  std::string value_;
};

template <class C>
std::vector<std::string> Values(const C& c) {
  std::vector<std::string> out;
  for (const Rec& r : c) out.push_back(r.value());
  return out;
}

template <class C>
C Make(const std::vector<std::string>& values) {
  C c;
  for (const auto& v : values) c.push_back(Rec(v));
  return c;
}

// One assignment, two containers.
void Assign(cVector<Rec>& to, const cVector<Rec>& from) { EXPECT_EQ(&to.VectorAssign(from), &to); }
void Assign(cList<Rec>& to, const cList<Rec>& from) { EXPECT_EQ(&to.ListAssign(from), &to); }

template <class C>
class ContainerAssignTest : public ::testing::Test {};
using AssignedContainers = ::testing::Types<cVector<Rec>, cList<Rec>>;
TYPED_TEST_SUITE(ContainerAssignTest, AssignedContainers);

TYPED_TEST(ContainerAssignTest, LengthAndValuesFollowSource) {
  const struct {
    std::vector<std::string> to, from;
  } cases[] = {
      {{"a", "b", "c"}, {}},
      {{}, {"a", "b", "c"}},
      {{"x", "y"}, {"a", "b", "c", "d"}},
      {{"w", "x", "y", "z"}, {"a"}},
  };
  for (const auto& c : cases) {
    TypeParam to = Make<TypeParam>(c.to);
    const TypeParam from = Make<TypeParam>(c.from);
    Assign(to, from);
    EXPECT_EQ(Values(to), c.from);
    EXPECT_EQ(Values(from), c.from);
  }
}

// Elements already there are assigned in place, keeping their identity, as a
// record that registers its own members needs.
TYPED_TEST(ContainerAssignTest, ExistingElementsAreAssignedInPlace) {
  TypeParam to = Make<TypeParam>({"x", "y"});
  std::vector<int> ids;
  for (const Rec& r : to) ids.push_back(r.id());
  const TypeParam from = Make<TypeParam>({"a", "b"});
  Assign(to, from);
  std::vector<int> after;
  for (const Rec& r : to) after.push_back(r.id());
  EXPECT_EQ(after, ids);
  EXPECT_EQ(Values(to), (std::vector<std::string>{"a", "b"}));
}

TYPED_TEST(ContainerAssignTest, AssigningToItselfChangesNothing) {
  TypeParam c = Make<TypeParam>({"a", "b", "c"});
  Assign(c, c);
  EXPECT_EQ(Values(c), (std::vector<std::string>{"a", "b", "c"}));
  TypeParam& alias = c;
  c = alias;
  EXPECT_EQ(Values(c), (std::vector<std::string>{"a", "b", "c"}));
}

// The copy assignment operator follows the same rules as the named one.
TEST(VectorAssignTest, OperatorAssignsInPlace) {
  cVector<Rec> to = Make<cVector<Rec>>({"x", "y"});
  const int id = to.CheckedVectorAt(0).id();
  const cVector<Rec> from = Make<cVector<Rec>>({"a", "b"});
  to = from;
  EXPECT_EQ(to.CheckedVectorAt(0).id(), id);
  EXPECT_EQ(Values(to), (std::vector<std::string>{"a", "b"}));
}

using VectorEditTest = BadIndexFixture;

TEST_F(VectorEditTest, InsertAtPlacesOrAppendsWithoutErrorLine) {
  const struct {
    std::vector<int> before;
    int32_t index;
    std::vector<int> after;
  } cases[] = {
      {{}, 0, {9}},
      {{}, 5, {9}},
      {{1, 2, 3}, 0, {9, 1, 2, 3}},
      {{1, 2, 3}, 2, {1, 2, 9, 3}},
      {{1, 2, 3}, 3, {1, 2, 3, 9}},
      {{1, 2, 3}, 7, {1, 2, 3, 9}},
      {{1, 2, 3}, -1, {1, 2, 3, 9}},
  };
  for (const auto& c : cases) {
    cVector<int> v(c.before.begin(), c.before.end());
    v.VectorInsertAt(c.index, 9);
    EXPECT_EQ(std::vector<int>(v.begin(), v.end()), c.after) << "index " << c.index;
  }
  EXPECT_TRUE(ReportLines().empty());
  EXPECT_EQ(TakeCloseRequests(), 0);
}

// The inserted element may be one of the vector's own, even when the insert moves
// the storage.
TEST(VectorInsertTest, InsertsCopyOfOwnElement) {
  cVector<std::string> tokens{"alpha", "beta", "gamma-with-a-long-text-on-the-heap"};
  tokens.shrink_to_fit();
  tokens.VectorInsertAt(0, tokens.CheckedVectorAt(2));
  tokens.VectorInsertAt(99, tokens.CheckedVectorAt(1));
  EXPECT_EQ(std::vector<std::string>(tokens.begin(), tokens.end()),
            (std::vector<std::string>{"gamma-with-a-long-text-on-the-heap", "alpha", "beta",
                                      "gamma-with-a-long-text-on-the-heap", "alpha"}));
}

TEST(VectorReleaseTest, ReleaseAllFreesStorageBeforeDestroyingElements) {
  cVector<Rec> v = Make<cVector<Rec>>({"a", "b", "c"});
  const int destroyedBefore = Rec::destroyed;
  Rec::watched = &v;
  Rec::seenSize = -1;
  v.VectorReleaseAll();
  Rec::watched = nullptr;
  EXPECT_EQ(Rec::destroyed - destroyedBefore, 3);
  EXPECT_EQ(Rec::seenSize, 0);
  EXPECT_EQ(v.VectorSize(), 0);
  EXPECT_EQ(v.capacity(), 0u);
}

TEST(VectorFillTest, FillSetsEveryElementEvenFromOneOfItsOwn) {
  cVector<int16_t> v{1, 2, 3, 4};
  v.FillVector(v.CheckedVectorAt(2));
  EXPECT_EQ(std::vector<int16_t>(v.begin(), v.end()), (std::vector<int16_t>{3, 3, 3, 3}));
}

using ListEditTest = BadIndexFixture;

TEST_F(ListEditTest, EraseAtRemovesOneNodeOrNothing) {
  const struct {
    int32_t index;
    std::vector<int> after;
    bool returnsEnd;
    int next;  // value at the returned position when it is not the end
  } cases[] = {
      {0, {2, 3}, false, 2},
      {1, {1, 3}, false, 3},
      {2, {1, 2}, true, 0},
      {3, {1, 2, 3}, true, 0},
      {100, {1, 2, 3}, true, 0},
      {-1, {1, 2, 3}, true, 0},
  };
  for (const auto& c : cases) {
    cList<int> list{1, 2, 3};
    auto next = list.ListEraseAt(c.index);
    EXPECT_EQ(std::vector<int>(list.begin(), list.end()), c.after) << "index " << c.index;
    EXPECT_EQ(next == list.end(), c.returnsEnd) << "index " << c.index;
    if (!c.returnsEnd) {
      EXPECT_EQ(*next, c.next);
    }
    EXPECT_EQ(list.ListSize(), static_cast<int32_t>(c.after.size()));
  }
  EXPECT_TRUE(ReportLines().empty());
  EXPECT_EQ(TakeCloseRequests(), 0);
}

TEST(ListEraseTest, EraseValueRemovesOnlyTheFirstMatch) {
  int a = 0, b = 0, c = 0;
  cList<int*> group{&a, &b, &a, &c};
  auto next = group.ListEraseValue(&a);
  EXPECT_EQ(std::vector<int*>(group.begin(), group.end()), (std::vector<int*>{&b, &a, &c}));
  EXPECT_EQ(*next, &b);

  int absent = 0;
  EXPECT_EQ(group.ListEraseValue(&absent), group.end());
  EXPECT_EQ(group.ListSize(), 3);
}

TEST(ListEraseTest, EraseByAddressDestroysThatElementOnly) {
  cList<Rec> players = Make<cList<Rec>>({"a", "b", "c"});
  const Rec* middle = &players.CheckedListAt(1);
  const int destroyedBefore = Rec::destroyed;
  auto next = players.ListEraseByAddress(middle);
  EXPECT_EQ(Rec::destroyed - destroyedBefore, 1);
  EXPECT_EQ(Values(players), (std::vector<std::string>{"a", "c"}));
  EXPECT_EQ(next->value(), "c");

  // An equal value at another address is not the element.
  const Rec lookalike("a");
  EXPECT_EQ(players.ListEraseByAddress(&lookalike), players.end());
  EXPECT_EQ(players.ListSize(), 2);
}

TEST(ListIterTest, IterAtFindsNodesFromEitherEndAndEndOutside) {
  cList<int> list{0, 1, 2, 3, 4, 5, 6};
  for (int32_t i = 0; i < 7; ++i) EXPECT_EQ(*list.ListIterAt(i), i);
  EXPECT_EQ(list.ListIterAt(7), list.end());
  EXPECT_EQ(list.ListIterAt(-1), list.end());
}

}  // namespace
