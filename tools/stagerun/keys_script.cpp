#include "tools/stagerun/keys_script.h"

#include <algorithm>
#include <charconv>
#include <sstream>

namespace keys_script {

struct cKeyName {
  const char* lpName;
  int16_t wDir;
  int16_t wButton;
};

constexpr cKeyName kKeyNames[] = {
    {"left", 1, 0},  {"right", 2, 0}, {"up", 4, 0},   {"down", 8, 0},  {"b1", 0, 1},   {"b2", 0, 2},
    {"b3", 0, 4},    {"b4", 0, 8},    {"b5", 0, 16},  {"b6", 0, 32},   {"b7", 0, 64},  {"b8", 0, 128},
};

bool ParseFrame(const std::string& text, int32_t& frame) {
  const char* end = text.data() + text.size();
  auto [rest, ec] = std::from_chars(text.data(), end, frame);
  return ec == std::errc() && rest == end;
}

}  // namespace keys_script

bool cKeysScript::Parse(std::istream& in, std::string& error) {
  m_Changes.clear();
  std::string line;
  for (int32_t number = 1; std::getline(in, line); ++number) {
    const auto fail = [&](const std::string& reason) {
      error = "keys:" + std::to_string(number) + ": " + reason;
      return false;
    };
    line = line.substr(0, line.find('#'));
    std::istringstream words(line);
    std::string frameText;
    if (!(words >> frameText)) continue;  // blank or comment only
    cKeyChange change;
    if (!keys_script::ParseFrame(frameText, change.nFrame) || change.nFrame < 1) {
      return fail("bad frame \"" + frameText + "\"");
    }
    if (!m_Changes.empty() && change.nFrame <= m_Changes.back().nFrame) {
      return fail("frame " + frameText + " does not rise above " + std::to_string(m_Changes.back().nFrame));
    }
    std::vector<std::string> seen;
    for (std::string key; words >> key;) {
      if (std::find(seen.begin(), seen.end(), key) != seen.end()) return fail("repeated key \"" + key + "\"");
      seen.push_back(key);
      if (key == "-") continue;
      const auto* name = std::find_if(std::begin(keys_script::kKeyNames), std::end(keys_script::kKeyNames),
                                      [&](const keys_script::cKeyName& k) { return key == k.lpName; });
      if (name == std::end(keys_script::kKeyNames)) return fail("unknown key \"" + key + "\"");
      change.wDir = static_cast<int16_t>(change.wDir | name->wDir);
      change.wButton = static_cast<int16_t>(change.wButton | name->wButton);
    }
    if (seen.empty()) return fail("no keys (write - for none)");
    if (seen.size() > 1 && std::find(seen.begin(), seen.end(), "-") != seen.end()) {
      return fail("\"-\" stands alone");
    }
    m_Changes.push_back(change);
  }
  return true;
}

cKeyChange cKeysScript::HeldAt(int32_t nFrame) const {
  const auto after = std::upper_bound(m_Changes.begin(), m_Changes.end(), nFrame,
                                      [](int32_t frame, const cKeyChange& change) { return frame < change.nFrame; });
  return after == m_Changes.begin() ? cKeyChange{} : *std::prev(after);
}
