#include "core/mesbox/error_mesbox.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/log/ec_log.h"
#include "core/mesbox/mesbox.h"
#include "core/text/str_format.h"

namespace {

struct Box {
  std::string text;
  std::string caption;
  unsigned type;
};

class ErrorBoxTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetWindowQueue();
    SetMesBoxAnswerer([this](const std::string& text, const std::string& caption, unsigned type) {
      boxes_.push_back({text, caption, type});
      return IDOK;
    });
  }
  void TearDown() override {
    SetMesBoxAnswerer(nullptr);
    ResetWindowQueue();
  }
  std::vector<Box> boxes_;
};

TEST_F(ErrorBoxTest, FormattedPercentSignIsShownAsItStands) {
  EXPECT_EQ(ErrMesBoxF("%d%%", 100), IDOK);
  EXPECT_EQ(ErrMesBoxF("%s", "50%d"), IDOK);
  ASSERT_EQ(boxes_.size(), 2u);
  EXPECT_EQ(boxes_[0].text, "100%");
  EXPECT_EQ(boxes_[0].caption, "エラー");
  EXPECT_EQ(boxes_[0].type, MB_OK);
  EXPECT_EQ(boxes_[1].text, "50%d");
}

TEST_F(ErrorBoxTest, ALongTextIsCutAtACharacterBoundary) {
  std::string head(kBoxTextLimit - 1, 'e');
  ErrMesBoxF("%s\x82\xA0", head.c_str());
  ErrMesBox(nullptr);
  ASSERT_EQ(boxes_.size(), 2u);
  EXPECT_EQ(boxes_[0].text, head);
  EXPECT_EQ(boxes_[1].text, "");
}

TEST_F(ErrorBoxTest, OutOfMemoryShowsTheBoxThenAsksToClose) {
  OutOfMemoryClose();
  ASSERT_EQ(boxes_.size(), 1u);
  EXPECT_EQ(boxes_[0].text, "メモリが不足しています！");
  MSG msg;
  ASSERT_TRUE(PeekMessage(&msg, g_hWnd, true));
  EXPECT_EQ(msg.message, WM_CLOSE);
  EXPECT_EQ(msg.wParam, 0u);
  EXPECT_EQ(msg.lParam, 0);
}

}  // namespace
