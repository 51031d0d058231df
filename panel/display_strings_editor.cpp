#include "display_strings_editor.h"

#include <algorithm>

namespace vexa {

std::vector<std::string> DisplayStringEditorRows(const std::vector<std::string>& strings) {
    std::vector<std::string> rows(kDisplayStringRows);
    std::copy_n(strings.begin(), std::min(strings.size(), rows.size()), rows.begin());
    return rows;
}

} // namespace vexa
