// The sound requests: which slot reaches the window, and which numbers send nothing.

#include <optional>

#include "core/thread/sound_request.h"
#include "window_fixture.h"

namespace {

class SoundRequestTest : public WindowFixture {
 protected:
  void TearDown() override {
    SetProjectSoundCount(-1);
    WindowFixture::TearDown();
  }

  // The slot the request sent, or nothing when no message reached the window.
  std::optional<WPARAM> SentSlot() {
    auto handled = Handled();
    if (handled.empty()) return std::nullopt;
    EXPECT_EQ(handled.size(), 1u);
    EXPECT_EQ(handled[0].message, WM_APP_PLAY_SOUND);
    EXPECT_EQ(handled[0].lParam, 0);
    return handled[0].wParam;
  }
};

TEST_F(SoundRequestTest, PlaySESendsTheSystemSlot) {
  PlaySE(7);
  EXPECT_EQ(SentSlot(), std::optional<WPARAM>(7));
}

struct ProjectCase {
  int count;  // negative: not known
  int n;
  std::optional<WPARAM> slot;
};

TEST_F(SoundRequestTest, PlayProjectSESendsNumberPlusSixteenOnlyForASoundThatExists) {
  const ProjectCase cases[] = {
      {-1, 0, std::nullopt},      // no sound
      {-1, 5, 21},                //
      {-1, 1, 17},                // first sound of the database
      {-1, 0x10005, 21},          // taken as 16 bits
      {-1, 0xFFFF, std::nullopt}, // -1 as 16 bits
      {-1, -3, std::nullopt},     // a negative slot holds nothing
      {-1, 32767, 32783},         // no limit known yet
      {4, 4, 20},                 // last sound of a database of four
      {4, 5, std::nullopt},       // past the database
      {0, 1, std::nullopt},       // empty database
  };
  for (const ProjectCase& c : cases) {
    SCOPED_TRACE(::testing::Message() << "count " << c.count << " n " << c.n);
    SetUp();
    SetProjectSoundCount(c.count);
    PlayProjectSE(c.n);
    EXPECT_EQ(SentSlot(), c.slot);
  }
}

TEST_F(SoundRequestTest, PlaySEFromAWorkerReturnsOnlyAfterTheWindowHandledIt) {
  std::atomic<bool> returned{false};
  std::atomic<int> handledWhenReturned{-1};
  std::thread worker([&] {
    PlaySE(4);
    handledWhenReturned = handledCount_.load();
    returned = true;
  });
  ASSERT_TRUE(WaitUntil([&] { return returned.load(); }));
  worker.join();
  EXPECT_EQ(handledWhenReturned, 1);
  EXPECT_EQ(SentSlot(), std::optional<WPARAM>(4));
}

}  // namespace
