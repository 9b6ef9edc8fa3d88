#include "platform/ui/dialog.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <climits>
#include <thread>

#include "core/mesbox/mesbox_types.h"
#include "platform/input/virtual_keys.h"
#include "platform/ui/dialog_font.h"
#include "platform/ui/edit.h"
#include "platform/ui/window_registry.h"
#include "platform/ui/dialog_script.h"

namespace {

constexpr uint16_t kNameTemplate = 9102;
constexpr uint16_t kNameLabel = 1007;
constexpr uint16_t kNameEdit = 1003;
constexpr uint16_t kNameOk = 1000;
constexpr uint16_t kNamePicture = 1075;

void RegisterNameTemplate() {
  RegisterDialogTemplate(kNameTemplate,
                         {"", WS_POPUP | DS_MODALFRAME, 110, 65, 9, "ＭＳ Ｐゴシック",
                          {{kNameLabel, eDialogItemKind::kLabel, "登録名(3文字まで)", 7, 7, 96, 10},
                           {kNameEdit, eDialogItemKind::kEdit, "", 7, 20, 96, 14, WS_BORDER | ES_AUTOHSCROLL | WS_TABSTOP},
                           {kNameOk, eDialogItemKind::kDefPushButton, "OK", 30, 42, 50, 14, WS_TABSTOP},
                           {kNamePicture, eDialogItemKind::kPicture, "", 0, 0, 10, 10}}});
}

// Keys the dialog passes to its controls, with the edit's caret at that time.
class KeyRecorder : public cControl {
 public:
  KeyRecorder() : cControl(kControlCanvas) {}
  void OnKeyDown(int32_t vk, LPARAM, bool) override {
    const cDialogItem* edit = m_lpOwner->GetDlgItem(kNameEdit);
    keys.push_back({vk, edit != nullptr ? edit->nCaret : -1});
  }
  struct Seen {
    int32_t vk;
    int32_t caret;
  };
  std::vector<Seen> keys;
};

// The ranking name entry: three characters on one line, OK the only way out.
class NameDialog : public cDialog {
 public:
  explicit NameDialog(std::string* name) : cDialog(kNameTemplate, &g_MainWindow, &g_WindowRegistry) {
    m_Edit.SetParam({kNameEdit, name, 4, 3, 1, 1});
  }
  void OnInitDialog(WPARAM wParam, LPARAM lParam) override {
    cDialog::OnInitDialog(wParam, lParam);
    m_Edit.Attach(this);
    AddControl(&m_Edit);
    m_Keys.Attach(this, kNamePicture);
    AddControl(&m_Keys);
    WriteControls();
    SetFocusItem(kNameEdit);
    SetEditSel(kNameEdit, 0, INT_MAX);
    m_bInitialized = 1;
  }
  void OnCommand(WPARAM wParam, LPARAM lParam) override {
    if (PreCommand(wParam) == 0) return;
    cDialog::OnCommand(wParam, lParam);
    commands.push_back(LOWORD(wParam));
    if (LOWORD(wParam) == kNameOk) {
      ReadControls();
      End(1);
    }
  }
  cEdit m_Edit;
  KeyRecorder m_Keys;
  std::vector<uint32_t> commands;
};

class NameDialogTest : public DialogFixture {
 protected:
  void SetUp() override {
    DialogFixture::SetUp();
    RegisterNameTemplate();
  }
  static std::string EditText(cDialog& dialog) { return dialog.GetDlgItemText(kNameEdit); }
};

TEST_F(NameDialogTest, StartsSelectedAndKeepsThreeCharactersWithTheCaret) {
  std::string name = "old";
  NameDialog dialog(&name);
  DialogScript script;
  script.Do([](cDialog& d) {
    EXPECT_EQ(d.FocusedId(), kNameEdit);
    const cEditSelection sel = d.GetDlgItem(kNameEdit)->Selection();
    EXPECT_EQ(sel.nStart, 0);
    EXPECT_EQ(sel.nEnd, 3) << "typing replaces the old name";
    EXPECT_TRUE(SDL_IsTextInputActive()) << "text input is on while the edit has the focus";
  });
  script.Type("abcd");
  script.Do([](cDialog& d) {
    EXPECT_EQ(EditText(d), "abc");
    EXPECT_EQ(d.GetDlgItem(kNameEdit)->nCaret, 3);
    EXPECT_EQ(d.GetDlgItem(kNameEdit)->nAnchor, 3);
  });
  script.Key(SDL_SCANCODE_RETURN);
  EXPECT_EQ(dialog.DoModal(0), 1);
  EXPECT_EQ(name, "abc");
  EXPECT_FALSE(dialog.IsRunning());
  EXPECT_FALSE(SDL_IsTextInputActive());
}

TEST_F(NameDialogTest, TypedJapaneseIsStoredAsCp932) {
  std::string name;
  NameDialog dialog(&name);
  DialogScript script;
  script.Type(Utf8(u8"あいう"));
  script.Type(Utf8(u8"え"));  // a fourth character is refused
  script.Key(SDL_SCANCODE_RETURN);
  EXPECT_EQ(dialog.DoModal(0), 1);
  EXPECT_EQ(name, "\x82\xa0\x82\xa2\x82\xa4");
}

TEST_F(NameDialogTest, CharactersCp932LacksAreRefused) {
  std::string name;
  NameDialog dialog(&name);
  DialogScript script;
  script.Type("a\xf0\x9f\x98\x80" "b");  // an emoji between two letters
  script.Key(SDL_SCANCODE_RETURN);
  EXPECT_EQ(dialog.DoModal(0), 1);
  EXPECT_EQ(name, "ab");
}

TEST_F(NameDialogTest, EscapeLeavesItOpenAndCloseEndsWithZeroLeavingTheString) {
  std::string name = "xyz";
  NameDialog dialog(&name);
  DialogScript script;
  script.Type("q");
  script.Key(SDL_SCANCODE_ESCAPE);
  script.Do([&](cDialog& d) {
    EXPECT_TRUE(d.IsRunning()) << "no control has IDCANCEL";
    EXPECT_EQ(dialog.commands, (std::vector<uint32_t>{kNameEdit, IDCANCEL}));
  });
  script.CloseWindow();
  EXPECT_EQ(dialog.DoModal(0), 0);
  EXPECT_EQ(name, "xyz");
}

TEST_F(NameDialogTest, ReturnWhileComposingBelongsToTheInputMethod) {
  std::string name;
  NameDialog dialog(&name);
  DialogScript script;
  script.Compose(Utf8(u8"か"));
  script.Key(SDL_SCANCODE_RETURN);
  script.Do([](cDialog& d) {
    EXPECT_TRUE(d.IsRunning()) << "OK was not pressed";
    EXPECT_TRUE(d.IsComposing());
  });
  script.Commit(Utf8(u8"か"));
  script.Do([](cDialog& d) { EXPECT_FALSE(d.IsComposing()); });
  script.Key(SDL_SCANCODE_RETURN);
  EXPECT_EQ(dialog.DoModal(0), 1);
  EXPECT_EQ(name, "\x82\xa9");
}

TEST_F(NameDialogTest, TabMovesTheFocusAndShiftTabBack) {
  std::string name;
  NameDialog dialog(&name);
  DialogScript script;
  script.Key(SDL_SCANCODE_TAB);
  script.Do([](cDialog& d) { EXPECT_EQ(d.FocusedId(), kNameOk); });
  script.Key(SDL_SCANCODE_TAB, KMOD_LSHIFT);
  script.Do([&](cDialog& d) {
    EXPECT_EQ(d.FocusedId(), kNameEdit);
    EXPECT_TRUE(dialog.m_Keys.keys.empty()) << "Tab only moves the focus";
  });
  script.Key(SDL_SCANCODE_TAB);
  script.Key(SDL_SCANCODE_SPACE);  // presses the focused button
  EXPECT_EQ(dialog.DoModal(0), 1);
}

TEST_F(NameDialogTest, NavigationKeysReachTheControlsAfterTheEdit) {
  std::string name;
  NameDialog dialog(&name);
  DialogScript script;
  script.Type("ab");
  script.Key(SDL_SCANCODE_LEFT);
  script.Key(SDL_SCANCODE_PAGEUP);
  script.Key(SDL_SCANCODE_PAGEDOWN);
  script.Key(SDL_SCANCODE_HOME);
  script.Do([&](cDialog&) {
    const auto& keys = dialog.m_Keys.keys;
    ASSERT_EQ(keys.size(), 4u);
    EXPECT_EQ(keys[0].vk, VK_LEFT);
    EXPECT_EQ(keys[0].caret, 1) << "the edit moved its caret first";
    EXPECT_EQ(keys[1].vk, VK_PRIOR);
    EXPECT_EQ(keys[2].vk, VK_NEXT);
    EXPECT_EQ(keys[3].vk, VK_HOME);
    EXPECT_EQ(keys[3].caret, 0);
  });
  script.Key(SDL_SCANCODE_RETURN);
  EXPECT_EQ(dialog.DoModal(0), 1);
}

TEST_F(NameDialogTest, EditKeysKeepCaretOnCharacterStarts) {
  std::string name;
  NameDialog dialog(&name);
  DialogScript script;
  script.Type(Utf8(u8"aあ"));
  script.Key(SDL_SCANCODE_LEFT);
  script.Do([](cDialog& d) { EXPECT_EQ(d.GetDlgItem(kNameEdit)->nCaret, 1); });
  script.Key(SDL_SCANCODE_RIGHT, KMOD_LSHIFT);
  script.Do([](cDialog& d) {
    EXPECT_EQ(d.GetDlgItem(kNameEdit)->Selection().nStart, 1);
    EXPECT_EQ(d.GetDlgItem(kNameEdit)->Selection().nEnd, 3);
  });
  script.Key(SDL_SCANCODE_BACKSPACE);
  script.Do([](cDialog& d) { EXPECT_EQ(EditText(d), "a"); });
  script.Key(SDL_SCANCODE_HOME);
  script.Key(SDL_SCANCODE_DELETE);
  script.Do([](cDialog& d) { EXPECT_EQ(EditText(d), ""); });
  script.Type("xy");
  script.Key(SDL_SCANCODE_A, KMOD_LCTRL);
  script.Key(SDL_SCANCODE_X, KMOD_LCTRL);
  script.Do([](cDialog& d) { EXPECT_EQ(EditText(d), ""); });
  script.Key(SDL_SCANCODE_V, KMOD_LCTRL);
  script.Key(SDL_SCANCODE_V, KMOD_LCTRL);
  script.Do([](cDialog& d) { EXPECT_EQ(EditText(d), "xy") << "a paste needing a second line is refused whole"; });
  script.Key(SDL_SCANCODE_RETURN);
  EXPECT_EQ(dialog.DoModal(0), 1);
  EXPECT_EQ(name, "xy");
}

TEST_F(NameDialogTest, AClickPutsTheCaretAtTheNearestCharacterStart) {
  std::string name;
  NameDialog dialog(&name);
  DialogScript script;
  script.Type("abc");
  script.Do([](cDialog& d) {
    const cDialogItem& edit = *d.GetDlgItem(kNameEdit);
    const POINT origin = d.ClientOrigin();
    const int32_t letter = d.Font()->LineHeight() / 2;  // box glyphs
    // Just before the middle of "c": the caret goes before it.
    DialogScript::PushClick(origin.x + edit.rect.left + 2 + 2 * letter + letter / 2 - 1, origin.y + edit.rect.top + 4);
  });
  script.Do([](cDialog& d) {
    EXPECT_EQ(d.GetDlgItem(kNameEdit)->nCaret, 2);
    EXPECT_EQ(d.GetDlgItem(kNameEdit)->nAnchor, 2);
  });
  script.Key(SDL_SCANCODE_RETURN);
  EXPECT_EQ(dialog.DoModal(0), 1);
}

TEST_F(NameDialogTest, DoModalWhileRunningGivesZero) {
  std::string name;
  NameDialog dialog(&name);
  DialogScript script;
  script.Do([](cDialog& d) { EXPECT_EQ(d.DoModal(0), 0); });
  script.Key(SDL_SCANCODE_RETURN);
  EXPECT_EQ(dialog.DoModal(0), 1);
}

TEST_F(NameDialogTest, AScriptThatRunsDryEndsTheDialog) {
  std::string name = "keep";
  NameDialog dialog(&name);
  DialogScript script;
  script.ExpectDry();
  EXPECT_EQ(dialog.DoModal(0), 0);
  EXPECT_TRUE(script.RanDry());
  EXPECT_EQ(name, "keep");
}

TEST_F(NameDialogTest, QuitEndsTheDialogAndStaysForTheOuterLoop) {
  std::string name;
  NameDialog dialog(&name);
  DialogScript script;
  script.Do([](cDialog&) { PostQuitMessage(5); });
  EXPECT_EQ(dialog.DoModal(0), 0);
  MSG msg;
  ASSERT_TRUE(PeekMessage(&msg, g_hWnd, false));
  EXPECT_EQ(msg.message, WM_QUIT);
  EXPECT_EQ(msg.wParam, 5u);
}

TEST_F(NameDialogTest, AWorkersSendIsServedAndPostsDispatchedDuringTheDialog) {
  std::vector<UINT> handled;
  SetWindowProc([&](HWND, UINT message, WPARAM wParam, LPARAM) {
    handled.push_back(message);
    return static_cast<LRESULT>(wParam * 2);
  });
  std::string name;
  NameDialog dialog(&name);
  std::atomic<LRESULT> sendResult{-1};
  std::thread worker;
  DialogScript script;
  script.Do([&](cDialog&) {
    worker = std::thread([&] {
      PostMessage(g_hWnd, WM_APP_BGM, 1, 0);
      sendResult = SendMessage(g_hWnd, WM_APP_PLAY_SOUND, 21, 0);
    });
  });
  script.Then([&](cDialog&) { return sendResult.load() != -1; });
  script.Key(SDL_SCANCODE_RETURN);
  EXPECT_EQ(dialog.DoModal(0), 1);
  worker.join();
  EXPECT_EQ(sendResult.load(), 42);
  // Sends are served before posts, so the order depends on when the loop looked.
  std::sort(handled.begin(), handled.end());
  EXPECT_EQ(handled, (std::vector<UINT>{WM_APP_PLAY_SOUND, WM_APP_BGM}));
}

TEST_F(NameDialogTest, DoModalFromAWorkerRunsOnTheWindowThread) {
  std::string name;
  NameDialog dialog(&name);
  DialogScript script;
  std::thread::id ranOn;
  script.Do([&](cDialog&) { ranOn = std::this_thread::get_id(); });
  script.Type("w");
  script.Key(SDL_SCANCODE_RETURN);
  std::atomic<int32_t> result{-1};
  std::thread worker([&] { result = dialog.DoModal(0); });
  WaitServingSends([&] { return result.load() != -1; });
  worker.join();
  EXPECT_EQ(result.load(), 1);
  EXPECT_EQ(ranOn, std::this_thread::get_id());
  EXPECT_EQ(name, "w");
}

TEST_F(NameDialogTest, TheLayerShowsTheFrameAndTheCaret) {
  std::string name;
  NameDialog dialog(&name);
  DialogScript script;
  script.Type("ab");
  script.Do([](cDialog& d) { d.Invalidate(); });
  script.Do([&](cDialog& d) {
    const cDialogLayer& layer = d.Layer();
    int32_t pos[2] = {};
    d.GetWindowPos(pos);
    EXPECT_EQ(layer.At(pos[0] - 1, pos[1] + 5), 0u) << "nothing outside the dialog";
    EXPECT_EQ(layer.At(pos[0], pos[1] + 5) >> 24, 0xFFu) << "the frame";
    const cDialogItem& edit = *d.GetDlgItem(kNameEdit);
    const POINT origin = d.ClientOrigin();
    // Box glyphs: a letter is half the line height wide.
    const int32_t caretX = origin.x + edit.rect.left + 2 + 2 * (d.Font()->LineHeight() / 2);
    const int32_t midY = origin.y + (edit.rect.top + edit.rect.bottom) / 2;
    EXPECT_EQ(layer.At(caretX, midY), 0xFF000000u) << "the caret";
    EXPECT_EQ(layer.At(edit.rect.right + origin.x - 4, midY), 0xFFFFFFFFu) << "the edit's background";
  });
  script.Key(SDL_SCANCODE_RETURN);
  EXPECT_EQ(dialog.DoModal(0), 1);
}

// Bound radio buttons and a check box, as the start-up dialog binds them.
class RadioBinder : public cControl {
 public:
  RadioBinder(int32_t* value, int32_t own) : cControl(kControlRadio), m_lpValue(value), m_nOwn(own) {}
  void WriteValue() override { m_lpOwner->CheckDlgButton(m_wId, *m_lpValue == m_nOwn ? 1 : 0); }
  void ReadValue() override {
    if (!m_lpOwner->IsWritingControls() && m_lpOwner->IsDlgButtonChecked(m_wId) != 0) *m_lpValue = m_nOwn;
  }
  int32_t* m_lpValue;
  int32_t m_nOwn;
};

class CheckBinder : public cControl {
 public:
  explicit CheckBinder(int32_t* value) : cControl(kControlCheckBox), m_lpValue(value) {}
  void WriteValue() override {
    m_lpOwner->CheckDlgButton(m_wId, *m_lpValue);
    ReadValue();  // does nothing while the controls are written
  }
  void ReadValue() override {
    if (!m_lpOwner->IsWritingControls()) *m_lpValue = m_lpOwner->IsDlgButtonChecked(m_wId);
  }
  int32_t* m_lpValue;
};

constexpr uint16_t kBootTemplate = 9103;

class BootDialog : public cDialog {
 public:
  BootDialog(int32_t* renderer, int32_t* noAsk)
      : cDialog(kBootTemplate, &g_MainWindow, &g_WindowRegistry), m_D3D(renderer, 1), m_DD(renderer, 0), m_NoAsk(noAsk) {}
  void OnInitDialog(WPARAM wParam, LPARAM lParam) override {
    cDialog::OnInitDialog(wParam, lParam);
    m_D3D.Attach(this, 1002);
    m_DD.Attach(this, 1003);
    m_NoAsk.Attach(this, 1004);
    for (cControl* c : std::initializer_list<cControl*>{&m_D3D, &m_DD, &m_NoAsk}) AddControl(c);
    WriteControls();
    m_bInitialized = 1;
  }
  void OnCommand(WPARAM wParam, LPARAM lParam) override {
    if (PreCommand(wParam) == 0) return;
    cDialog::OnCommand(wParam, lParam);
    if (LOWORD(wParam) == 1000) {
      ReadControls();
      End(1);
    } else if (LOWORD(wParam) == 1001) {
      End(0);
    }
  }
  RadioBinder m_D3D, m_DD;
  CheckBinder m_NoAsk;
};

TEST_F(DialogFixture, RadioAndCheckBindingsWriteAndReadTheirValues) {
  RegisterDialogTemplate(kBootTemplate,
                         {"Game", WS_POPUP | WS_CAPTION | DS_MODALFRAME, 222, 171, 9, "ＭＳ Ｐゴシック",
                          {{1000, eDialogItemKind::kDefPushButton, "ゲーム開始", 40, 150, 60, 14, WS_TABSTOP},
                           {1001, eDialogItemKind::kPushButton, "ゲーム中止", 120, 150, 60, 14, WS_TABSTOP},
                           {1006, eDialogItemKind::kGroupBox, "描画モード", 7, 7, 208, 50},
                           {1002, eDialogItemKind::kRadio, "Direct3D", 20, 20, 80, 10, WS_GROUP | WS_TABSTOP},
                           {1003, eDialogItemKind::kRadio, "DirectDraw", 20, 35, 80, 10},
                           {1004, eDialogItemKind::kCheckBox, "次回から表示しない", 7, 130, 150, 10,
                            WS_GROUP | WS_TABSTOP}}});
  int32_t renderer = 1, noAsk = 0;
  BootDialog dialog(&renderer, &noAsk);
  DialogScript script;
  script.Do([](cDialog& d) {
    EXPECT_EQ(d.IsDlgButtonChecked(1002), 1);
    EXPECT_EQ(d.IsDlgButtonChecked(1003), 0);
    EXPECT_EQ(d.IsDlgButtonChecked(1004), 0);
  });
  script.ClickItem(1003);
  script.ClickItem(1004);
  script.Do([&](cDialog& d) {
    EXPECT_EQ(d.IsDlgButtonChecked(1002), 0) << "one button of the group";
    EXPECT_EQ(d.IsDlgButtonChecked(1003), 1);
    EXPECT_EQ(d.IsDlgButtonChecked(1004), 1);
    EXPECT_EQ(renderer, 1) << "read only on Start";
  });
  script.Key(SDL_SCANCODE_ESCAPE);
  script.Do([](cDialog& d) { EXPECT_TRUE(d.IsRunning()); });
  script.Key(SDL_SCANCODE_RETURN);
  EXPECT_EQ(dialog.DoModal(0), 1);
  EXPECT_EQ(renderer, 0);
  EXPECT_EQ(noAsk, 1);

  DialogScript cancel;
  cancel.Do([](cDialog& d) {
    EXPECT_EQ(d.IsDlgButtonChecked(1003), 1) << "written from the values";
    EXPECT_EQ(d.IsDlgButtonChecked(1004), 1);
  });
  cancel.ClickItem(1001);
  EXPECT_EQ(dialog.DoModal(0), 0);
}

TEST_F(NameDialogTest, ControlsPlaceRelabelAndDisableTheirItems) {
  std::string name;
  NameDialog dialog(&name);
  DialogScript script;
  script.Do([](cDialog& d) {
    cControl label(kControlLabel);
    label.Attach(&d, kNameLabel);
    ASSERT_NE(label.m_hWnd, nullptr);
    const POINT origin = d.ClientOrigin();
    EXPECT_EQ(label.m_ptScreen.x, origin.x + label.m_hWnd->rect.left);
    EXPECT_EQ(label.m_ptRelative.x, label.m_hWnd->rect.left);
    label.SetSize(40, 12);
    EXPECT_EQ(label.m_hWnd->rect.right - label.m_hWnd->rect.left, 40);
    label.SetText("     Name");
    EXPECT_EQ(d.GetDlgItemText(kNameLabel), "     Name");
    // A read takes at most the limit and never half a character: by default
    // 4096 characters, 8191 bytes, of which the last would split "あ".
    std::string bound;
    cEdit big;
    big.Attach(&d, {kNameEdit, &bound, 0, 0, 0, 1});
    d.SetDlgItemText(kNameEdit, (std::string(8190, 'a') + "\x82\xa0" + "bbb").c_str());
    big.ReadValue();
    EXPECT_EQ(bound, std::string(8190, 'a'));
    d.SetDlgItemText(kNameEdit, "");
    cControl ok(kControlLabel);
    ok.Attach(&d, kNameOk);
    ok.Enable(false);
    EXPECT_FALSE(ok.m_hWnd->bEnabled);
  });
  script.Key(SDL_SCANCODE_TAB);
  script.Do([](cDialog& d) { EXPECT_EQ(d.FocusedId(), kNameEdit) << "a disabled button takes no focus"; });
  script.Key(SDL_SCANCODE_RETURN);
  script.Do([](cDialog& d) {
    EXPECT_TRUE(d.IsRunning()) << "a disabled default button is not pressed";
    d.EnableItem(kNameOk, true);
  });
  script.Key(SDL_SCANCODE_RETURN);
  EXPECT_EQ(dialog.DoModal(0), 1);
}

class HidingRegistryTest : public DialogFixture {};

TEST_F(HidingRegistryTest, FlagsHideAndDisableTheRegistrysWindowsForTheDialog) {
  RegisterNameTemplate();
  cWindowRegistry registry;
  cFrameRectHost otherHost;
  otherHost.Open(true);
  cWindow other(1);
  other.AttachHost(&otherHost);
  registry.AddWindow(&other);
  std::string name;
  class Registered : public NameDialog {
   public:
    Registered(std::string* n, cWindowRegistry* r) : NameDialog(n) { m_lpRegistry = r; }
  } dialog(&name, &registry);
  DialogScript script;
  script.Do([&](cDialog&) {
    EXPECT_FALSE(otherHost.IsVisible());
    EXPECT_NE(other.m_dwStyle & WS_DISABLED, 0u);
  });
  script.Key(SDL_SCANCODE_RETURN);
  EXPECT_EQ(dialog.DoModal(kModalHideWindows | kModalDisableWindows), 1);
  EXPECT_TRUE(otherHost.IsVisible());
  EXPECT_EQ(other.m_dwStyle & WS_DISABLED, 0u);
}

TEST(DialogFontTest, TheInstalledFaceGivesBaseUnitsThatFitTheLargestTemplateInTheFrame) {
  SetGlyphFaceFactory({});  // the installed fonts, through fontconfig
  const cDialogFont font("ＭＳ Ｐゴシック", 9);
  EXPECT_GE(font.BaseY(), 8);
  EXPECT_LE(font.BaseY(), 12) << "9 points at 96 dots per inch";
  EXPECT_GE(font.BaseX(), 3);
  EXPECT_LE(font.BaseX(), 12);
  // The start-up dialog's 222 x 171 units with its caption and frame.
  EXPECT_LT(222 * font.BaseX() / 4 + 2 * kDialogFrame, 640);
  EXPECT_LT(171 * font.BaseY() / 8 + kCaptionHeight + 2 * kDialogFrame, 480);
  EXPECT_GT(font.TextWidth("\x82\xa0"), font.TextWidth("a")) << "a double-byte character is wider";
}

}  // namespace
