#include "core/mesbox/mesbox.h"

#include <atomic>
#include <cstdio>
#include <memory>
#include <mutex>

#include "core/log/report_log.h"
#include "core/text/cp932.h"
#include "core/thread/messages.h"

namespace {

std::atomic<MesBoxPresenter> g_presenter{nullptr};

std::mutex& AnswererMutex() {
  static std::mutex m;
  return m;
}

std::shared_ptr<const MesBoxAnswerer>& AnswererSlot() {
  static std::shared_ptr<const MesBoxAnswerer> slot;
  return slot;
}

std::shared_ptr<const MesBoxAnswerer> CurrentAnswerer() {
  std::lock_guard<std::mutex> lock(AnswererMutex());
  return AnswererSlot();
}

const char* OrEmpty(const char* text) { return text != nullptr ? text : ""; }

int Present(const char* text, const char* caption, unsigned type) {
  MesBoxPresenter presenter = g_presenter.load();
  if (presenter == nullptr) return kMesBoxNotShown;
  return static_cast<int>(
      CallOnWindowThread([&]() -> LRESULT { return presenter(text, caption, type); }));
}

}  // namespace

void SetMesBoxPresenter(MesBoxPresenter presenter) { g_presenter = presenter; }

void SetMesBoxAnswerer(MesBoxAnswerer answerer) {
  std::shared_ptr<const MesBoxAnswerer> slot;
  if (answerer) slot = std::make_shared<const MesBoxAnswerer>(std::move(answerer));
  std::lock_guard<std::mutex> lock(AnswererMutex());
  AnswererSlot() = std::move(slot);
}

int MesBoxNotShown(const char* text, const char* caption, unsigned type) {
  text = OrEmpty(text);
  caption = OrEmpty(caption);
  ReportLog("MesBox [%s] %s", caption, text);
  std::fprintf(stderr, "[%s] %s\n", Cp932ToUtf8Lossy(caption).c_str(),
               Cp932ToUtf8Lossy(text).c_str());
  return MesBoxSafeDefault(type);
}

int MesBox(const char* text, const char* caption, unsigned type) {
  text = OrEmpty(text);
  caption = OrEmpty(caption);
  if (auto answerer = CurrentAnswerer()) return (*answerer)(text, caption, type);
  int result = Present(text, caption, type);
  if (result == kMesBoxNotShown) return MesBoxNotShown(text, caption, type);
  return result;
}
