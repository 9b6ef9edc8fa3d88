#pragma once
// The project's file and folder names, relative to the project folder (the
// current directory). Data paths: CP932 bytes with backslashes; turn them into
// host paths with ResolveDataPath before touching the disk.

#include <cstddef>

inline constexpr std::size_t kPathTableSize = 48;
inline constexpr std::size_t kExtTableSize = 4;

// Indices of the entries this program reads; the others are kept for the editor.
enum PathTableIndex : int {
  kPathData = 0,                 // "data\"
  kPathDefault = 1,              // "default\"
  kPathCommonPalette = 7,        // "data\CommonPalette.cplt4"
  kPathWorldMap = 13,            // "data\WorldMap.dat"
  kPathAnimeSet = 15,            // the ten database files, "data\database\..."
  kPathAnime = 17,
  kPathBmpCharaExc = 19,
  kPathSwordType = 21,
  kPathEffect = 23,
  kPathCharaEffect = 25,
  kPathScrEffect = 27,
  kPathPicture = 29,
  kPathSound = 31,
  kPathBgm = 33,
  kPathSystemDat = 35,           // "data\System.dat"
  kPathChallengeStagePrefix = 37,  // "data\stg4\c"; challenge stage n: "%s%02d-1.%s"
  kPathRankingStory = 38,        // ranking folders by play mode 0..2
  kPathRankingChallenge = 39,
  kPathRankingFree = 40,
  kPathStorySlotPrefix = 41,     // "user_data\story\Story"
  kPathChallengeSave = 42,       // "user_data\challenge\Challenge.dat"
  kPathOption = 43,              // "user_data\Option.dat"
  kPathUserData = 44,            // "user_data\"
  kPathKeyConfig = 45,           // "user_data\KeyConfig.dat"
  kPathBoot = 46,                // "user_data\Boot.dat"
  kPathWindow = 47,              // "user_data\Window.dat"
};

enum ExtTableIndex : int {
  kExtCommonPalette = 0,  // "cplt4"
  kExtStage = 1,          // "stg4"
  kExtPalette = 2,        // "plt4"
  kExtRanking = 3,        // "rkg"
};

extern const char* const g_PathTable[kPathTableSize];
extern const char* const g_ExtTable[kExtTableSize];
