#pragma once
// The editor's vocabulary: labels whose position is the code they name in the
// data. The player carries them for the editor's sake and does not read them.
// Each table ends with one empty label.

extern const char* const g_CharaVarNames[9];        // chara variables 1..8
extern const char* const g_VarOperatorNames[8];     // variable operators
extern const char* const g_CompareNames[9];         // comparisons
extern const char* const g_CondSenseNames[3];       // condition sense
extern const char* const g_ColorNames[11];          // colour names
extern const char* const g_ColourModeNames[3];      // m_nColourMode
extern const char* const g_FullScreenDepthNamesDD[4];   // full-screen depths, DirectDraw
extern const char* const g_FullScreenDepthNamesD3D[3];  // full-screen depths, Direct3D
