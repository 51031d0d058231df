#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace vexa {

// A file that cannot be read or written; what() names the file and the reason.
class FileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Project files are Windows-1251 text; the program keeps its text in UTF-8.
std::string Cp1251ToUtf8(std::string_view bytes);
// Characters the code page cannot hold become '?'.
std::string Utf8ToCp1251(std::string_view text);

// Lines ended by CR LF or LF alone; a last line without an end counts, an empty text has none.
std::vector<std::string> SplitLines(std::string_view bytes);
// Every line followed by CR LF.
std::string JoinLinesCrLf(const std::vector<std::string>& lines);

// UTF-8 helpers shared by the text formats.
void AppendUtf8(std::string& out, char32_t codePoint);
// The character at the start of `text` and the bytes it takes; 0 bytes when the text does not
// start with valid UTF-8 (stray continuation, overlong form, surrogate, cut short).
std::pair<char32_t, std::size_t> DecodeUtf8(std::string_view text);
// The code page's byte of a character, '?' for one it cannot hold.
char ToCodePage(char32_t codePoint);
bool InCodePage(char32_t codePoint);

std::string ReadFileBytes(const std::filesystem::path& path);
// Writes a temporary file in the same folder, flushes it to disk and renames it over the old
// one, so a failure midway leaves the old file whole.
void WriteFileAtomic(const std::filesystem::path& path, std::string_view bytes);

} // namespace vexa
