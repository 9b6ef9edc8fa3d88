#pragma once
// The keys script of the stage runner: which keys are held from which play
// frame on. One line per change, FRAME KEY...; FRAME is the play frame (1 is
// the first stepped) from which the keys are held, above the previous line's;
// KEY is left, right, up, down, b1 .. b8, or - for none. '#' starts a comment,
// blank lines are skipped, and keys hold until the next line:
//
//   # run right, jump at frame 40
//   1 right
//   40 right b1
//   120 -

#include <cstdint>
#include <istream>
#include <string>
#include <vector>

struct cKeyChange {
  int32_t nFrame = 0;
  int16_t wDir = 0;     // 1 left, 2 right, 4 up, 8 down
  int16_t wButton = 0;  // bN is bit N - 1
};

class cKeysScript {
 public:
  std::vector<cKeyChange> m_Changes;  // frames rising

  // Reads a script. False with error "keys:LINE: reason" for the first bad line.
  bool Parse(std::istream& in, std::string& error);

  // The keys held in play frame nFrame: none before the first change.
  cKeyChange HeldAt(int32_t nFrame) const;
};
