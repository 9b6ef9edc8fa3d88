// The settings file: the base record, then the appended lists, each stored from
// the data version that introduced it.

#include <cstdint>
#include <string>
#include <type_traits>

#include "records/record/record_list.h"
#include "records/settings/string_list.h"
#include "records/settings/system_data.h"

namespace {

template <class List>
using ElementOf = typename List::value_type;

template <auto Member>
bool LoadPart(cRecordReader& reader, cSystemData& s) {
  auto& list = s.*Member;
  using T = ElementOf<std::remove_reference_t<decltype(list)>>;
  if constexpr (std::is_arithmetic_v<T>) {
    return LoadValueList(reader, list);
  } else if constexpr (std::is_same_v<T, std::string>) {
    return LoadStringList(reader, list);
  } else {
    return LoadRecordList(reader, list);
  }
}

template <auto Member>
void SavePart(cRecordWriter& writer, cSystemData& s) {
  auto& list = s.*Member;
  using T = ElementOf<std::remove_reference_t<decltype(list)>>;
  if constexpr (std::is_arithmetic_v<T>) {
    SaveValueList(writer, list);
  } else if constexpr (std::is_same_v<T, std::string>) {
    WriteStringList(writer, list);
  } else {
    SaveRecordList(writer, list);
  }
}

// One appended list and the first data version that stored it.
struct ListPart {
  int32_t from;
  bool (*load)(cRecordReader&, cSystemData&);
  void (*save)(cRecordWriter&, cSystemData&);
};

template <auto Member>
constexpr ListPart Part(int32_t from) {
  return ListPart{from, &LoadPart<Member>, &SavePart<Member>};
}

using S = cSystemData;

constexpr ListPart kListParts[] = {
    Part<&S::m_CarryOver>(0),         Part<&S::m_ResetOnDeath>(501),
    Part<&S::m_GaugeList>(0),         Part<&S::m_StartLives>(0),
    Part<&S::m_InfiniteLives>(191),   Part<&S::m_ModeFlagList>(186),
    Part<&S::m_TextList>(0),          Part<&S::m_SystemSounds>(0),
    Part<&S::m_MenuBgm>(0),           Part<&S::m_MenuBgmKeep>(202),
    Part<&S::m_TitleMenu>(0),         Part<&S::m_MapMenu>(0),
    Part<&S::m_OptionMenu>(0),        Part<&S::m_RankingEntryModes>(674),
    Part<&S::m_IniKeys>(0),
};

}  // namespace

bool cSystemData::Load(cRecordReader& reader) {
  const int32_t version = reader.FileVersion();
  if (!cRecord::Load(reader)) return false;
  // A list the version did not store keeps what the object held.
  for (const ListPart& part : kListParts) {
    if (version >= part.from && !part.load(reader, *this)) return false;
  }
  if (version < g_nDataVersion) MigrateFrom(version);
  RepairAfterLoad();
  if (m_nBgmCount >= 0) ClampMenuBgm(m_nBgmCount);
  return true;
}

void cSystemData::Save(cRecordWriter& writer) {
  if (m_nBgmCount >= 0) ClampMenuBgm(m_nBgmCount);
  cRecord::Save(writer);
  for (const ListPart& part : kListParts) {
    if (writer.Version() >= part.from) part.save(writer, *this);
  }
}
