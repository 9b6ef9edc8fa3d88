#include "records/palette/template_source.h"

#include <atomic>

namespace {

// Atomic: a stage file loads on a worker thread under the scope its caller set.
std::atomic<const cTemplateSource*> g_lpCurrentSource{nullptr};

const cTemplateSource& EmptySource() {
  static const cTemplateSource source;
  return source;
}

}  // namespace

const cBlockDef* cTemplateSource::BlockTemplate(int32_t, int32_t) const { return nullptr; }
const cCharaDef* cTemplateSource::CharaTemplate(int32_t, int32_t) const { return nullptr; }
const cItemDef* cTemplateSource::ItemTemplate(int32_t, int32_t) const { return nullptr; }

const cTemplateSource& CurrentTemplateSource() {
  const cTemplateSource* source = g_lpCurrentSource.load();
  return source ? *source : EmptySource();
}

cTemplateSourceScope::cTemplateSourceScope(const cTemplateSource& source)
    : m_lpPrevious(g_lpCurrentSource.exchange(&source)) {}

cTemplateSourceScope::~cTemplateSourceScope() { g_lpCurrentSource.store(m_lpPrevious); }
