#include "headless_project.h"

#include <cstdio>

namespace vexa::cli {

std::filesystem::path ProgramFolder() {
    std::error_code error;
    const auto executable = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::filesystem::current_path() : executable.parent_path();
}

HeadlessProject::HeadlessProject(std::filesystem::path folder)
    : programFolder(std::move(folder)),
      catalog(Catalog::FromFile((programFolder / "FB.ini").string())) {}

bool HeadlessProject::Open(const std::filesystem::path& path) {
    if (!std::filesystem::is_regular_file(path) || !project.OpenProjectFile(path)) {
        std::fprintf(stderr, "Cannot read the project file %s\n", path.string().c_str());
        return false;
    }
    for (const std::string& message : prompts.messages) {
        std::fprintf(stderr, "%s\n", message.c_str());
    }
    return prompts.messages.empty();
}

void HeadlessProject::PrintRefusal(const AddressCheck& check) const {
    std::printf("%s (function %s, block %s)\n", check.message.c_str(),
                project.Page(check.page).FCName().c_str(), check.block->Name.c_str());
}

} // namespace vexa::cli
