#pragma once
// cStateVisitor: how a simulation class shows its members to the state digest
// and to the stage runner's JSON, without either knowing the class.
//
// Each class lists every member once, in declaration order, by its name in the
// code; a derived class lists its base's members first:
//
//   void cDoorState::VisitState(cStateVisitor& visitor) {
//     cGameObject::VisitState(visitor);         // base class first
//     visitor.Value("m_nOpen", m_nOpen);         // any integer type, or double
//     visitor.Text("m_strKey", m_strKey);        // CP932 text
//     visitor.Object("m_Scroll", m_Scroll);      // a member with its own VisitState
//     visitor.List("m_Links", m_Links);          // numbers, or objects with VisitState
//     visitor.SparseInts("m_Vars", m_Vars);      // int32 table, mostly zero
//     visitor.Record("m_Def", m_Def);            // an embedded data record
//   }
//
// The digest hashes every value (in its member's width) and every list length
// in visiting order, so
// a member left out is a member a replay test cannot see drift. The JSON
// writer shows records only through the digest and sparse tables as
// {"index": value} of their non-zero entries.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>

class cRecord;

class cStateVisitor {
 public:
  virtual ~cStateVisitor() = default;

  template <class T>
  void Value(std::string_view name, const T& value) {
    static_assert(std::is_arithmetic_v<T>, "numbers only; objects go through Object");
    if constexpr (std::is_floating_point_v<T>) {
      OnDouble(name, static_cast<double>(value));
    } else {
      OnInt(name, static_cast<int64_t>(value), static_cast<int32_t>(sizeof(T)));
    }
  }

  // An integer of nBytes width known only at run time (a registered field).
  void Int(std::string_view name, int64_t value, int32_t nBytes) { OnInt(name, value, nBytes); }

  void Text(std::string_view name, const std::string& value) { OnText(name, value); }

  // A member with its own VisitState (const or not).
  template <class T>
  void Object(std::string_view name, T& object) {
    OnBeginObject(name);
    object.VisitState(*this);
    OnEndObject();
  }

  // A container or array of numbers or of objects with VisitState; elements
  // are visited with empty names.
  template <class Range>
  void List(std::string_view name, Range& items) {
    OnBeginList(name, static_cast<int64_t>(std::size(items)));
    for (auto& item : items) {
      using T = std::remove_cvref_t<decltype(item)>;
      if constexpr (std::is_arithmetic_v<T>) {
        Value(std::string_view(), item);
      } else {
        Object(std::string_view(), item);
      }
    }
    OnEndList();
  }

  // Members that belong together without a class of their own (a section of
  // the state, a record's fields); fn visits them.
  template <class Fn>
  void Group(std::string_view name, Fn&& fn) {
    OnBeginObject(name);
    fn();
    OnEndObject();
  }

  // nCount elements that fn visits, each with an empty name.
  template <class Fn>
  void Sequence(std::string_view name, int64_t nCount, Fn&& fn) {
    OnBeginList(name, nCount);
    fn();
    OnEndList();
  }

  // An int32 table indexed by number whose entries are mostly 0.
  void SparseInts(std::string_view name, std::span<const int32_t> values) { OnSparseInts(name, values); }

  // A data record kept inside a simulation object: its registered fields, then
  // what its VisitAppended shows.
  void Record(std::string_view name, cRecord& record) { OnRecord(name, record); }

 protected:
  // nBytes: the member's width (1, 2, 4 or 8).
  virtual void OnInt(std::string_view name, int64_t value, int32_t nBytes) = 0;
  virtual void OnDouble(std::string_view name, double value) = 0;
  virtual void OnText(std::string_view name, const std::string& value) = 0;
  virtual void OnBeginObject(std::string_view name) = 0;
  virtual void OnEndObject() = 0;
  virtual void OnBeginList(std::string_view name, int64_t nCount) = 0;
  virtual void OnEndList() = 0;
  virtual void OnSparseInts(std::string_view name, std::span<const int32_t> values) = 0;
  virtual void OnRecord(std::string_view name, cRecord& record) = 0;
};
