#include "records/record/record_visitor.h"

#include <cstring>

namespace {

// Element i of its stored size, read by memcpy: the elements of a byte list
// or a packed field need not be aligned for their type.
template <class T>
T ElementAs(const cValueView& view, std::size_t i) {
  T value{};
  std::memcpy(&value, static_cast<const uint8_t*>(view.lpData) + i * sizeof(T), sizeof(T));
  return value;
}

// An integer element widened to Result.
template <class Result>
Result IntegerAt(const cValueView& view, std::size_t i) {
  const bool isSigned = view.nType == eFieldType::Signed;
  switch (view.bySize) {
    case 1:
      return isSigned ? static_cast<Result>(ElementAs<int8_t>(view, i))
                      : static_cast<Result>(ElementAs<uint8_t>(view, i));
    case 2:
      return isSigned ? static_cast<Result>(ElementAs<int16_t>(view, i))
                      : static_cast<Result>(ElementAs<uint16_t>(view, i));
    case 4:
      return isSigned ? static_cast<Result>(ElementAs<int32_t>(view, i))
                      : static_cast<Result>(ElementAs<uint32_t>(view, i));
    default:
      return isSigned ? static_cast<Result>(ElementAs<int64_t>(view, i))
                      : static_cast<Result>(ElementAs<uint64_t>(view, i));
  }
}

}  // namespace

int64_t cValueView::SignedAt(std::size_t i) const { return IntegerAt<int64_t>(*this, i); }
uint64_t cValueView::UnsignedAt(std::size_t i) const { return IntegerAt<uint64_t>(*this, i); }

double cValueView::DoubleAt(std::size_t i) const {
  if (nType != eFieldType::Float) return static_cast<double>(IntegerAt<int64_t>(*this, i));
  return bySize == 4 ? ElementAs<float>(*this, i) : ElementAs<double>(*this, i);
}

cValueView FieldValues(const FIELDDATA& field) {
  return cValueView{field.lpData, static_cast<std::size_t>(field.nCount), field.bySize, field.nType};
}
