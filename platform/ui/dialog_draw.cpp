#include <algorithm>

#include "core/text/cp932.h"
#include "platform/ui/dialog.h"
#include "platform/ui/dialog_font.h"
#include "platform/ui/edit_keys.h"

namespace dialog_draw {

// The classic dialog colours.
constexpr uint32_t kFace = 0xFFD4D0C8;
constexpr uint32_t kLight = 0xFFFFFFFF;
constexpr uint32_t kShadow = 0xFF808080;
constexpr uint32_t kDark = 0xFF404040;
constexpr uint32_t kText = 0xFF000000;
constexpr uint32_t kGrayText = 0xFF808080;
constexpr uint32_t kCaption = 0xFF0A246A;
constexpr uint32_t kCaptionText = 0xFFFFFFFF;
constexpr uint32_t kWindow = 0xFFFFFFFF;
constexpr uint32_t kHighlight = 0xFF0A246A;
constexpr uint32_t kHighlightText = 0xFFFFFFFF;

RECT Offset(const RECT& r, POINT by) { return {r.left + by.x, r.top + by.y, r.right + by.x, r.bottom + by.y}; }
RECT Inset(const RECT& r, int32_t n) { return {r.left + n, r.top + n, r.right - n, r.bottom - n}; }

void Bevel(cDialogLayer& layer, const RECT& r, uint32_t topLeft, uint32_t bottomRight) {
  layer.Fill({r.left, r.top, r.right, r.top + 1}, topLeft);
  layer.Fill({r.left, r.top, r.left + 1, r.bottom}, topLeft);
  layer.Fill({r.left, r.bottom - 1, r.right, r.bottom}, bottomRight);
  layer.Fill({r.right - 1, r.top, r.right, r.bottom}, bottomRight);
}

// Text broken into lines that fit the width, at character boundaries.
void DrawWrapped(cDialogLayer& layer, const cDialogFont& font, const RECT& r, std::string_view text, uint32_t colour) {
  int32_t y = r.top;
  std::size_t begin = 0;
  while (begin < text.size() && y < r.bottom) {
    std::size_t end = begin;
    int32_t width = 0;
    while (end < text.size() && text[end] != '\n') {
      const int32_t n = TextCharBytes(text, end);
      const int32_t w = font.CharWidth(text.data() + end, n);
      if (width + w > r.right - r.left && end > begin) break;
      width += w;
      end += static_cast<std::size_t>(n);
    }
    font.Draw(layer, r, r.left, y, text.substr(begin, end - begin), colour);
    y += font.LineHeight();
    begin = end < text.size() && text[end] == '\n' ? end + 1 : end;
  }
}

void DrawButton(cDialogLayer& layer, const cDialogFont& font, const cDialogItem& item, const RECT& r, bool focused) {
  layer.Fill(r, kFace);
  RECT body = r;
  if (item.kind == eDialogItemKind::kDefPushButton || focused) {
    layer.Frame(r, kText);
    body = Inset(r, 1);
  }
  if (item.bPressed) Bevel(layer, body, kShadow, kShadow);
  else Bevel(layer, body, kLight, kDark);
  const int32_t w = font.TextWidth(item.text);
  const int32_t shift = item.bPressed ? 1 : 0;
  font.Draw(layer, Inset(body, 1), (r.left + r.right - w) / 2 + shift, (r.top + r.bottom - font.LineHeight()) / 2 + shift,
            item.text, item.bEnabled ? kText : kGrayText);
  if (focused) layer.Frame(Inset(body, 3), kShadow);
}

void DrawCheckMark(cDialogLayer& layer, const cDialogFont& font, const cDialogItem& item, const RECT& r, bool focused) {
  const int32_t box = 13;
  const int32_t top = (r.top + r.bottom - box) / 2;
  const RECT square{r.left, top, r.left + box, top + box};
  layer.Fill(square, kWindow);
  Bevel(layer, square, kShadow, kLight);
  if (item.nCheck != 0) layer.Fill(item.kind == eDialogItemKind::kRadio ? Inset(square, 4) : Inset(square, 3), kText);
  const RECT textRect{r.left + box + 4, r.top, r.right, r.bottom};
  const int32_t textY = (r.top + r.bottom - font.LineHeight()) / 2;
  font.Draw(layer, textRect, textRect.left, textY, item.text, item.bEnabled ? kText : kGrayText);
  if (focused) layer.Frame({textRect.left - 1, textY - 1, std::min<int32_t>(textRect.left + font.TextWidth(item.text) + 1, r.right), textY + font.LineHeight() + 1}, kShadow);
}

void DrawEdit(cDialogLayer& layer, const cDialogFont& font, const cDialogItem& item, const RECT& r, bool focused) {
  layer.Fill(r, item.bEnabled ? kWindow : kFace);
  Bevel(layer, r, kShadow, kLight);
  const RECT inner = Inset(r, 2);
  const int32_t x0 = inner.left - item.nScroll;
  const int32_t y = (r.top + r.bottom - font.LineHeight()) / 2;
  const std::string_view text = item.text;
  const cEditSelection sel = focused ? item.Selection() : cEditSelection{};
  const auto widthTo = [&](int32_t pos) { return font.TextWidth(text.substr(0, static_cast<std::size_t>(pos))); };
  font.Draw(layer, inner, x0, y, text.substr(0, static_cast<std::size_t>(item.nCaret)), kText);
  const std::string composition = TypedTextToCp932(item.strComposition);
  const int32_t compositionW = font.TextWidth(composition);
  font.Draw(layer, inner, x0 + widthTo(item.nCaret), y, composition, kText, true);
  font.Draw(layer, inner, x0 + widthTo(item.nCaret) + compositionW, y, text.substr(static_cast<std::size_t>(item.nCaret)), kText);
  if (sel.nStart != sel.nEnd) {
    const int32_t left = x0 + widthTo(sel.nStart) + (sel.nStart >= item.nCaret ? compositionW : 0);
    const int32_t right = x0 + widthTo(sel.nEnd) + (sel.nEnd > item.nCaret ? compositionW : 0);
    const RECT band{std::max(left, inner.left), y, std::min(right, inner.right), y + font.LineHeight()};
    layer.Fill(band, kHighlight);
    font.Draw(layer, band, left, y, text.substr(static_cast<std::size_t>(sel.nStart), static_cast<std::size_t>(sel.nEnd - sel.nStart)), kHighlightText);
  }
  if (focused) {
    const int32_t caretX = x0 + widthTo(item.nCaret) + compositionW;
    if (caretX >= inner.left && caretX < inner.right) layer.Fill({caretX, y, caretX + 1, y + font.LineHeight()}, kText);
  }
}

void DrawFileList(cDialogLayer& layer, const cDialogFont& font, const cDialogItem& item, const RECT& r, bool focused) {
  layer.Fill(r, kWindow);
  Bevel(layer, r, kShadow, kLight);
  const RECT inner = Inset(r, 2);
  const int32_t lineH = std::max(1, font.LineHeight());
  for (int32_t i = item.nTop; i < static_cast<int32_t>(item.lines.size()); ++i) {
    const int32_t y = inner.top + (i - item.nTop) * lineH;
    if (y + lineH > inner.bottom) break;
    const bool selected = i == item.nSelected;
    const bool marked = static_cast<std::size_t>(i) < item.marks.size() && item.marks[static_cast<std::size_t>(i)];
    if (selected || marked) layer.Fill({inner.left, y, inner.right, y + lineH}, selected ? kHighlight : kShadow);
    font.Draw(layer, inner, inner.left + 2, y, item.lines[static_cast<std::size_t>(i)], selected || marked ? kHighlightText : kText);
    if (selected && focused) layer.Frame({inner.left, y, inner.right, y + lineH}, kText);
  }
}

}  // namespace dialog_draw

void cDialog::Draw() {
  using namespace dialog_draw;
  m_Layer.Clear();
  if (!HasWindow() || !m_Host.IsVisible() || !m_lpFont) return;
  const cDialogFont& font = *m_lpFont;
  const POINT pos = m_Host.OuterPos();
  const RECT outer{pos.x, pos.y, pos.x + OuterWidth(), pos.y + OuterHeight()};
  m_Layer.Fill(outer, kFace);
  const cFrameExtents ext = m_Host.Extents(m_dwStyle);
  if (ext.left > 0) {
    Bevel(m_Layer, outer, kFace, kDark);
    Bevel(m_Layer, Inset(outer, 1), kLight, kShadow);
  }
  if ((m_dwStyle & WS_CAPTION) == WS_CAPTION) {
    const RECT bar{outer.left + ext.left, outer.top + ext.left, outer.right - ext.right, outer.top + ext.top - 1};
    m_Layer.Fill(bar, kCaption);
    const std::string title = Utf8ToCp932(m_Host.Title()).value_or("");
    font.Draw(m_Layer, bar, bar.left + 3, (bar.top + bar.bottom - font.LineHeight()) / 2, title, kCaptionText);
  }
  const POINT origin = ClientOrigin();
  for (const auto& p : m_Items) {
    const cDialogItem& item = *p;
    if (!item.bVisible) continue;
    const RECT r = Offset(item.rect, origin);
    const bool focused = &item == m_lpFocus;
    const uint32_t textColour = item.bEnabled ? kText : kGrayText;
    switch (item.kind) {
      case eDialogItemKind::kLabel: DrawWrapped(m_Layer, font, r, item.text, textColour); break;
      case eDialogItemKind::kPicture: break;
      case eDialogItemKind::kGroupBox: {
        const int32_t half = font.LineHeight() / 2;
        const RECT box{r.left, r.top + half, r.right, r.bottom};
        Bevel(m_Layer, box, kShadow, kLight);
        const int32_t w = font.TextWidth(item.text);
        m_Layer.Fill({r.left + 6, r.top, r.left + 10 + w, r.top + font.LineHeight()}, kFace);
        font.Draw(m_Layer, r, r.left + 8, r.top, item.text, textColour);
        break;
      }
      case eDialogItemKind::kPushButton:
      case eDialogItemKind::kDefPushButton: DrawButton(m_Layer, font, item, r, focused); break;
      case eDialogItemKind::kRadio:
      case eDialogItemKind::kCheckBox: DrawCheckMark(m_Layer, font, item, r, focused); break;
      case eDialogItemKind::kEdit: DrawEdit(m_Layer, font, item, r, focused); break;
      case eDialogItemKind::kFileList: DrawFileList(m_Layer, font, item, r, focused); break;
    }
  }
}
