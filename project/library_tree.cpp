#include "library_tree.h"

#include "text_file.h"

namespace vexa {

TreeLoad ParseTree(std::string_view text) {
    TreeLoad load;
    // levels[d] receives the entries of depth d: the children of the last entry one level up.
    // Adding an entry only invalidates the deeper levels, which are dropped at that moment.
    std::vector<std::vector<TreeNode>*> levels{&load.roots};
    const std::vector<std::string> lines = SplitLines(text);
    for (std::size_t index = 0; index < lines.size(); ++index) {
        const std::string& line = lines[index];
        const std::size_t indent = line.find_first_not_of("\t ");
        if (indent == std::string::npos) {
            continue;
        }
        const std::size_t depth = load.roots.empty() ? 0 : indent;
        if (depth >= levels.size()) {
            load.complete = false;
            load.failedLine = static_cast<int>(index + 1);
            break;
        }
        levels.resize(depth + 1);
        levels[depth]->push_back({line.substr(indent), {}});
        levels.push_back(&levels[depth]->back().children);
    }
    return load;
}

} // namespace vexa
