#pragma once
// The range of the distance condition along one axis: from the object's
// position and size and the condition's lengths on either side. Edges are
// computed in 64 bits and saturate at the int32 range, so a huge length from
// the data covers everything instead of wrapping into an empty range.
//
//   int32_t left, right;
//   CalcJudgeRange(400, 32, 64, 0, 0, &left, &right);   // 336 .. 416 (the centre)

#include <cstdint>

void CalcJudgeRange(int32_t pos, int32_t size, int32_t nLenghLeft, int32_t nLenghRight, int32_t ownExtent,
                    int32_t* nJudgeLeft, int32_t* nJudgeRight);
