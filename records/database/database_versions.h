#pragma once
// The data versions at which the layout or the meaning of a database record
// changed. A member registered "from" a version is stored by files of that
// version and later; a migration "below" a version runs for older files.

#include <cstdint>

inline constexpr int32_t kVersionAnimeExtras = 55;       // cAnime's three pass-through members
inline constexpr int32_t kVersionPatternAdd3 = 119;      // cAnimeSet::m_nPatternAdd3
inline constexpr int32_t kVersionFourBaseAnimes = 128;   // older anime sets are cut or padded to 4
inline constexpr int32_t kVersionSwordMirrorX = 138;     // cSwordTypeEntry::m_bMirrorX
inline constexpr int32_t kVersionExtra = 151;            // m_nExtra of most records
inline constexpr int32_t kVersionBmpExtra = 152;         // cBmpCharaExc::m_nExtra
inline constexpr int32_t kVersionExtraKept = 153;        // older files' m_nExtra is dropped
inline constexpr int32_t kVersionCellSize = 172;         // cBmpCharaExc cell size
inline constexpr int32_t kVersionEffectRoughness = 511;  // the wave and circle roughness parameter
inline constexpr int32_t kVersionBgmVolume = 814;        // cBgm::m_nVolume
inline constexpr int32_t kVersionManySwordTypes = 828;   // older files hold at most 128 sword types
