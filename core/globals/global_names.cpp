#include "core/globals/global_names.h"

#include <array>
#include <string_view>

#include "core/globals/global_order.h"

namespace {

constexpr std::array<const char*, kGlobalCount> kNames = {
    "g_FontFaceNames", "g_ColourModeNames", "g_FullScreenDepthNamesDD",
    "g_FullScreenDepthNamesD3D", "vocabulary tables", "g_PathTable", "g_ExtTable", "g_ColorNames",
    "main window queue", "g_DTSurfaceList", "g_FillBatch", "g_SpriteBatch", "g_SDPrimary",
    "g_SDBackBuffer", "g_SDScreenCopy", "g_SDVirBackBuffer", "g_SDWork", "g_WindowRegistry", "g_MainWindow", "thGame", "thPause", "thRanking",
    "thLoad", "g_MenuCursor", "g_InputList", "chara surfaces", "chara bitmaps", "shot surfaces",
    "shot bitmaps", "effect surfaces", "effect bitmaps", "menu surfaces", "menu bitmaps",
    "picture surfaces", "picture bitmaps", "Off_Msg", "message bitmaps", "g_SDTable", "g_FontList", "g_Fonts",
    "g_SDNumbers", "g_BitmapTable", "g_FontTable", "g_BDNumbers", "g_AudioOutput", "g_SoundSlots", "g_SoundFiles",
    "g_Bgm", "g_CommonPalette", "g_SystemData", "g_Database", "g_AnimeSteps", "g_EffectSteps",
    "g_CharaEffectStates", "g_ScrEffectStates", "g_CharaEffectStatesRev", "g_ScrEffectStatesRev",
    "g_InputLog", "g_InputLogPrev", "g_Heroes", "g_BlockGrid", "g_CharaList", "g_ItemList",
    "g_Stage", "g_StageInitial", "g_HeroDef", "g_WorldMap", "g_SaveData", "g_SaveDataAtStart",
    "g_SaveDataAtStartPrev", "g_OptionData", "g_SaveSlots", "g_Ranking",
};

// A name missing from the list would leave a null at the end and shift the rest.
constexpr bool NameIs(int32_t entry, std::string_view name) { return kNames[entry] == name; }
static_assert(NameIs(kGlobalMainWindowQueue, "main window queue"));
static_assert(NameIs(kGlobalThGame, "thGame"));
static_assert(NameIs(kGlobalSDWork, "g_SDWork"));
static_assert(NameIs(kGlobalSDTable, "g_SDTable"));
static_assert(NameIs(kGlobalFonts, "g_Fonts"));
static_assert(NameIs(kGlobalSystemData, "g_SystemData"));
static_assert(NameIs(kGlobalRanking, "g_Ranking"));

}  // namespace

const char* GlobalName(int32_t entry) {
  if (entry < 0 || entry >= kGlobalCount) return "?";
  return kNames[static_cast<std::size_t>(entry)];
}
