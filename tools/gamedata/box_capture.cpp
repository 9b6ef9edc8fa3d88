#include "tools/gamedata/box_capture.h"

#include <utility>

#include "core/mesbox/mesbox.h"
#include "core/text/cp932.h"

namespace {

int Answer(unsigned type) {
  switch (type & MB_TYPEMASK) {
    case MB_YESNO:
    case MB_YESNOCANCEL:
      return IDYES;
    case MB_RETRYCANCEL:
      return IDCANCEL;
    default:
      return IDOK;
  }
}

// A box's text without the line ends the boxes end with.
std::string BoxText(const std::string& cp932) {
  std::string text = Cp932ToUtf8Lossy(cp932);
  while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
  return text;
}

}  // namespace

cBoxCapture::cBoxCapture() {
  SetMesBoxAnswerer([this](const std::string& text, const std::string&, unsigned type) {
    m_Texts.push_back(BoxText(text));
    return Answer(type);
  });
}

cBoxCapture::~cBoxCapture() { SetMesBoxAnswerer({}); }

std::vector<std::string> cBoxCapture::Take() { return std::exchange(m_Texts, {}); }
