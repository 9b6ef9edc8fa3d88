#include "platform/dd/full_width_set.h"

// Eight rows of 32 characters.
const char kFullWidthSet[] =
    "０１２３４５６７８９ー～、。．！？「」（）・…※→↑↓←＋－＝○"
    "●×ＡＢＣＤＥＦＧＨＩＪＫＬＭＮＯＰＱＲＳＴＵＶＷＸＹＺａｂｃｄ"
    "ｅｆｇｈｉｊｋｌｍｎｏｐｑｒｓｔｕｖｗｘｙｚあいうえおかきくけこ"
    "さしすせそたちつてとなにぬねのはひふへほまみむめもやゆよらりるれ"
    "ろわをんがぎぐげござじずぜぞだぢづでどばびぶべぼぱぴぷぺぽぁぃぅ"
    "ぇぉっゃゅょアイウエオカキクケコサシスセソタチツテトナニヌネノハ"
    "ヒフヘホマミムメモヤユヨラリルレロワヲンガギグゲゴザジズゼゾダヂ"
    "ヅデドバビブベボヴパピプペポァィゥェォッャュョ□■☆★％＆＜＞：";

// The literal is CP932 wherever the program is built; only the clang-built fuzz
// targets keep UTF-8 literals, whose longer set is still read as 256 pairs.
#ifndef VP_LITERALS_UTF8
static_assert(sizeof(kFullWidthSet) == kFullWidthSetCount * 2 + 1);
#endif
