#include "platform/ui/sdl_message_box.h"

#include <strings.h>

#include <array>
#include <atomic>
#include <cstdlib>
#include <string>

#include "core/mesbox/mesbox.h"
#include "core/text/cp932.h"
#include "platform/dd/dd_mesbox.h"
#include "platform/dd/display_state.h"

namespace {

struct BoxButton {
  int id;
  const char* label;
};

struct ButtonRow {
  std::array<BoxButton, 3> buttons;
  int count;
};

// Buttons of each box type (the low four bits), left to right.
constexpr std::array<ButtonRow, 7> kButtonRows = {{
    {{{{IDOK, "OK"}}}, 1},
    {{{{IDOK, "OK"}, {IDCANCEL, "Cancel"}}}, 2},
    {{{{IDABORT, "Abort"}, {IDRETRY, "Retry"}, {IDIGNORE, "Ignore"}}}, 3},
    {{{{IDYES, "Yes"}, {IDNO, "No"}, {IDCANCEL, "Cancel"}}}, 3},
    {{{{IDYES, "Yes"}, {IDNO, "No"}}}, 2},
    {{{{IDRETRY, "Retry"}, {IDCANCEL, "Cancel"}}}, 2},
    {{{{IDCANCEL, "Cancel"}, {IDTRYAGAIN, "Try Again"}, {IDCONTINUE, "Continue"}}}, 3},
}};

const ButtonRow& ButtonsOf(unsigned type) {
  unsigned kind = type & MB_TYPEMASK;
  return kButtonRows[kind < kButtonRows.size() ? kind : 0];
}

Uint32 IconFlags(unsigned type) {
  switch (type & MB_ICONMASK) {
    case MB_ICONERROR:
      return SDL_MESSAGEBOX_ERROR;
    case MB_ICONWARNING:
      return SDL_MESSAGEBOX_WARNING;
    case MB_ICONQUESTION:
    case MB_ICONINFORMATION:
      return SDL_MESSAGEBOX_INFORMATION;
    default:
      return 0;
  }
}

// Return presses the type's default button; Escape gives the safe answer.
std::array<SDL_MessageBoxButtonData, 3> BuildButtons(unsigned type, const ButtonRow& row) {
  std::array<SDL_MessageBoxButtonData, 3> out{};
  int defaultIndex = static_cast<int>((type & MB_DEFMASK) >> 8);
  if (defaultIndex >= row.count) defaultIndex = 0;
  for (int i = 0; i < row.count; ++i) {
    Uint32 flags = 0;
    if (i == defaultIndex) flags |= SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT;
    if (row.buttons[i].id == MesBoxSafeDefault(type)) flags |= SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT;
    out[i] = SDL_MessageBoxButtonData{flags, row.buttons[i].id, row.buttons[i].label};
  }
  return out;
}

std::atomic<SDL_Window*> g_parent{nullptr};
std::atomic<SdlShowMessageBoxFn> g_showReplacement{nullptr};

bool IsHeadlessDriver(const char* driver) {
  return driver != nullptr &&
         (strcasecmp(driver, "dummy") == 0 || strcasecmp(driver, "offscreen") == 0);
}

}  // namespace

bool SdlMessageBoxAvailable() {
  if (SDL_WasInit(SDL_INIT_VIDEO) != 0) return !IsHeadlessDriver(SDL_GetCurrentVideoDriver());
  // Before SDL video starts, SDL may still show a box on its own; only where a
  // display is named and not a headless driver.
  if (IsHeadlessDriver(std::getenv("SDL_VIDEODRIVER"))) return false;
  return std::getenv("DISPLAY") != nullptr || std::getenv("WAYLAND_DISPLAY") != nullptr;
}

void SetMesBoxParentWindow(SDL_Window* window) { g_parent = window; }

void SetSdlShowMessageBoxFunction(SdlShowMessageBoxFn fn) { g_showReplacement = fn; }

int ShowSdlMessageBox(const char* text, const char* caption, unsigned type) {
  SdlShowMessageBoxFn show = g_showReplacement.load();
  if (show == nullptr) {
    if (!SdlMessageBoxAvailable()) return kMesBoxNotShown;
    show = &SDL_ShowMessageBox;
  }
  const std::string utf8Text = Cp932ToUtf8Lossy(text != nullptr ? text : "");
  const std::string utf8Caption = Cp932ToUtf8Lossy(caption != nullptr ? caption : "");
  const ButtonRow& row = ButtonsOf(type);
  const auto buttons = BuildButtons(type, row);
  SDL_MessageBoxData data{};
  data.flags = IconFlags(type) | SDL_MESSAGEBOX_BUTTONS_LEFT_TO_RIGHT;
  data.window = g_parent.load();
  data.title = utf8Caption.c_str();
  data.message = utf8Text.c_str();
  data.numbuttons = row.count;
  data.buttons = buttons.data();
  int pressed = -1;
  if (show(&data, &pressed) != 0) return kMesBoxNotShown;
  return pressed >= 0 ? pressed : MesBoxSafeDefault(type);
}

int PresentMesBox(const char* text, const char* caption, unsigned type) {
  if (g_bDDInit.load() != 0 && g_bWindowMode.load() == 0) return DDMesBox(text, caption, type);
  return ShowSdlMessageBox(text, caption, type);
}

void InstallMesBoxPresenter() { SetMesBoxPresenter(&PresentMesBox); }
