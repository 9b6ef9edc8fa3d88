#pragma once
// Drives a running dialog from the test's own thread: the dialog's loop asks
// for the next step whenever nothing waits for it, and each step pushes SDL
// events or checks and acts on the dialog. A script that runs dry while the
// dialog is still open ends it (with 0) and is reported as a failure.
//
//   DialogScript script;
//   script.Type("abc");
//   script.Key(SDL_SCANCODE_RETURN);
//   EXPECT_EQ(dialog.DoModal(0), 1);

#include <SDL.h>
#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <string>

#include "platform/dd/glyph_face.h"
#include "platform/dd/box_glyph_face.h"
#include "platform/ui/dialog.h"
#include "platform/ui/main_window.h"

// Typed text is UTF-8, as SDL delivers it; narrow literals are CP932 here.
inline std::string Utf8(const char8_t* text) { return reinterpret_cast<const char*>(text); }

class DialogScript {
 public:
  // A step returns false to be asked again (waiting for something), true when done.
  using Step = std::function<bool(cDialog& dialog)>;

  DialogScript() {
    SetDialogIdleHook([this](cDialog& dialog) { return Next(dialog); });
  }
  ~DialogScript() {
    SetDialogIdleHook(nullptr);
    if (expectDry_) return;
    EXPECT_FALSE(ranDry_) << "the script ran dry with the dialog still open";
  }

  void Then(Step step) { steps_.push_back(std::move(step)); }
  void Do(std::function<void(cDialog&)> action) {
    Then([action](cDialog& dialog) {
      action(dialog);
      return true;
    });
  }
  void Push(const SDL_Event& event) {
    Do([event](cDialog&) {
      SDL_Event copy = event;
      SDL_PushEvent(&copy);
    });
  }
  void Key(SDL_Scancode scancode, Uint16 mod = KMOD_NONE) {
    SDL_Event down{};
    down.type = SDL_KEYDOWN;
    down.key.keysym.scancode = scancode;
    down.key.keysym.mod = mod;
    SDL_Event up = down;
    up.type = SDL_KEYUP;
    Push(down);
    Push(up);
  }
  // Typed text arrives one character per event, as an input method commits it.
  void Type(const std::string& utf8) {
    for (std::size_t i = 0; i < utf8.size();) {
      std::size_t n = 1;
      while (i + n < utf8.size() && (static_cast<unsigned char>(utf8[i + n]) & 0xC0) == 0x80) ++n;
      Commit(utf8.substr(i, n));
      i += n;
    }
  }
  void Commit(const std::string& utf8) {
    SDL_Event event{};
    event.type = SDL_TEXTINPUT;
    utf8.copy(event.text.text, sizeof event.text.text - 1);
    Push(event);
  }
  void Compose(const std::string& utf8) {
    SDL_Event event{};
    event.type = SDL_TEXTEDITING;
    utf8.copy(event.edit.text, sizeof event.edit.text - 1);
    Push(event);
  }
  // A click of the left button at a point of the frame, now.
  static void PushClick(int32_t x, int32_t y, int clicks = 1) {
    SDL_Event event{};
    event.type = SDL_MOUSEBUTTONDOWN;
    event.button.button = SDL_BUTTON_LEFT;
    event.button.clicks = static_cast<Uint8>(clicks);
    event.button.x = x;
    event.button.y = y;
    SDL_PushEvent(&event);
    event.type = SDL_MOUSEBUTTONUP;
    SDL_PushEvent(&event);
  }
  // A click in the middle of a control.
  void ClickItem(uint16_t id, int clicks = 1) {
    Do([id, clicks](cDialog& dialog) {
      const cDialogItem* item = dialog.GetDlgItem(id);
      ASSERT_NE(item, nullptr) << id;
      const POINT origin = dialog.ClientOrigin();
      PushClick(origin.x + (item->rect.left + item->rect.right) / 2, origin.y + (item->rect.top + item->rect.bottom) / 2,
                clicks);
    });
  }
  // The game window's close box.
  void CloseWindow() {
    SDL_Event event{};
    event.type = SDL_WINDOWEVENT;
    event.window.event = SDL_WINDOWEVENT_CLOSE;
    Push(event);
  }
  void ExpectDry() { expectDry_ = true; }
  bool RanDry() const { return ranDry_; }

 private:
  bool Next(cDialog& dialog) {
    if (steps_.empty()) {
      ranDry_ = true;
      return false;
    }
    Step step = steps_.front();
    steps_.pop_front();
    if (!step(dialog)) steps_.push_front(step);
    return true;
  }

  std::deque<Step> steps_;
  bool ranDry_ = false;
  bool expectDry_ = false;
};

// SDL under the dummy driver with the hidden main window, the test's thread as
// the window thread, and box glyphs so that sizes are known.
class DialogFixture : public testing::Test {
 protected:
  void SetUp() override {
    ResetWindowQueue();
    SetWindowThread();
    SetGlyphFaceFactory([](const char*, int32_t height) { return MakeBoxGlyphFace(height); });
    ASSERT_TRUE(g_MainWindow.Create({1, 1, 0, true})) << SDL_GetError();
    SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
  }
  void TearDown() override {
    // A test's procedure may capture its locals; the window's destruction
    // must not reach them.
    SetWindowProc(nullptr);
    g_MainWindow.Destroy();
    SetGlyphFaceFactory({});
    ResetWindowQueue();
  }
};
