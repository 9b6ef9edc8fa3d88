#include "platform/dd/display_report_source.h"

#include <SDL.h>

#include "core/text/str_format.h"
#include "platform/dd/display_state.h"

namespace {

void AddVideoLines(std::vector<std::string>* lines) {
  if (SDL_WasInit(SDL_INIT_VIDEO) == 0) return;
  const char* driver = SDL_GetCurrentVideoDriver();
  lines->push_back(StrFormatLimited(kNoTextLimit, "Driver : %s", driver != nullptr ? driver : ""));
  SDL_DisplayMode mode{};
  unsigned refresh = 0;
  if (SDL_GetCurrentDisplayMode(0, &mode) == 0 && mode.refresh_rate > 0) {
    refresh = static_cast<unsigned>(mode.refresh_rate);
  }
  lines->push_back(StrFormatLimited(kNoTextLimit, "RR : %u", refresh));
}

}  // namespace

DisplayReportFacts DescribeDisplay(int /*flag: asks for format checks no renderer here has*/) {
  DisplayReportFacts facts;
  facts.windowMode = g_bWindowMode.load();
  facts.bpp = g_nBpp.load();
  AddVideoLines(&facts.extraLines);
  return facts;
}

void InstallDisplayReportSource() { SetDisplayReportSource(&DescribeDisplay); }
