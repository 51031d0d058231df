#pragma once

#include <string>
#include <vector>

namespace vexa {

// The display strings editor shows exactly 50 rows, numbers 0 to 49: the list's strings,
// then empty rows; strings beyond the 50th are not shown. Its OK makes the list those 50 rows,
// empty ones included.
inline constexpr std::size_t kDisplayStringRows = 50;

std::vector<std::string> DisplayStringEditorRows(const std::vector<std::string>& strings);

} // namespace vexa
