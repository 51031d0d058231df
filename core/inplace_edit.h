#pragma once

#include <string>

namespace vexa {

// The state of a block's one-line in-place editor. The widget shows it while visible; what an
// edit means is the block's own end-of-edit operation, which reads text and hides the editor.
struct InPlaceEdit {
    bool visible = false;
    std::string text;
    bool selectAll = false;

    void Open(std::string initial, bool selectWholeText) {
        text = std::move(initial);
        selectAll = selectWholeText;
        visible = true;
    }
};

} // namespace vexa
