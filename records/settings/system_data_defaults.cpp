// The settings of a new project.

#include <initializer_list>
#include <string>

#include "records/settings/system_data.h"

namespace {

template <class T>
cVector<T> ListOf(std::initializer_list<T> values) {
  return cVector<T>(values);
}

cVector<cCmd> MenuOf(std::initializer_list<const char*> labels) {
  cVector<cCmd> menu;
  for (const char* label : labels) menu.push_back(cCmd(1, label));
  return menu;
}

cVector<std::string> TextsOf(std::initializer_list<const char*> texts) {
  cVector<std::string> list;
  for (const char* text : texts) list.push_back(text);
  return list;
}

cFlagList ModeFlags(uint8_t value) {
  cFlagList list;
  list.m_bEnabled = value;
  list.m_Flags.assign(kRankingTableCount, value);
  return list;
}

void SetDefaultScalars(cSystemData& s) {
  s.m_nExtraLifeScore = 100;
  s.m_bPauseHideStage = 1;
  s.m_nFontFace = kDefaultFontFace;
  s.m_bReplay = 1;
  s.m_bTitleMenuPicture = 1;
  s.m_bStorySlotList = 1;
  s.m_bStoryKeepLives = 1;
  s.m_bContinuePrompt = 1;
  s.m_bMapShowLives = 1;
  s.m_nChallengeStages = 40;
  s.m_bChallengeAllOpen = 1;
  s.m_bMapShowScore = 1;
  s.m_bMapMenuShowTotal = 1;
  s.m_bStoryRestoreVars = 1;
  s.m_bStoryPauseRetry = 1;
  s.m_bStoryPauseMap = 1;
  s.m_bSelectShowBest = 1;
  s.m_bSelectShowTotal = 1;
  s.m_bChallengeRestoreVars = 1;
  s.m_bChallengePauseRetry = 1;
  s.m_bFreeRestoreVars = 1;
  s.m_nColourCycleStep = 16;
  s.m_nDroppedField = 0;
}

void SetDefaultLists(cSystemData& s) {
  s.m_CarryOver = ListOf<uint8_t>({1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
                                   1, 1, 0, 1, 1, 0, 1, 1, 1, 0, 0, 0});
  s.m_ResetOnDeath.assign(kCarryItemCount, 0);
  s.m_ResetOnDeath.CheckedVectorAt(11) = 1;
  s.m_ResetOnDeath.CheckedVectorAt(12) = 1;

  s.m_GaugeList = ListOf<cStatusGauge>({cStatusGauge(1, 1, "スコア", 4), cStatusGauge(1, 1, "スコア", 3),
                                        cStatusGauge(1, 1, "HP", 0), cStatusGauge(1, 1, "SP", 0),
                                        cStatusGauge(1, 1, "人", 2)});
  s.m_ModeFlagList = ListOf<cFlagList>({ModeFlags(1), ModeFlags(1), ModeFlags(1), ModeFlags(0)});

  s.m_TitleMenu = MenuOf({"はじめから", "つづきから", "チャレンジ", "フリー", "リプレイ", "オプション",
                          "しゅうりょう"});
  s.m_MapMenu = MenuOf({"セーブ", "オートセーブ", "もどる", "タイトルへ"});
  s.m_OptionMenu = MenuOf({"BGM", "SE", "ランキング登録", "ランキング登録名", "もどる", ""});
  s.m_RankingEntryModes = TextsOf({"手動登録（登録名入力）", "手動登録（登録名固定）",
                                   "自動登録（登録名入力）", "自動登録（登録名固定）"});

  s.m_StartLives = ListOf<int32_t>({5, 5, 5, 99});
  s.m_InfiniteLives = ListOf<int32_t>({1, 1, 1, 1});
  s.m_TextList = TextsOf({"ワールド", "ステージ", "スコア", "ハイスコア", "トータルスコア", "スコア",
                          "残り時間", "クリア時間", "残りHP", "残りSP", "ステージに挑む",
                          "やっぱりやめる", "セーブする", "やっぱりやめる", "オートセーブＯＮ",
                          "オートセーブＯＦＦ", "保存先が不明です！一度は「セーブ」して下さい！",
                          "タイトルへ戻る", "やっぱりやめる", "しゅうりょう", "つづける", "リトライ", "",
                          "リトライ", "マップへ戻る", "Vキーでジャンルの切り替え",
                          "スペースキーでタイトルへ戻る", "スペースキーで終了",
                          "F3キーでランキングへ登録"});
  s.m_SystemSounds.assign(kSystemSoundCount, std::string());
  s.m_MenuBgm.assign(kMenuBgmCount, 0);
  s.m_MenuBgmKeep.assign(kMenuBgmCount, 1);
  s.m_IniKeys = ListOf<cIniKey>({NumberIniKey("Direct3D", 2), NumberIniKey("WindowMode", 0),
                                 NumberIniKey("Bpp", 0), NumberIniKey("VSync", 2),
                                 NumberIniKey("D3D_FontCache", 0), NumberIniKey("DD_FontCache", 1),
                                 NumberIniKey("DD_VideoStretch", 0), NumberIniKey("ShowFps", 1),
                                 cIniKey(cIniKey::kText, "FreeStage", 0), NumberIniKey("English", 0)});
}

}  // namespace

cSystemData::cSystemData() { SetDefaults(); }

void cSystemData::SetDefaults() {
  // Everything registered to zero first: every member the defaults do not name,
  // the legacy switches among them, is 0 in a new project.
  ClearFields();
  SetDefaultScalars(*this);
  SetDefaultLists(*this);
  m_nFullScreenDepthD3D = 0;
  m_nFullScreenDepthDD = 2;
}
