#include "tools/sample/data/sample_settings.h"

#include "tools/sample/sample_catalog.h"

cSystemData BuildSampleSettings() {
  cSystemData settings;
  settings.m_strTitle = kSampleTitle;
  settings.m_nChallengeStages = kSampleChallengeStages;
  // 256 colours: every picture is drawn with the program palette, and the
  // transparent colour is pixel (0, 0) of the palette picture.
  settings.m_nColourMode = 0;
  settings.m_bPaletteAnimation = 1;
  settings.m_bExtraLives = 1;
  settings.m_nExtraLifeScore = 1000;
  settings.m_StartLives = {3, 3, 3, 99};
  settings.m_InfiniteLives = {0, 0, 1, 1};
  for (int32_t i = 0; i < kSystemSoundCount; ++i) {
    settings.m_SystemSounds.CheckedVectorAt(i) = kSystemSounds[static_cast<std::size_t>(i)].lpFile;
  }
  settings.m_MenuBgm = {kBgmTitle, kBgmWorldMap, kBgmChallenge, kBgmOption};
  settings.m_MenuBgmKeep = {1, 1, 1, 1};
  return settings;
}
