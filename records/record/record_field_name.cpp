#include "records/record/record_field_name.h"

namespace {

constexpr std::string_view kBlanks = " \t\n";

std::string_view Trim(std::string_view text) {
  const std::size_t first = text.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return {};
  const std::size_t last = text.find_last_not_of(kBlanks);
  return text.substr(first, last - first + 1);
}

bool TakePrefix(std::string_view& text, std::string_view prefix) {
  if (!text.starts_with(prefix)) return false;
  text = Trim(text.substr(prefix.size()));
  return true;
}

// The argument before its count; an element index ("m_n[0]") holds no comma.
std::string_view AddressPart(std::string_view text) {
  return Trim(text.substr(0, text.find(',')));
}

}  // namespace

std::string RegisteredMemberName(std::string_view text) {
  std::string_view member = AddressPart(text);
  while (TakePrefix(member, "&") || TakePrefix(member, "this->")) {
  }
  std::string name;
  for (const char c : member) {
    if (kBlanks.find(c) == std::string_view::npos) name += c;
  }
  return name;
}

bool RegisteredWithCount(std::string_view text) { return text.find(',') != std::string_view::npos; }
