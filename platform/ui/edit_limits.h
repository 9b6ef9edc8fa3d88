#pragma once
// What a bound edit accepts: the rules of cEdit::OnChange as a pure function
// of the text and selection, so the wrap, the line limit and the caret moves
// can be tested without a dialog.
//
// Text is CP932 bytes; lines end in "\r\n". A line is measured up to its line
// feed, so a line's carriage return counts: a full line followed by "\r\n"
// wraps into a doubled "\r\n", which is removed again, and the caret at its
// end moves to the start of the next line.

#include <cstdint>
#include <string>

struct cEditLimits {
  int32_t nTotal = 4096;       // bytes, or characters with bCountChars
  int32_t nPerLine = 1024;     // characters (or bytes) per line
  int32_t nLines = 32;
  int32_t bCountChars = 0;     // 1: a double-byte character counts as one

  // Limits below 1 take their defaults, so every wrap ends.
  cEditLimits Normalized() const;
  // The most bytes a read takes: total, or total x 2 - 1 when counting
  // characters (every character but the last may be double).
  std::size_t ReadLimit() const;
};

struct cEditSelection {
  int32_t nStart = 0;
  int32_t nEnd = 0;
};

struct cEditChange {
  std::string text;
  cEditSelection selection;
  bool bAccepted = true;  // false: the previous text came back
};

// The text as a read with the limits takes it: at most ReadLimit bytes, never
// ending inside a double-byte character.
std::string CutToReadLimit(const std::string& text, const cEditLimits& limits);

// One change: the control's text and selection after an edit, the text and
// selection accepted last, and whether this runs while the edit is attached
// (then a text with too many lines is cut instead of refused).
cEditChange ApplyEditChange(const std::string& text, cEditSelection selection, const std::string& previous,
                            cEditSelection previousSelection, const cEditLimits& limits, bool inAttach);
