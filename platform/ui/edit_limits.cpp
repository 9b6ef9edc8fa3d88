#include "platform/ui/edit_limits.h"

#include <algorithm>

#include "core/text/sjis.h"

namespace edit_limits {

// The length of text[begin, end) in characters or bytes.
int32_t Measure(const std::string& text, std::size_t begin, std::size_t end, bool countChars) {
  if (!countChars) return static_cast<int32_t>(end - begin);
  int32_t count = 0;
  for (std::size_t i = begin; i < end; ++count) {
    i += i + 1 < end && IsSjisDoubleByte(text.data() + i) ? 2 : 1;
  }
  return count;
}

// Where the line starting at begin must end to hold at most limit.
std::size_t FitEnd(const std::string& text, std::size_t begin, std::size_t lineEnd, int32_t limit, bool countChars) {
  std::size_t end = begin;
  int32_t used = 0;
  while (end < lineEnd) {
    const std::size_t step = end + 1 < lineEnd && IsSjisDoubleByte(text.data() + end) ? 2 : 1;
    used += countChars ? 1 : static_cast<int32_t>(step);
    if (used > limit) break;
    end += step;
  }
  return end;
}

void ShiftPoints(cEditSelection& sel, std::size_t at, int32_t by) {
  for (int32_t* p : {&sel.nStart, &sel.nEnd}) {
    if (by > 0 && *p >= static_cast<int32_t>(at)) *p += by;
    if (by < 0 && *p > static_cast<int32_t>(at)) *p = std::max(static_cast<int32_t>(at), *p + by);
  }
}

// Breaks every line longer than the per-line limit, up to the line limit.
void Wrap(std::string& text, cEditSelection& sel, const cEditLimits& limits) {
  std::size_t begin = 0;
  for (int32_t line = 0; line < limits.nLines && begin <= text.size(); ++line) {
    std::size_t lineEnd = text.find('\n', begin);
    if (lineEnd == std::string::npos) lineEnd = text.size();
    if (Measure(text, begin, lineEnd, limits.bCountChars != 0) > limits.nPerLine) {
      const std::size_t cut = FitEnd(text, begin, lineEnd, limits.nPerLine, limits.bCountChars != 0);
      text.insert(cut, "\r\n");
      ShiftPoints(sel, cut, 2);
      if (text.compare(cut + 2, 2, "\r\n") == 0) {
        text.erase(cut + 2, 2);
        ShiftPoints(sel, cut + 2, -2);
      }
      lineEnd = cut + 1;
    }
    if (lineEnd >= text.size()) break;
    begin = lineEnd + 1;
  }
}

int32_t LineCount(const std::string& text) {
  return 1 + static_cast<int32_t>(std::count(text.begin(), text.end(), '\n'));
}

// The text up to the end of its first n lines (without their last "\r\n").
std::string FirstLines(const std::string& text, int32_t n) {
  std::size_t pos = 0;
  for (int32_t i = 0; i < n; ++i) {
    pos = text.find('\n', pos);
    if (pos == std::string::npos) return text;
    ++pos;
  }
  std::size_t end = pos - 1;
  if (end > 0 && text[end - 1] == '\r') --end;
  return text.substr(0, end);
}

void SettlePoint(const std::string& text, int32_t& p) {
  p = std::clamp(p, 0, static_cast<int32_t>(text.size()));
  const auto at = static_cast<std::size_t>(p);
  if (at > 0 && at < text.size() && text[at - 1] == '\r' && text[at] == '\n') ++p;
}

}  // namespace edit_limits

cEditLimits cEditLimits::Normalized() const {
  const cEditLimits defaults;
  cEditLimits out = *this;
  if (out.nTotal < 1) out.nTotal = defaults.nTotal;
  if (out.nPerLine < 1) out.nPerLine = defaults.nPerLine;
  if (out.nLines < 1) out.nLines = defaults.nLines;
  return out;
}

std::size_t cEditLimits::ReadLimit() const {
  const auto total = static_cast<std::size_t>(std::max(1, Normalized().nTotal));
  return bCountChars != 0 ? total * 2 - 1 : total;
}

std::string CutToReadLimit(const std::string& text, const cEditLimits& limits) {
  return text.substr(0, SjisCutLength(text, limits.ReadLimit()));
}

cEditChange ApplyEditChange(const std::string& text, cEditSelection selection, const std::string& previous,
                            cEditSelection previousSelection, const cEditLimits& limitsIn, bool inAttach) {
  const cEditLimits limits = limitsIn.Normalized();
  cEditChange out{CutToReadLimit(text, limits), selection, true};
  edit_limits::Wrap(out.text, out.selection, limits);
  if (edit_limits::LineCount(out.text) > limits.nLines) {
    if (inAttach) {
      out.text = edit_limits::FirstLines(out.text, limits.nLines);
    } else {
      out.text = previous;
      out.selection = previousSelection;
      out.bAccepted = false;
    }
  }
  edit_limits::SettlePoint(out.text, out.selection.nStart);
  edit_limits::SettlePoint(out.text, out.selection.nEnd);
  return out;
}
