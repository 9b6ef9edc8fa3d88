#pragma once
// The sample project's media, named once: the database and the settings take
// their entries from these tables, and the picture, sound and music writers
// make one file for each, so every name the data holds has its file.

#include <array>
#include <cstdint>

// How a sound effect is synthesised (sample_sounds.cpp).
enum class eSoundRecipe : int32_t {
  Cursor, Decide, Cancel, Buzzer, Pause, Save, Switch, Select, Miss, Defeat, Spring,
  MessageOpen, MessageKey, Warning, Clear, OneUp, Entry, Jump, Shot, Coin, Heal, Damage,
};

// How a piece of music is composed (sample_music.cpp).
enum class eSong : int32_t { Title, WorldMap, Stage, Challenge, Option };

struct cSoundEntry {
  const char* lpName;  // as the database shows it
  const char* lpFile;  // data path of the WAV file
  eSoundRecipe recipe;
};

struct cSongEntry {
  const char* lpName;
  const char* lpFile;  // data path of the MIDI or Ogg file
  eSong song;
};

// The 17 system sounds, in slot order: cursor, decide, cancel, refused, menu
// opened or pause, saved, ranking switched, (unused slot 7), hero lost, enemy
// defeated, spring, message opened, message key, time warning, stage clear,
// extra life, ranking registered.
inline constexpr std::array<cSoundEntry, 17> kSystemSounds = {{
    {"カーソル", "wave\\Cursor.wav", eSoundRecipe::Cursor},
    {"決定", "wave\\Decide.wav", eSoundRecipe::Decide},
    {"キャンセル", "wave\\Cancel.wav", eSoundRecipe::Cancel},
    {"ブザー", "wave\\Buzzer.wav", eSoundRecipe::Buzzer},
    {"ポーズ", "wave\\Pause.wav", eSoundRecipe::Pause},
    {"セーブ", "wave\\Save.wav", eSoundRecipe::Save},
    {"切り替え", "wave\\Switch.wav", eSoundRecipe::Switch},
    {"選択", "wave\\Select.wav", eSoundRecipe::Select},
    {"ミス", "wave\\Miss.wav", eSoundRecipe::Miss},
    {"撃破", "wave\\Defeat.wav", eSoundRecipe::Defeat},
    {"バネ", "wave\\Spring.wav", eSoundRecipe::Spring},
    {"メッセージ", "wave\\Message.wav", eSoundRecipe::MessageOpen},
    {"メッセージ送り", "wave\\MessageKey.wav", eSoundRecipe::MessageKey},
    {"時間切れ警告", "wave\\Warning.wav", eSoundRecipe::Warning},
    {"ステージクリア", "wave\\Clear.wav", eSoundRecipe::Clear},
    {"1UP", "wave\\OneUp.wav", eSoundRecipe::OneUp},
    {"ランキング登録", "wave\\Entry.wav", eSoundRecipe::Entry},
}};

// The Sound database; entry 0 is the "none" entry (no file), so sound n of the
// database is slot n + 16 of the program.
inline constexpr int32_t kSoundNone = 0;
inline constexpr int32_t kSoundJump = 1;
inline constexpr int32_t kSoundShot = 2;
inline constexpr int32_t kSoundCoin = 3;
inline constexpr int32_t kSoundHeal = 4;
inline constexpr int32_t kSoundOneUp = 5;
inline constexpr int32_t kSoundGoal = 6;
inline constexpr int32_t kSoundDamage = 7;
inline constexpr std::array<cSoundEntry, 8> kDatabaseSounds = {{
    {"なし", "", eSoundRecipe::Cursor},
    {"ジャンプ", "wave\\Jump.wav", eSoundRecipe::Jump},
    {"ショット", "wave\\Shot.wav", eSoundRecipe::Shot},
    {"コイン", "wave\\Coin.wav", eSoundRecipe::Coin},
    {"回復", "wave\\Heal.wav", eSoundRecipe::Heal},
    {"1UP", "wave\\OneUp.wav", eSoundRecipe::OneUp},
    {"ゴール", "wave\\Clear.wav", eSoundRecipe::Clear},
    {"ダメージ", "wave\\Damage.wav", eSoundRecipe::Damage},
}};

// The Bgm database; entry 0 is "none". The menus and stages name them by index.
inline constexpr int32_t kBgmNone = 0;
inline constexpr int32_t kBgmTitle = 1;
inline constexpr int32_t kBgmWorldMap = 2;
inline constexpr int32_t kBgmStage = 3;
inline constexpr int32_t kBgmChallenge = 4;
inline constexpr int32_t kBgmOption = 5;
inline constexpr std::array<cSongEntry, 6> kSongs = {{
    {"なし", "", eSong::Title},
    {"タイトル", "bgm\\Title.mid", eSong::Title},
    {"ワールドマップ", "bgm\\WorldMap.mid", eSong::WorldMap},
    {"ステージ", "bgm\\Stage.mid", eSong::Stage},
    {"チャレンジ", "bgm\\Challenge.mid", eSong::Challenge},
    {"オプション", "bgm\\Option.ogg", eSong::Option},
}};

// Pictures the database names besides the bitmap table's: effect strips, the
// exclusive chara bitmap, the sword and the picture command's picture.
inline constexpr char kEffectHitFile[] = "bmp\\effect\\Hit.bmp";
inline constexpr char kEffectSmokeFile[] = "bmp\\effect\\Smoke.bmp";
inline constexpr char kExclusiveCharaFile[] = "bmp\\chara_sp\\Big.bmp";
inline constexpr char kSwordFile[] = "bmp\\sword\\Sword.bmp";
inline constexpr char kPictureFile[] = "bmp\\picture\\Sign.bmp";
// The world map's background and the stages' background layer.
inline constexpr char kWorldBackFile[] = "bmp\\WorldBack.bmp";
inline constexpr char kStageBackFile[] = "bmp\\back\\Sky.bmp";

// Effect strips: cells of 32 x 32, this many across.
inline constexpr int32_t kEffectCells = 4;
