#pragma once
// EvaluateCode: runs one line of the script language of the コードの実行
// command for a chara. The text is rewritten as a string: groups and rand()
// calls are replaced by their values, then the flat rest is reduced by
// precedence (* / % first, then + -, then =), each level from the left.
//
//   EvaluateCode(play, "my.hp = (1 + 2) * 3", &chara);   // 1; HP 9 (at most max HP)
//   EvaluateCode(play, "S3 = rand(1, 6)", &chara);        // 1; stage variable 3 in 1..6
//   EvaluateCode(play, "C1 = 7 / 0", &chara);             // 0; "0除算が行われました！(C1 = 7 / 0)"
//
// Words are separated by the space character only. Prefixes my. tg. tg1.-tg4.
// pl. sys. choose whose status a word names. An assignment clamps to the
// range of what it writes and takes effect at once; an error (shown through
// the play's services, or silent for an empty target slot, a bad variable
// index or a missing operand) ends the evaluation with 0 and keeps earlier
// assignments. Without error, a change of the running chara's HP or SP starts
// its gauge.

#include <cstdint>
#include <string_view>

class cCharaBase;
class cStagePlay;

// 1 without error, 0 after one.
int32_t EvaluateCode(cStagePlay& play, std::string_view text, cCharaBase* lpChara);

// The value of text; the error flag of the evaluation is set in *lpError.
int32_t EvaluateParens(cStagePlay& play, std::string_view text, cCharaBase* lpChara, int32_t* lpError);
// The value of a text without groups or calls.
int32_t EvaluateFlat(cStagePlay& play, std::string_view text, cCharaBase* lpChara, int32_t* lpError);
