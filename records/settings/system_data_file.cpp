// The settings file: the base record, then the appended lists, each stored from
// the data version that introduced it.

#include <cstdint>
#include <string>
#include <type_traits>

#include "records/record/record_list.h"
#include "records/record/record_visitor.h"
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
void VisitPart(cRecordVisitor& visitor, const char* name, cSystemData& s) {
  visitor.List(name, s.*Member);
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

// One appended list, the first data version that stored it and its member's
// name.
struct ListPart {
  int32_t from;
  bool (*load)(cRecordReader&, cSystemData&);
  void (*save)(cRecordWriter&, cSystemData&);
  void (*visit)(cRecordVisitor&, const char*, cSystemData&);
  const char* name;
};

template <auto Member>
constexpr ListPart Part(int32_t from, const char* name) {
  return ListPart{from, &LoadPart<Member>, &SavePart<Member>, &VisitPart<Member>, name};
}

using S = cSystemData;

// The table names each member once; the macro writes its name beside it.
#define LIST_PART(member, from) Part<&S::member>(from, #member)

constexpr ListPart kListParts[] = {
    LIST_PART(m_CarryOver, 0),        LIST_PART(m_ResetOnDeath, 501),
    LIST_PART(m_GaugeList, 0),        LIST_PART(m_StartLives, 0),
    LIST_PART(m_InfiniteLives, 191),  LIST_PART(m_ModeFlagList, 186),
    LIST_PART(m_TextList, 0),         LIST_PART(m_SystemSounds, 0),
    LIST_PART(m_MenuBgm, 0),          LIST_PART(m_MenuBgmKeep, 202),
    LIST_PART(m_TitleMenu, 0),        LIST_PART(m_MapMenu, 0),
    LIST_PART(m_OptionMenu, 0),       LIST_PART(m_RankingEntryModes, 674),
    LIST_PART(m_IniKeys, 0),
};

#undef LIST_PART

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

void cSystemData::VisitAppended(cRecordVisitor& visitor) {
  for (const ListPart& part : kListParts) part.visit(visitor, part.name, *this);
}
