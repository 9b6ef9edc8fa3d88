#include "platform/ui/file_dialog.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "core/mesbox/mesbox.h"
#include "platform/ui/confirm_exit.h"
#include "platform/ui/dialog_font.h"
#include "platform/ui/dialog_script.h"
#include "platform/ui/file_browser.h"
#include "support/temp_dir.h"

namespace {

namespace fs = std::filesystem;

constexpr const char kStageFilter[] = "StageFile ( *.stg4_*;*.rpl4_* )\0*.stg4_*;*.rpl4_*\0";
constexpr const char kReplayFilter[] = "ReplayFile ( *.rpl4_836 )\0*.rpl4_836\0";
constexpr uint16_t kBrowserEdit = 1152;
constexpr uint16_t kBrowserList = 1120;

// A test project as the current folder: stage files in mixed case, a replay,
// a text file, a folder, a name with a 0x5C trail byte in CP932 and one that
// CP932 cannot spell.
class FileDialogTest : public DialogFixture {
 protected:
  void SetUp() override {
    DialogFixture::SetUp();
    before_ = fs::current_path();
    fs::current_path(dir_.path());
    for (const char8_t* name : {u8"data/stg4/a.stg4_000", u8"data/stg4/B.STG4_001", u8"data/stg4/b.stg4_000",
                                u8"data/stg4/c.Rpl4_836", u8"data/stg4/readme.txt", u8"data/stg4/表.stg4_000",
                                u8"data/stg4/\U0001F600.stg4_000", u8"data/stg4/sub/d.stg4_002",
                                u8"user_data/rpl4/old.rpl4_836"}) {
      const fs::path path = dir_.path() / fs::path(name);
      fs::create_directories(path.parent_path());
      WriteFileBytes(path, "x");
    }
    SetMesBoxAnswerer([this](const std::string& text, const std::string& caption, unsigned type) {
      boxes.push_back(text);
      captions.push_back(caption);
      return answers.empty() ? MesBoxSafeDefault(type) : Take();
    });
  }
  void TearDown() override {
    SetMesBoxAnswerer({});
    fs::current_path(before_);
    DialogFixture::TearDown();
  }
  int Take() {
    const int answer = answers.front();
    answers.erase(answers.begin());
    return answer;
  }
  bool BoxSaid(const char* cp932) const {
    for (const std::string& box : boxes) {
      if (box.find(cp932) != std::string::npos) return true;
    }
    return false;
  }
  static std::string EditText(cDialog& d) { return d.GetDlgItemText(kBrowserEdit); }

  TempDir dir_;
  fs::path before_;
  std::vector<std::string> boxes, captions;
  std::vector<int> answers;
};

TEST_F(FileDialogTest, StageFilterListsStageAndReplayFilesInMixedCaseOnly) {
  cFileBrowser browser;
  browser.SetPatterns(SplitPatterns(FirstFilterPatterns(kStageFilter)));
  ASSERT_TRUE(browser.Open("data\\stg4\\"));
  std::vector<std::string> names;
  for (const cBrowserEntry& e : browser.Entries()) names.push_back((e.bFolder ? "/" : "") + e.name);
  EXPECT_EQ(names, (std::vector<std::string>{"/..", "/sub", "B.STG4_001", "a.stg4_000", "b.stg4_000", "c.Rpl4_836",
                                             "\x95\x5c.stg4_000"}));
  EXPECT_EQ(browser.RelativeFolder().value_or(""), "data\\stg4");
}

TEST_F(FileDialogTest, WildcardsMatchWithoutCaseAndByCharacter) {
  struct Case {
    const char* pattern;
    const char* name;
    bool match;
  } cases[] = {{"*.stg4_*", "A.STG4_001", true}, {"*.rpl4_*", "a.stg4_000", false}, {"?.txt", "\x95\x5c.txt", true},
               {"*", "", true},                  {"a*b", "ab", true},                 {"a?c", "ac", false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.pattern) + " " + c.name);
    EXPECT_EQ(MatchWildcard(c.pattern, c.name), c.match);
  }
  EXPECT_EQ(SplitPatterns(" *.a ; *.b;;"), (std::vector<std::string>{"*.a", "*.b"}));
}

TEST_F(FileDialogTest, MissingInitialFolderOpensTheProjectFolder) {
  cFileBrowser browser;
  browser.SetPatterns({"*"});
  ASSERT_TRUE(browser.Open("nowhere\\"));
  EXPECT_EQ(browser.RelativeFolder().value_or(""), ".");
  ASSERT_TRUE(browser.Enter({"data", true, false}));
  ASSERT_TRUE(browser.Enter({"..", true, true}));
  EXPECT_EQ(browser.RelativeFolder().value_or(""), ".");
  EXPECT_EQ(fs::current_path(), dir_.path()) << "the current folder never changes";
}

TEST_F(FileDialogTest, MultiSelectionGivesTheFolderAndNamesAndTheOutputList) {
  DialogScript script;
  script.Type("\"a.stg4_000\" \"b.stg4_000\"");
  script.Key(SDL_SCANCODE_RETURN);
  char buffer[260];
  std::vector<std::string> out;
  ASSERT_TRUE(OpenFileDialog(&g_MainWindow, buffer, sizeof buffer, "data\\stg4\\", "open", kStageFilter,
                             "stg4_*;rpl4_*", true, &out));
  EXPECT_EQ(out, (std::vector<std::string>{"data\\stg4\\a.stg4_000", "data\\stg4\\b.stg4_000"}));
  EXPECT_EQ(std::string(buffer, 33), std::string("data\\stg4\0a.stg4_000\0b.stg4_000\0\0", 33));
}

TEST_F(FileDialogTest, ANameWithA5CTrailByteIsChosenIntactFromTheList) {
  DialogScript script;
  script.Key(SDL_SCANCODE_TAB, KMOD_LSHIFT);  // from the name edit back to the list
  script.Key(SDL_SCANCODE_END);
  script.Do([](cDialog& d) { EXPECT_EQ(EditText(d), "\x95\x5c.stg4_000"); });
  script.Key(SDL_SCANCODE_RETURN);
  char buffer[260];
  std::vector<std::string> out;
  ASSERT_TRUE(OpenFileDialog(&g_MainWindow, buffer, sizeof buffer, "data\\stg4\\", "open", kStageFilter,
                             "stg4_*;rpl4_*", false, &out));
  EXPECT_STREQ(buffer, "data\\stg4\\\x95\x5c.stg4_000");
  EXPECT_EQ(out, std::vector<std::string>{buffer});
}

TEST_F(FileDialogTest, FoldersOpenByDoubleClickAndTheirFilesAreChosen) {
  DialogScript script;
  script.Then([](cDialog& d) {
    cDialogItem* list = d.GetDlgItem(kBrowserList);
    EXPECT_EQ(list->lines.at(1), "[sub]");
    list->nSelected = 1;
    return true;
  });
  script.Do([](cDialog& d) {
    // A double click on the second line.
    const cDialogItem* list = d.GetDlgItem(kBrowserList);
    const POINT origin = d.ClientOrigin();
    DialogScript::PushClick(origin.x + list->rect.left + 10, origin.y + list->rect.top + 2 + d.Font()->LineHeight() + 2, 2);
  });
  script.Do([](cDialog& d) { EXPECT_EQ(d.GetDlgItem(kBrowserList)->lines.size(), 2u) << "[..] and d.stg4_002"; });
  script.Key(SDL_SCANCODE_TAB);  // from the list to the name edit
  script.Type("D.STG4_002");
  script.Key(SDL_SCANCODE_RETURN);
  char buffer[260];
  ASSERT_TRUE(OpenFileDialog(&g_MainWindow, buffer, sizeof buffer, "data\\stg4\\", "open", kStageFilter, "", false,
                             nullptr));
  EXPECT_STREQ(buffer, "data\\stg4\\sub\\D.STG4_002");
}

TEST_F(FileDialogTest, TheListScrollsToKeepTheSelectedLineInView) {
  fs::create_directories(dir_.path() / "many");
  for (int i = 0; i < 40; ++i) WriteFileBytes(dir_.path() / "many" / ("f" + std::to_string(100 + i) + ".stg4_000"), "x");
  DialogScript script;
  script.Key(SDL_SCANCODE_TAB, KMOD_LSHIFT);
  script.Key(SDL_SCANCODE_END);
  script.Do([](cDialog& d) {
    const cDialogItem& list = *d.GetDlgItem(kBrowserList);
    const int32_t shown = (list.rect.bottom - list.rect.top - 4) / d.Font()->LineHeight();
    EXPECT_EQ(list.nSelected, 40) << "[..] and forty files";
    EXPECT_GT(list.nTop, 0);
    EXPECT_LT(list.nSelected, list.nTop + shown);
    EXPECT_EQ(EditText(d), "f139.stg4_000");
  });
  script.Key(SDL_SCANCODE_HOME);
  script.Do([](cDialog& d) { EXPECT_EQ(d.GetDlgItem(kBrowserList)->nTop, 0); });
  script.Key(SDL_SCANCODE_ESCAPE);
  char buffer[260];
  EXPECT_FALSE(OpenFileDialog(&g_MainWindow, buffer, sizeof buffer, "many", "open", kStageFilter, "", false, nullptr));
}

TEST_F(FileDialogTest, OpenNeedsAnExistingFileAndCancelGivesFalseAndAnEmptyBuffer) {
  DialogScript script;
  script.Type("missing.stg4_000");
  script.Key(SDL_SCANCODE_RETURN);
  script.Do([&](cDialog& d) {
    EXPECT_TRUE(d.IsRunning());
    EXPECT_TRUE(BoxSaid("ファイルが見つかりません"));
  });
  script.Key(SDL_SCANCODE_ESCAPE);
  char buffer[260] = "junk";
  EXPECT_FALSE(OpenFileDialog(&g_MainWindow, buffer, sizeof buffer, "data\\stg4\\", "open", kStageFilter, "", false,
                              nullptr));
  EXPECT_EQ(buffer[0], '\0');
}

TEST_F(FileDialogTest, APathLongerThanTheBufferIsRefusedNeverCut) {
  DialogScript script;
  script.Type("a.stg4_000");
  script.Key(SDL_SCANCODE_RETURN);
  script.Do([&](cDialog& d) {
    EXPECT_TRUE(d.IsRunning());
    EXPECT_TRUE(BoxSaid("パスが長すぎます"));
  });
  script.Key(SDL_SCANCODE_ESCAPE);
  char buffer[20];  // "data\stg4\a.stg4_000" needs 21
  std::vector<std::string> out;
  EXPECT_FALSE(OpenFileDialog(&g_MainWindow, buffer, sizeof buffer, "data\\stg4\\", "open", kStageFilter, "", false,
                              &out));
  EXPECT_TRUE(out.empty());
  EXPECT_EQ(buffer[0], '\0');
}

TEST_F(FileDialogTest, SaveKeepsTheNameAppendsTheExtensionAndAsksBeforeOverwriting) {
  DialogScript script;
  script.Do([](cDialog& d) { EXPECT_EQ(EditText(d), "old.rpl4_836") << "keep-name fills the edit"; });
  script.Key(SDL_SCANCODE_RETURN);  // exists: asked, answered No
  script.Do([&](cDialog& d) {
    EXPECT_TRUE(d.IsRunning());
    EXPECT_EQ(boxes.size(), 1u);
  });
  script.Key(SDL_SCANCODE_RETURN);  // asked again, answered Yes
  answers = {IDNO, IDYES};
  char buffer[kSaveFileBufferSize] = "user_data\\rpl4\\old.rpl4_836";
  ASSERT_TRUE(SaveFileDialog(&g_MainWindow, buffer, "user_data\\rpl4\\", "save", kReplayFilter, "rpl4_836", true));
  EXPECT_STREQ(buffer, "user_data\\rpl4\\old.rpl4_836");
  EXPECT_EQ(boxes.size(), 2u);

  DialogScript fresh;
  fresh.Do([](cDialog& d) { EXPECT_EQ(EditText(d), ""); });
  fresh.Type("run1");
  fresh.Key(SDL_SCANCODE_RETURN);
  ASSERT_TRUE(SaveFileDialog(&g_MainWindow, buffer, "user_data\\rpl4\\", "save", kReplayFilter, "rpl4_836", false));
  EXPECT_STREQ(buffer, "user_data\\rpl4\\run1.rpl4_836");
  EXPECT_EQ(boxes.size(), 2u) << "a new file is not asked about";
}

TEST_F(FileDialogTest, ACancelledSaveKeepsTheStartName) {
  DialogScript script;
  script.Key(SDL_SCANCODE_ESCAPE);
  char buffer[kSaveFileBufferSize] = "start.rpl4_836";
  EXPECT_FALSE(SaveFileDialog(&g_MainWindow, buffer, "user_data\\rpl4\\", "save", kReplayFilter, "rpl4_836", true));
  EXPECT_STREQ(buffer, "start.rpl4_836");
}

TEST_F(FileDialogTest, WildcardDefaultExtensionIsNotAppended) {
  EXPECT_EQ(ParseChosenNames("  name  "), std::vector<std::string>{"name"});
  EXPECT_EQ(ParseChosenNames("\"a b\" \"c\""), (std::vector<std::string>{"a b", "c"}));
  EXPECT_TRUE(ParseChosenNames("   ").empty());
  DialogScript script;
  script.Type("fresh");
  script.Key(SDL_SCANCODE_RETURN);
  char buffer[kSaveFileBufferSize] = {};
  ASSERT_TRUE(SaveFileDialog(&g_MainWindow, buffer, "user_data\\rpl4\\", "save", kReplayFilter, "rpl4_*", false));
  EXPECT_STREQ(buffer, "user_data\\rpl4\\fresh");
}

TEST_F(FileDialogTest, ConfirmExitIsTrueOnYesOnly) {
  answers = {IDYES, IDNO};
  EXPECT_TRUE(ConfirmExit(&g_MainWindow));
  EXPECT_FALSE(ConfirmExit(&g_MainWindow));
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[0], "終了しますか？\n");
  EXPECT_EQ(captions[0], "終了確認");
}

}  // namespace
