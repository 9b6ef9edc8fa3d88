#pragma once
// cDatabase: the project's catalogue of media and presentation settings, ten
// lists each kept in its own file under data\database\. Everything else names
// an entry by its index in its list. Loaded once at start-up into g_Database
// and only read afterwards.

#include <cstdint>
#include <filesystem>

#include "core/containers/checked_vector.h"
#include "records/database/anime.h"
#include "records/database/anime_set.h"
#include "records/database/bgm.h"
#include "records/database/bmp_chara_exc.h"
#include "records/database/chara_effect.h"
#include "records/database/effect.h"
#include "records/database/picture.h"
#include "records/database/scr_effect.h"
#include "records/database/sound.h"
#include "records/database/sword_type.h"
#include "records/record/record.h"

class cDatabase : public cRecordOf<cDatabase> {
 public:
  // In load order.
  cVector<cAnimeSet> m_AnimeSets;
  cVector<cAnime> m_Animes;
  cVector<cBmpCharaExc> m_BmpCharaExcs;
  cVector<cSwordType> m_SwordTypes;
  cVector<cEffect> m_Effects;
  cVector<cCharaEffect> m_CharaEffects;
  cVector<cScrEffect> m_ScrEffects;
  cVector<cPicture> m_Pictures;
  cVector<cSound> m_Sounds;
  cVector<cBgm> m_Bgms;

  cDatabase() { SetDefaults(); }

  // The content before any file loads: one default anime set and sword type,
  // two default records in every other list, animes 0 and 1 named "なし" and
  // "アクションA".
  void SetDefaults();

  // Loads the ten files of data\database\ in order, from projectDir (empty: the
  // current folder, which is the program's project folder). 1 when all loaded.
  // At the first file that is missing, too new or damaged it shows the error
  // naming that file and returns 0; that list and those after it keep what they
  // held.
  int LoadFiles(const std::filesystem::path& projectDir = {});

  // Writes the ten files (the folder data\database\ must exist). 1 when all
  // were written. For the sample project and tests; the player never writes them.
  int SaveFiles(const std::filesystem::path& projectDir = {});

  // Chara effect 0 and screen effect 0 are the "none" entries: kind 0.
  void ClearFirstEffects();

 private:
  // Calls visit(path index, list, list reader) for each list in load order while
  // it returns true; true when every call did.
  template <class Visit>
  bool VisitLists(Visit&& visit);
};

extern cDatabase g_Database;
