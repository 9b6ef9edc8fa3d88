#include "records/project/vocabulary_tables.h"

const char* const g_CharaVarNames[9] = {
    "1 キャラ変数-1", "2 キャラ変数-2", "3 キャラ変数-3", "4 キャラ変数-4",
    "5 キャラ変数-5", "6 キャラ変数-6", "7 キャラ変数-7", "8 キャラ変数-8", "",
};

const char* const g_VarOperatorNames[8] = {
    "＝", "＋", "－", "×", "÷", "÷ X の余り", "X ％", "",
};

const char* const g_CompareNames[9] = {
    "である", "でない", "以上", "以下", "より上", "より下", "の倍数である", "の倍数でない", "",
};

const char* const g_CondSenseNames[3] = {"なら", "でないなら", ""};

const char* const g_ColorNames[11] = {
    "なし", "白", "黒", "赤", "緑", "青", "黄", "赤紫", "青紫", "4色", "",
};

const char* const g_ColourModeNames[3] = {
    "256色(8bit) カラーパレットあり", "1677万色(24bit) カラーパレットなし", "",
};

const char* const g_FullScreenDepthNamesDD[4] = {
    "32bit(1677万色)", "16bit(32768色)", "8bit(256色)", "",
};

const char* const g_FullScreenDepthNamesD3D[3] = {"32bit(1677万色)", "16bit(32768色)", ""};
