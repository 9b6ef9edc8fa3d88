// A bad index never leaves the container: it is logged, a close is requested and
// the caller gets an element to go on with. A good index does nothing else.

#include <cstdint>
#include <limits>

#include "core/containers/checked_list.h"
#include "core/containers/checked_vector.h"
#include "bad_index_fixture.h"

namespace {

enum class Source { VectorOfFive, ListOfThree, EmptyVector };

struct AccessCase {
  const char* name;
  Source source;
  int32_t index;
  const char* line;  // nullptr: a good index, nothing logged
  int expected;      // the value handed back (0: the int fallback, untouched)
};

class CheckedAccessTest : public BadIndexFixture,
                          public ::testing::WithParamInterface<AccessCase> {
 protected:
  const int& Access(Source source, int32_t index) {
    switch (source) {
      case Source::VectorOfFive: return five_.CheckedVectorAt(index);
      case Source::ListOfThree: return three_.CheckedListAt(index);
      case Source::EmptyVector: break;
    }
    return empty_.CheckedVectorAt(index);
  }

  cVector<int> five_{10, 11, 12, 13, 14};
  cList<int> three_{20, 21, 22};
  cVector<int> empty_;
};

TEST_P(CheckedAccessTest, LogsPostsCloseAndYieldsValidElement) {
  const AccessCase& c = GetParam();
  const int& got = Access(c.source, c.index);
  EXPECT_EQ(got, c.expected);

  if (c.line == nullptr) {
    EXPECT_TRUE(ReportLines().empty());
    EXPECT_EQ(TakeCloseRequests(), 0);
    return;
  }
  if (c.source == Source::VectorOfFive) {
    EXPECT_EQ(&got, &*five_.begin());  // the first element itself, not a copy
  } else {
    EXPECT_EQ(&got, &FallbackElement<int>());
  }
  const std::vector<std::string> lines = {c.line};
  EXPECT_EQ(ReportLines(), lines);
  EXPECT_EQ(EcLines(), lines);
  EXPECT_EQ(TakeCloseRequests(), 1);
}

const AccessCase kAccessCases[] = {
    {"VectorLast", Source::VectorOfFive, 4, nullptr, 14},
    {"VectorFirst", Source::VectorOfFive, 0, nullptr, 10},
    {"VectorMinusOne", Source::VectorOfFive, -1, "err V[-1] ( 5 , 4 )", 10},
    {"VectorAtCount", Source::VectorOfFive, 5, "err V[5] ( 5 , 4 )", 10},
    {"VectorMostNegative", Source::VectorOfFive, std::numeric_limits<int32_t>::min(),
     "err V[-2147483648] ( 5 , 4 )", 10},
    {"VectorLargest", Source::VectorOfFive, std::numeric_limits<int32_t>::max(),
     "err V[2147483647] ( 5 , 4 )", 10},
    {"ListMiddle", Source::ListOfThree, 1, nullptr, 21},
    {"ListLast", Source::ListOfThree, 2, nullptr, 22},
    {"ListAtCount", Source::ListOfThree, 3, "err L[3] ( 3 , 4 )", 0},
    {"ListMinusOne", Source::ListOfThree, -1, "err L[-1] ( 3 , 4 )", 0},
    {"EmptyVectorZero", Source::EmptyVector, 0, "err V[0] ( 0 , 4 )", 0},
    {"EmptyVectorMinusOne", Source::EmptyVector, -1, "err V[-1] ( 0 , 4 )", 0},
};

INSTANTIATE_TEST_SUITE_P(Cases, CheckedAccessTest, ::testing::ValuesIn(kAccessCases),
                         [](const auto& info) { return std::string(info.param.name); });

// The line reports the element size of the instance.
struct Wide {
  int32_t a = 0;
  int16_t b = 0;
  double c = 0;
};

using CheckedAccessSizeTest = BadIndexFixture;

TEST_F(CheckedAccessSizeTest, LineCarriesElementSizeOfInstance) {
  cVector<Wide> wide(2);
  cList<const Wide*> pointers(1);
  wide.CheckedVectorAt(2);
  pointers.CheckedListAt(7);
  EXPECT_EQ(ReportLines(), (std::vector<std::string>{"err V[2] ( 2 , 16 )", "err L[7] ( 1 , 8 )"}));
  EXPECT_EQ(TakeCloseRequests(), 2);
}

// One line per bad access, even within one frame.
TEST_F(CheckedAccessSizeTest, EveryBadAccessWritesItsOwnLine) {
  const cVector<char> flags(3, 1);
  for (int32_t i = 2; i <= 4; ++i) flags.CheckedVectorAt(i);
  EXPECT_EQ(ReportLines(), (std::vector<std::string>{"err V[3] ( 3 , 1 )", "err V[4] ( 3 , 1 )"}));
  EXPECT_EQ(TakeCloseRequests(), 2);
}

}  // namespace
