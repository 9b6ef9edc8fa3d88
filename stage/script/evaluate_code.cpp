#include "stage/script/evaluate_code.h"

#include <string>
#include <vector>

#include "core/containers/bad_index_report.h"
#include "core/math/random.h"
#include "records/save/save_data.h"
#include "records/settings/system_data.h"
#include "records/stage/stage_globals.h"
#include "stage/objects/chara_base.h"
#include "stage/objects/hero.h"
#include "stage/objects/object_lists.h"
#include "stage/objects/stage_play.h"
#include "stage/script/eval_keywords.h"
#include "stage/script/eval_token.h"
#include "stage/script/script_math.h"
#include "stage/services/stage_services.h"

namespace code_eval {

enum eObject : int32_t { kObjMy = 0, kObjTg = 1, kObjTg4 = 5, kObjPl = 6, kObjSys = 7 };
enum eOperator : int32_t { kOpAssign = 0, kOpAdd, kOpSub, kOpMul, kOpDiv, kOpRem };
enum eStatus : int32_t {
  kStatV8 = 7, kStatHp = 8, kStatSp, kStatMaxHp, kStatMaxSp, kStatCid, kStatZ, kStatMark, kStatSight,
  kStatPower, kStatImpact, kStatDefence, kStatImpactResist, kStatStop, kStatScore
};
enum eSystem : int32_t { kSysTime = 0, kSysScrollX, kSysScrollY, kSysScore, kSysLife };

struct cStatusRange {
  int32_t nWidth;
  int32_t nMin;
  int32_t nMax;
};

// Indexes 12..21 (the fixed ranges; variables, HP and SP are set apart).
constexpr cStatusRange kFixedStatusRanges[] = {
    {0, 0, 99},  {0, 0, 7},       {2, 0, 119}, {0, 0, 40},  {4, -999999, 999999},
    {0, -20, 20}, {4, 0, 999999}, {0, 0, 20},  {2, 0, 200}, {4, -999999, 999999}};

int32_t ReadStored(const void* lpStorage, int32_t width) {
  switch (width) {
    case 0: return *static_cast<const int8_t*>(lpStorage);
    case 2: return *static_cast<const int16_t*>(lpStorage);
    default: return *static_cast<const int32_t*>(lpStorage);
  }
}

void WriteStored(void* lpStorage, int32_t width, int32_t value) {
  switch (width) {
    case 0: *static_cast<int8_t*>(lpStorage) = static_cast<int8_t>(value); break;
    case 2: *static_cast<int16_t*>(lpStorage) = static_cast<int16_t>(value); break;
    default: *static_cast<int32_t*>(lpStorage) = value; break;
  }
}

void* StatusStorage(cCharaBase& chara, int32_t status) {
  cCharaDef& def = chara.m_Def;
  switch (status) {
    case kStatHp: return &chara.m_nHp;
    case kStatSp: return &chara.m_nSp;
    case kStatMaxHp: return &def.m_nMaxHp;
    case kStatMaxSp: return &def.m_nMaxSp;
    case kStatCid: return &def.m_nCharaId;
    case kStatZ: return &def.m_nZ;
    case kStatMark: return &def.m_nMark;
    case kStatSight: return &def.m_nSight;
    case kStatPower: return &def.m_nPower;
    case kStatImpact: return &def.m_nImpact;
    case kStatDefence: return &def.m_nDefence;
    case kStatImpactResist: return &def.m_nImpactResist;
    case kStatStop: return &def.m_nStop;
    case kStatScore: return &def.m_nScore;
    default: break;
  }
  const int32_t var = status + 1;  // v1..v8
  return var < chara.m_Vars.VectorSize() ? &chara.m_Vars.CheckedVectorAt(var) : nullptr;
}

// One evaluation: the play, the running chara and the evaluation's error flag.
class cEvaluator {
 public:
  cEvaluator(cStagePlay& play, cCharaBase* lpRunner, int32_t* lpError)
      : m_Play(play), m_lpRunner(lpRunner), m_lpError(lpError) {}

  int32_t Parens(std::string_view text);
  int32_t Flat(std::string_view text);

 private:
  int32_t Fail() {
    *m_lpError = 1;
    return 0;
  }
  int32_t FailWith(const std::string& message) {
    m_Play.Services().ShowErrorMessage(message);
    return Fail();
  }
  // Replaces the call starting at w whose "(" is at open; false after an error.
  bool RewriteCall(std::string& text, std::size_t w, std::size_t open);
  // Appends the token of a completed word; false when the evaluation ends.
  bool ReadWord(const std::string& word, int32_t object, std::vector<EVALTOKEN>& tokens);
  bool ResolveObject(int32_t object, cCharaBase*& lpChara);
  bool VariableToken(const std::string& word, EVALTOKEN& token);
  EVALTOKEN StatusToken(cCharaBase& chara, int32_t status, void* lpStorage);
  EVALTOKEN SystemToken(int32_t system);
  // The value of one operation; false after an error.
  bool Apply(const EVALTOKEN& left, const EVALTOKEN& op, const EVALTOKEN& right, std::string_view text,
             int32_t& value);
  void AfterAssignment(const EVALTOKEN& left);

  cStagePlay& m_Play;
  cCharaBase* m_lpRunner;
  int32_t* m_lpError;
};

std::size_t FindPartner(const std::string& text, std::size_t open) {
  int32_t depth = 0;
  for (std::size_t i = open + 1; i < text.size(); ++i) {
    if (text[i] == '(') {
      ++depth;
    } else if (text[i] == ')') {
      if (depth == 0) return i;
      --depth;
    }
  }
  return std::string::npos;
}

int32_t cEvaluator::Parens(std::string_view source) {
  std::string text(source.substr(0, source.find('\0')));
  std::size_t w = 0;
  std::size_t p = 0;
  while (p < text.size()) {
    const char c = text[p];
    if (c == ' ') {
      w = ++p;
      continue;
    }
    if (c != '(') {
      ++p;
      continue;
    }
    const std::size_t close = FindPartner(text, p);
    if (close == std::string::npos) return FailWith("\")\"が見つかりません！");
    if (p == w) {
      const int32_t value = Parens(std::string_view(text).substr(p + 1, close - p - 1));
      text = text.substr(0, p) + std::to_string(value) + text.substr(close + 1);
      p = w;
    } else if (FindEvalKeyword(kEvalFunctions, std::string_view(text).substr(w, p - w)) >= 0) {
      if (!RewriteCall(text, w, p)) return 0;
      p = w;
    } else {
      ++p;
    }
  }
  return Flat(text);
}

bool cEvaluator::RewriteCall(std::string& text, std::size_t w, std::size_t open) {
  std::vector<int32_t> args;
  std::string buffer;
  int32_t depth = 0;
  std::size_t end = open + 1;
  for (; end < text.size(); ++end) {
    const char c = text[end];
    if (depth == 0 && (c == ',' || c == ')')) {
      if (!buffer.empty()) args.push_back(Parens(buffer));
      buffer.clear();
      if (c == ')') break;
      continue;
    }
    if (c == '(') ++depth;
    if (c == ')') --depth;
    buffer += c;
  }
  const std::string name = text.substr(w, open - w);
  if (args.size() != 2) {
    FailWith("関数 " + name + " の引数が不正です！");
    return false;
  }
  const int32_t value = RandomRange(m_Play.m_Random, args[0], args[1]);
  text = text.substr(0, w) + std::to_string(value) + text.substr(end + 1);
  return true;
}

int32_t cEvaluator::Flat(std::string_view text) {
  std::vector<EVALTOKEN> tokens;
  std::string word;
  int32_t object = kObjMy;
  bool wordSincePrefix = false;
  for (std::size_t i = 0; i <= text.size(); ++i) {
    const char c = i < text.size() ? text[i] : '\0';
    if (c == '.') {
      const int32_t named = FindEvalKeyword(kEvalObjects, word);
      if (named >= 0) {
        object = named;
        wordSincePrefix = false;
      } else if (!wordSincePrefix) {
        return FailWith("オブジェクト \"" + word + ".\" が認識できません！");
      }
      word.clear();
    } else if (c == ' ' || c == '\0') {
      if (!word.empty()) {
        if (!ReadWord(word, object, tokens)) return 0;
        word.clear();
        object = kObjMy;
        wordSincePrefix = true;
      }
      if (c == '\0') break;
    } else {
      word += c;
    }
  }

  int32_t result = tokens.empty() ? 0 : tokens.back().nValue;
  for (int32_t level = 0; level <= 2; ++level) {
    for (std::size_t i = 0; i < tokens.size(); ++i) {
      if (tokens[i].nKind != kEvalOperator || kEvalOperatorLevels[tokens[i].nOperator] != level) continue;
      if (i == 0 || i + 1 >= tokens.size() || tokens[i - 1].nKind == kEvalOperator ||
          tokens[i + 1].nKind == kEvalOperator) {
        return Fail();
      }
      int32_t value = 0;
      if (!Apply(tokens[i - 1], tokens[i], tokens[i + 1], text, value)) return 0;
      result = value;
      const auto first = tokens.begin() + static_cast<std::ptrdiff_t>(i - 1);
      // The old reduction leaves the right operand behind the result.
      tokens.erase(first, first + (g_SystemData.m_bLegacy752 ? 2 : 3));
      tokens.insert(tokens.begin() + static_cast<std::ptrdiff_t>(i - 1), MakeValueToken(value, nullptr, kEvalLiteral));
      i = static_cast<std::size_t>(-1);  // scan this level again from the first token
    }
  }
  return result;
}

bool cEvaluator::Apply(const EVALTOKEN& left, const EVALTOKEN& op, const EVALTOKEN& right, std::string_view text,
                       int32_t& value) {
  const int32_t a = left.nValue;
  const int32_t b = right.nValue;
  switch (op.nOperator) {
    case kOpAdd: value = WrapAdd(a, b); return true;
    case kOpSub: value = WrapSub(a, b); return true;
    case kOpMul: value = WrapMul(a, b); return true;
    case kOpDiv:
    case kOpRem:
      if (b == 0) {
        FailWith("0除算が行われました！(" + std::string(text) + ")");
        return false;
      }
      value = op.nOperator == kOpDiv ? SafeDiv(a, b) : SafeRem(a, b);
      return true;
    default: break;
  }
  if (left.lpStorage == nullptr) {
    FailWith("代入先が不正です！");
    return false;
  }
  value = b;
  ClampInt(value, left.nMin, left.nMax);
  WriteStored(left.lpStorage, left.nWidth, value);
  AfterAssignment(left);
  return true;
}

void cEvaluator::AfterAssignment(const EVALTOKEN& left) {
  if (left.nKind == kEvalSystem) {
    if (left.nSystem == kSysScrollX) m_Play.m_ScrollX.SetAutoScroll(g_Stage.m_bAutoScrollX, g_Stage.m_nAutoScrollSpeedX);
    if (left.nSystem == kSysScrollY) m_Play.m_ScrollY.SetAutoScroll(g_Stage.m_bAutoScrollY, g_Stage.m_nAutoScrollSpeedY);
    return;
  }
  if (left.nKind != kEvalStatus || left.lpChara == nullptr) return;
  cCharaBase& chara = *left.lpChara;
  switch (left.nStatus) {
    case kStatHp:
      if (&chara != m_lpRunner && chara.m_nHp < 1) m_Play.m_bKill = 1;
      break;
    case kStatMaxHp: ClampInt(chara.m_nHp, 1, chara.m_Def.m_nMaxHp); break;
    case kStatMaxSp: ClampInt(chara.m_nSp, 1, chara.m_Def.m_nMaxSp); break;
    case kStatSight:
      if (chara.m_nControl == 0) {
        chara.m_nSightDots = cCharaBase::SightDots(chara.m_Def.m_nSight);
        m_Play.Services().RebuildDarkness();
      }
      break;
    default: break;
  }
}

bool cEvaluator::ResolveObject(int32_t object, cCharaBase*& lpChara) {
  if (object == kObjMy) {
    lpChara = m_lpRunner;
  } else if (object == kObjSys) {
    lpChara = nullptr;
  } else if (object == kObjPl) {
    lpChara = g_Heroes.empty() ? nullptr : &g_Heroes.CheckedVectorAt(0);
    if (lpChara == nullptr) return false;
  } else {
    const int32_t slot = object == kObjTg ? 0 : object - 2;
    if (m_lpRunner == nullptr || slot >= m_lpRunner->m_Targets.VectorSize()) return false;
    lpChara = m_Play.FindCharaById(m_lpRunner->m_Targets.CheckedVectorAt(slot));
    if (lpChara == nullptr) return false;
  }
  return true;
}

bool cEvaluator::ReadWord(const std::string& word, int32_t object, std::vector<EVALTOKEN>& tokens) {
  const int32_t op = FindEvalKeyword(kEvalOperators, word);
  if (op >= 0) {
    EVALTOKEN token;
    token.nKind = kEvalOperator;
    token.nOperator = op;
    tokens.push_back(token);
    return true;
  }
  cCharaBase* lpChara = nullptr;
  if (!ResolveObject(object, lpChara)) {
    Fail();
    return false;
  }
  EVALTOKEN token;
  if (word[0] == 'C' || word[0] == 'S') {
    if (!VariableToken(word, token)) return false;
  } else if (const int32_t status = FindEvalKeyword(kEvalStatuses, word); status >= 0) {
    void* lpStorage = lpChara != nullptr ? StatusStorage(*lpChara, status) : nullptr;
    if (lpStorage == nullptr) {  // a status of no chara
      Fail();
      return false;
    }
    token = StatusToken(*lpChara, status, lpStorage);
  } else if (const int32_t system = FindEvalKeyword(kEvalSystemValues, word); system >= 0) {
    token = SystemToken(system);
  } else {
    token = MakeValueToken(ReadLeadingInt(word), nullptr, kEvalLiteral);
  }
  tokens.push_back(token);
  return true;
}

bool cEvaluator::VariableToken(const std::string& word, EVALTOKEN& token) {
  cVector<int32_t>& vars = word[0] == 'C' ? g_SaveData.m_Vars : m_Play.m_StageVar;
  const int32_t index = ReadLeadingInt(std::string_view(word).substr(1));
  if (index < 0 || index >= vars.VectorSize()) {
    LogBadIndex(ContainerKind::Vector, index, vars.VectorSize(), static_cast<int32_t>(sizeof(int32_t)));
    Fail();
    return false;
  }
  int32_t& stored = vars.CheckedVectorAt(index);
  token = MakeValueToken(stored, &stored, kEvalVariable);
  return true;
}

EVALTOKEN cEvaluator::StatusToken(cCharaBase& chara, int32_t status, void* lpStorage) {
  EVALTOKEN token;
  token.nKind = kEvalStatus;
  token.nStatus = status;
  token.lpChara = &chara;
  token.lpStorage = lpStorage;
  if (status <= kStatV8) {
    token.nWidth = 4;
  } else if (status == kStatHp || status == kStatSp) {
    token.nWidth = 4;
    token.nMin = 0;
    token.nMax = status == kStatHp ? chara.m_Def.m_nMaxHp : chara.m_Def.m_nMaxSp;
  } else if (status == kStatMaxHp || status == kStatMaxSp) {
    token.nWidth = 4;
    token.nMin = 1;
  } else {
    const cStatusRange& range = kFixedStatusRanges[status - kStatCid];
    token.nWidth = range.nWidth;
    token.nMin = range.nMin;
    token.nMax = range.nMax;
  }
  token.nValue = ReadStored(lpStorage, token.nWidth);
  return token;
}

EVALTOKEN cEvaluator::SystemToken(int32_t system) {
  EVALTOKEN token;
  token.nKind = kEvalSystem;
  token.nSystem = system;
  switch (system) {
    case kSysTime: token.lpStorage = &m_Play.m_nRemainTime; token.nMin = 0; token.nMax = 999; break;
    case kSysScrollX: token.lpStorage = &g_Stage.m_nAutoScrollSpeedX; token.nMin = -480; token.nMax = 480; break;
    case kSysScrollY: token.lpStorage = &g_Stage.m_nAutoScrollSpeedY; token.nMin = -480; token.nMax = 480; break;
    case kSysScore: token.lpStorage = &g_SaveData.m_nScore; token.nMin = 0; token.nMax = 999999; break;
    default:
      token.lpStorage = &g_SaveData.m_nLives;
      token.nMin = 0;
      token.nMax = 99;
      if (g_SaveData.m_nLives == kInfiniteLives) {
        token.nMin = token.nMax = kInfiniteLives;
        token.nValue = g_SystemData.m_bLegacy819 ? 0 : 100;
        return token;
      }
      break;
  }
  token.nValue = ReadStored(token.lpStorage, 4);
  return token;
}

}  // namespace code_eval

int32_t EvaluateParens(cStagePlay& play, std::string_view text, cCharaBase* lpChara, int32_t* lpError) {
  return code_eval::cEvaluator(play, lpChara, lpError).Parens(text);
}

int32_t EvaluateFlat(cStagePlay& play, std::string_view text, cCharaBase* lpChara, int32_t* lpError) {
  return code_eval::cEvaluator(play, lpChara, lpError).Flat(text);
}

int32_t EvaluateCode(cStagePlay& play, std::string_view text, cCharaBase* lpChara) {
  int32_t error = 0;
  const int32_t hp = lpChara != nullptr ? lpChara->m_nHp : 0;
  const int32_t sp = lpChara != nullptr ? lpChara->m_nSp : 0;
  EvaluateParens(play, text, lpChara, &error);
  if (error != 0) return 0;
  if (lpChara != nullptr) {
    if (lpChara->m_nHp != hp) lpChara->StartHpGauge(WrapSub(lpChara->m_nHp, hp));
    if (lpChara->m_nSp != sp) lpChara->StartSpGauge(WrapSub(lpChara->m_nSp, sp));
  }
  return 1;
}
