#include "platform/dd/font_file_lookup.h"

#include <fontconfig/fontconfig.h>

#include <map>
#include <mutex>

namespace {

// The lookup's own configuration, given back at exit: fontconfig's shared
// default one is never freed, which the leak checks of the tests report.
class cFontconfigSession {
 public:
  cFontconfigSession() : m_config(FcInitLoadConfigAndFonts()) {}
  ~cFontconfigSession() {
    if (m_config != nullptr) FcConfigDestroy(m_config);
  }
  cFontconfigSession(const cFontconfigSession&) = delete;
  cFontconfigSession& operator=(const cFontconfigSession&) = delete;
  FcConfig* Config() const { return m_config; }

 private:
  FcConfig* m_config;
};

std::optional<cFontFile> MatchWithFontconfig(FcConfig* config, const std::string& familyUtf8) {
  if (config == nullptr) return std::nullopt;
  FcPattern* pattern = FcPatternCreate();
  if (pattern == nullptr) return std::nullopt;
  if (!familyUtf8.empty()) {
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(familyUtf8.c_str()));
  }
  FcLangSet* langs = FcLangSetCreate();
  FcLangSetAdd(langs, reinterpret_cast<const FcChar8*>("ja"));
  FcPatternAddLangSet(pattern, FC_LANG, langs);
  FcLangSetDestroy(langs);
  FcConfigSubstitute(config, pattern, FcMatchPattern);
  FcDefaultSubstitute(pattern);
  FcResult result = FcResultNoMatch;
  FcPattern* match = FcFontMatch(config, pattern, &result);
  FcPatternDestroy(pattern);
  if (match == nullptr) return std::nullopt;
  std::optional<cFontFile> file;
  FcChar8* path = nullptr;
  if (FcPatternGetString(match, FC_FILE, 0, &path) == FcResultMatch && path != nullptr) {
    int index = 0;
    if (FcPatternGetInteger(match, FC_INDEX, 0, &index) != FcResultMatch) index = 0;
    file = cFontFile{reinterpret_cast<const char*>(path), index};
  }
  FcPatternDestroy(match);
  return file;
}

}  // namespace

std::optional<cFontFile> FindFontFile(const std::string& familyUtf8) {
  // Fonts are opened on the window thread and the dialogs' text on others.
  static std::mutex lock;
  static std::map<std::string, std::optional<cFontFile>> known;
  const std::lock_guard<std::mutex> guard(lock);
  auto found = known.find(familyUtf8);
  if (found == known.end()) {
    static const cFontconfigSession session;
    found = known.emplace(familyUtf8, MatchWithFontconfig(session.Config(), familyUtf8)).first;
  }
  return found->second;
}
