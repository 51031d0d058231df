#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vexa {

// The indented tree text of FBTree.ini and HWTree.ini: one entry per line, each leading tab or
// space one level deeper.
struct TreeNode {
    std::string text;
    std::vector<TreeNode> children;
};

struct TreeLoad {
    std::vector<TreeNode> roots;
    bool complete = true;
    int failedLine = 0; // 1-based line that jumped more than one level deeper
};

// A line more than one level deeper than the one before stops the load there; the entries read
// before it are kept. Blank lines are skipped.
TreeLoad ParseTree(std::string_view text);

} // namespace vexa
