#pragma once
// The fixed order in which the program's global objects are built and destroyed.
//
// Every global object with static storage is built before main() and destroyed
// after it, and an object may refer to any object built before it. Plain
// namespace-scope objects in different source files have no defined order, so
// each global is defined with VP_GLOBAL, which gives it its place in eGlobal:
//
//   #include "core/globals/global_order.h"
//   VP_GLOBAL(kGlobalSystemData, cSystemData g_SystemData);
//   VP_GLOBAL(kGlobalInputList, cVector<cInput> g_InputList)(1);   // with arguments
//
// The name, the type and the extern declaration stay as they were; only the
// definition line changes. Mechanism: the compiler's init_priority attribute
// (GCC and Clang on ELF). The linker sorts the constructors of all objects by
// priority across the whole program, and each object registers its destruction
// when it has been built, so objects are built in eGlobal order and destroyed in
// exactly the reverse. Every prioritised object is built before any ordinary
// namespace-scope object and destroyed after it.
//
// Rules that follow from this:
// - A constructor or destructor of a global here may use only constant-
//   initialised data (constexpr/constinit tables, atomics), function-local
//   statics, and the globals before it in eGlobal. An ordinary namespace-scope
//   object with a dynamic initialiser is not built yet when these run.
// - One object per entry. Tables that are constant-initialised (all constexpr,
//   no destructor) exist before any code runs, so they need no VP_GLOBAL; their
//   entries are kept so the list stays the complete picture.
//
// VP_GLOBAL also places a cGlobalMark (global_mark.h) just before the object;
// the marks record the order that really happened, which the tests check.
//
// Each entry names its object and where it is defined; "(later)" marks objects
// whose type is not built yet: the entry holds their place in the order until
// their definition takes it with VP_GLOBAL.

#include <cstdint>

#include "core/globals/global_mark.h"

enum eGlobal : int32_t {
  // Constant-initialised tables, first (no VP_GLOBAL needed).
  kGlobalFontFaceNames,            // g_FontFaceNames (records/project)
  kGlobalColourModeNames,          // g_ColourModeNames
  kGlobalFullScreenDepthNamesDD,   // g_FullScreenDepthNamesDD
  kGlobalFullScreenDepthNamesD3D,  // g_FullScreenDepthNamesD3D
  kGlobalVocabularyTables,         // g_CharaVarNames, g_VarOperatorNames, g_CompareNames, g_CondSenseNames
  kGlobalPathTable,                // g_PathTable
  kGlobalExtTable,                 // g_ExtTable
  kGlobalColorNames,               // g_ColorNames

  // The main window's message queue: any constructor's fatal path may post
  // WM_CLOSE, so it comes before every object that can.
  kGlobalMainWindowQueue,  // core/thread/messages.cpp (g_mainWindowQueue)

  // The surface library's list of Direct3D surfaces and its two draw batches:
  // every surface global below may touch them when it is destroyed.
  kGlobalDTSurfaceList,  // g_DTSurfaceList (platform/dd/surface_list.cpp)
  kGlobalFillBatch,      // g_FillBatch (platform/dd/fill_batch.cpp)
  kGlobalSpriteBatch,    // g_SpriteBatch (platform/dd/sprite_batch.cpp)
  kGlobalSDPrimary,       // g_SDPrimary (platform/dd/screen_surfaces.cpp)
  kGlobalSDBackBuffer,    // g_SDBackBuffer
  kGlobalSDScreenCopy,    // g_SDScreenCopy
  kGlobalSDVirBackBuffer, // g_SDVirBackBuffer
  kGlobalSDWork,          // g_SDWork

  kGlobalWindowRegistry,  // g_WindowRegistry (platform/ui, later)
  kGlobalMainWindow,      // g_MainWindow (app, later)
  kGlobalThGame,          // thGame    (core/globals/worker_threads.cpp)
  kGlobalThPause,         // thPause
  kGlobalThRanking,       // thRanking
  kGlobalThLoad,          // thLoad
  kGlobalMenuCursor,      // g_MenuCursor (app, later)
  kGlobalInputList,       // g_InputList (core/input/input_state.cpp)

  // Surface vectors and their BITMAPDATA vectors (platform/dd and app, later).
  kGlobalCharaSurfaces,
  kGlobalCharaBitmaps,
  kGlobalShotSurfaces,
  kGlobalShotBitmaps,
  kGlobalEffectSurfaces,
  kGlobalEffectBitmaps,
  kGlobalMenuSurfaces,
  kGlobalMenuBitmaps,
  kGlobalPictureSurfaces,  // the picture-command surface list
  kGlobalPictureBitmaps,
  kGlobalMessageSurfaces,  // Off_Msg
  kGlobalMessageBitmaps,

  kGlobalSDTable,      // g_SDTable   (platform/dd/surface_tables.cpp)
  // The fonts' recovery list: built just before the fonts so that a font
  // destroyed at exit can still take itself off it.
  kGlobalFontList,     // g_FontList (platform/dd/fonts.cpp)
  kGlobalFonts,        // g_Fonts (platform/dd/fonts.cpp)
  kGlobalSDNumbers,    // g_SDNumbers (platform/dd/surface_tables.cpp)
  kGlobalBitmapTable,  // g_BitmapTable, constant (platform/dd/bitmap_table.cpp)
  kGlobalFontTable,    // g_FontTable, constant-initialised (platform/dd/font_table.cpp)
  kGlobalBDNumbers,    // g_BDNumbers, constant (platform/dd/surface_tables.cpp)

  // The audio device and its mixer: shared by the sound slots and g_Bgm, whose
  // destruction still releases into it, so it comes before both.
  kGlobalAudioOutput,  // g_AudioOutput (platform/sound/audio_output.cpp)
  kGlobalSoundSlots,   // g_SoundSlots (platform/sound/sound_slots.cpp)
  kGlobalSoundFiles,   // g_SoundFiles (platform/sound/sound_slots.cpp)
  kGlobalBgm,          // g_Bgm (platform/sound, later)

  kGlobalCommonPalette,  // g_CommonPalette (records/palette/common_palette.cpp)
  kGlobalSystemData,     // g_SystemData (records/settings/system_data_global.cpp)
  kGlobalDatabase,       // g_Database (records/database/database.cpp)
  kGlobalAnimeSteps,     // g_AnimeSteps (records/database/runtime/anime_steps.cpp)
  kGlobalEffectSteps,    // g_EffectSteps
  kGlobalCharaEffectStates,     // g_CharaEffectStates (records/database/runtime/effect_state_tables.cpp)
  kGlobalScrEffectStates,       // g_ScrEffectStates
  kGlobalCharaEffectStatesRev,  // g_CharaEffectStatesRev
  kGlobalScrEffectStatesRev,    // g_ScrEffectStatesRev

  kGlobalInputLog,      // g_InputLog (records/replay)
  kGlobalInputLogPrev,  // g_InputLogPrev (records/replay)
  kGlobalHeroes,        // g_Heroes (stage/objects/object_lists.cpp)
  kGlobalBlockGrid,     // g_BlockGrid (stage/grid/block_grid.cpp)
  kGlobalCharaList,     // g_CharaList (stage/objects/object_lists.cpp); deletes its elements
  kGlobalItemList,      // g_ItemList (stage/objects/object_lists.cpp); deletes its elements
  kGlobalStage,         // g_Stage (records/stage)
  kGlobalStageInitial,  // g_StageInitial (records/stage)
  kGlobalHeroDef,       // g_HeroDef (records/stage)
  kGlobalWorldMap,      // g_WorldMap (records/worldmap/world_map_load.cpp)
  kGlobalSaveData,             // g_SaveData (records/save)
  kGlobalSaveDataAtStart,      // g_SaveDataAtStart (records/save)
  kGlobalSaveDataAtStartPrev,  // g_SaveDataAtStartPrev (records/save)
  kGlobalOptionData,    // g_OptionData (records/options/option_data.cpp)
  kGlobalSaveSlots,     // g_SaveSlots (records/save), 99 headers
  kGlobalRanking,       // g_Ranking (app, later); destroyed first

  kGlobalCount
};

// Priorities up to 100 belong to the compiler and the C++ runtime; the program's
// own start well above them, one per entry. kGlobalPriorityBase - 1 is kept for
// the trace of the marks (global_mark.cpp), which must outlive them all.
inline constexpr int kGlobalPriorityBase = 1000;
static_assert(kGlobalPriorityBase + kGlobalCount < 65535, "priorities run out at 65535");

// The construction priority of an entry, as an attribute of a definition.
#define VP_GLOBAL_ORDER(entry) __attribute__((init_priority(kGlobalPriorityBase + (entry))))

#define VP_GLOBAL_CONCAT_(a, b) a##b
#define VP_GLOBAL_MARK_NAME_(n) VP_GLOBAL_CONCAT_(s_GlobalMark, n)

// Defines a global in its place of eGlobal. The mark comes first in the same
// priority: it is built just before the object and destroyed just after it.
#define VP_GLOBAL(entry, ...)                                                  \
  [[maybe_unused]] static const cGlobalMark VP_GLOBAL_MARK_NAME_(__COUNTER__) \
      VP_GLOBAL_ORDER(entry){entry};                                           \
  __VA_ARGS__ VP_GLOBAL_ORDER(entry)
