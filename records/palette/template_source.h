#pragma once
// Where a part's template comes from. Block, chara and item parts name their
// template by a kind (0 none, 1 the common palette, 2 the stage palette) and an
// index into that palette's list of the same part type. The parts themselves
// never reach for the palettes: whoever owns the palettes supplies a
// cTemplateSource, so the stage loader can resolve kind 2 against the stage
// record it is filling (a scratch record committed only once the whole file has
// loaded) and tests can hand in exactly the templates they build.
//
// Explicit use takes the source as an argument:
//   def.ApplyTemplate(source);
// Loads go through the fixed record interface (Load(reader)) and take the
// source installed for the current piece of work:
//
//   cMyPalettes palettes(...);                // derives from cTemplateSource
//   cTemplateSourceScope scope(palettes);     // part loads now resolve here
//   stage.Load(reader);
//
// Without any scope, CurrentTemplateSource() resolves nothing: every template
// of kind 1 or 2 is then out of range.

#include <cstddef>
#include <cstdint>

class cBlockDef;
class cCharaDef;
class cItemDef;

// Template kinds as the parts store them (m_nTemplateKind).
enum eTemplateKind : int8_t {
  kTemplateNone = 0,
  kTemplateCommon = 1,  // "コモンパレット"
  kTemplateStage = 2,   // "ステージパレット"
};

// True for the kinds that name a palette (1 and 2); any other kind makes a part
// its own template.
constexpr bool IsPaletteTemplateKind(int32_t kind) {
  return kind == kTemplateCommon || kind == kTemplateStage;
}

class cTemplateSource {
 public:
  virtual ~cTemplateSource() = default;

  // The part at index of the list of the palette that kind names. Null when kind
  // is not 1 or 2, when this source has no such palette, or when index (compared
  // unsigned, so any negative index) is not below that list's size. Entry 0, the
  // empty part, is returned like any other. The part stays owned by the palette
  // and must outlive the use of the pointer.
  virtual const cBlockDef* BlockTemplate(int32_t kind, int32_t index) const;
  virtual const cCharaDef* CharaTemplate(int32_t kind, int32_t index) const;
  virtual const cItemDef* ItemTemplate(int32_t kind, int32_t index) const;
};

// The element at index of a palette list (cVector<T> or any contiguous list
// with data() and size()), or null when index (unsigned) is not below its size.
// A helper for cTemplateSource implementations.
template <class List>
auto TemplateAt(const List& list, int32_t index) -> decltype(list.data()) {
  if (static_cast<uint32_t>(index) >= list.size()) return nullptr;
  return list.data() + static_cast<std::size_t>(static_cast<uint32_t>(index));
}

// The source that loads resolve templates against (see above).
const cTemplateSource& CurrentTemplateSource();

// Installs a source for the loads made while it lives; the previous one comes
// back when it ends. The source must outlive the scope. One source serves every
// thread (a stage file loads on a worker while its caller waits), so scopes must
// not overlap between threads.
class cTemplateSourceScope {
 public:
  explicit cTemplateSourceScope(const cTemplateSource& source);
  ~cTemplateSourceScope();
  cTemplateSourceScope(const cTemplateSourceScope&) = delete;
  cTemplateSourceScope& operator=(const cTemplateSourceScope&) = delete;

 private:
  const cTemplateSource* m_lpPrevious;
};
