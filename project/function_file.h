#pragma once

#include "block_environment.h"
#include "diagram.h"

#include <filesystem>
#include <memory>
#include <set>
#include <stdexcept>
#include <string>
#include <string_view>

namespace vexa {

// A function file that cannot be read as a diagram; what() says where and why.
class FunctionFileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The text form of a page: the root TatDiagram with the function's properties, then one object
// per block and per link in list order. UTF-8 text with CR LF line ends.
std::string FunctionFileText(const TatDiagram& page);

// Builds a page from the text form. Blocks come from the registry, so their pins are rebuilt
// from class, catalogue, EN and Num before the links attach. Names must be unique in the file
// and not among `namesInUse`. Unknown properties of the root (canvas settings) are ignored.
std::unique_ptr<TatDiagram> ReadFunctionText(std::string_view text,
                                             const BlockEnvironment& environment,
                                             const std::set<std::string>& namesInUse);

// The file itself is Windows-1251; saving replaces it atomically.
void SaveFunctionFile(const TatDiagram& page, const std::filesystem::path& path);
std::unique_ptr<TatDiagram> LoadFunctionFile(const std::filesystem::path& path,
                                             const BlockEnvironment& environment,
                                             const std::set<std::string>& namesInUse);

} // namespace vexa
