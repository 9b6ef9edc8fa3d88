#pragma once
// cPartHolder<T>: how a command holds one of its optional parts (move settings,
// shot settings, condition list). The part sits behind a shared holder, so it
// can be absent and code can keep a pointer to it while the command lives, but
// the command owns it by value: copying a holder gives the copy a new part equal
// to the source's (or no part when the source has none). Two commands therefore
// never share a part, and changing a copy's settings never reaches the original.
//
//   if (cmd.m_Shot) Fire(cmd.m_Shot.get());
//   NewEdMove(cmd.m_Move.Shared());   // a new default part
//   cmd.m_CondList.reset();           // absent

#include <memory>

template <class T>
class cPartHolder {
 public:
  using Holder = std::shared_ptr<T>;

  cPartHolder() = default;
  cPartHolder(const cPartHolder& source) : m_Part(CopyOf(source.m_Part)) {}
  cPartHolder(cPartHolder&&) noexcept = default;
  cPartHolder& operator=(const cPartHolder& source) {
    if (this != &source) m_Part = CopyOf(source.m_Part);
    return *this;
  }
  cPartHolder& operator=(cPartHolder&&) noexcept = default;
  ~cPartHolder() = default;

  T* get() const { return m_Part.get(); }
  T* operator->() const { return m_Part.get(); }
  T& operator*() const { return *m_Part; }
  explicit operator bool() const { return m_Part != nullptr; }

  // Makes the part absent.
  void reset() { m_Part.reset(); }

  // The holder itself, for the helpers that give it a new default part
  // (NewEdMove, NewEdShot, NewCondList).
  Holder& Shared() { return m_Part; }

  // Absent equals absent; present parts compare by value.
  bool operator==(const cPartHolder& other) const {
    if (!m_Part || !other.m_Part) return !m_Part && !other.m_Part;
    return *m_Part == *other.m_Part;
  }

 private:
  // The part's own copy copies every member, lists included; its field tables
  // are rebuilt for the new object on first use.
  static Holder CopyOf(const Holder& source) {
    return source ? std::make_shared<T>(*source) : Holder();
  }

  Holder m_Part;
};
