#pragma once
// The tool shows no message box: while a cBoxCapture lives every box the
// program's code asks for is answered at once (yes to a question, OK to
// anything else) and its text kept, so the tool can print what the player
// would have shown.

#include <string>
#include <vector>

class cBoxCapture {
 public:
  cBoxCapture();
  ~cBoxCapture();
  cBoxCapture(const cBoxCapture&) = delete;
  cBoxCapture& operator=(const cBoxCapture&) = delete;

  // The texts of the boxes asked for since the last call, in UTF-8, and forgets them.
  std::vector<std::string> Take();

 private:
  std::vector<std::string> m_Texts;
};
