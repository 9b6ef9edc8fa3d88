#pragma once
// The member names kept by registration (FIELDDATA::lpName, STRFIELDDATA::lpName):
// the argument text of the Add...Field call as written.

#include <string>
#include <string_view>

// The member a registration names: its argument text without '&', "this->",
// blanks and the element count ("&m_nKind" -> "m_nKind", "m_nPos, 2" ->
// "m_nPos", "&m_nPair[1]" -> "m_nPair[1]").
std::string RegisteredMemberName(std::string_view text);

// True when the registration gave an element count: the member is an array,
// whatever the count's value.
bool RegisteredWithCount(std::string_view text);
