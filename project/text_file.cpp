#include "text_file.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <random>
#include <unistd.h>
#include <utility>

namespace vexa {

namespace {

// Code points of bytes 0x80 to 0xFF. Byte 0x98 has no character in the code page; it maps to
// U+0098 so that a file read and written again keeps its bytes.
constexpr std::array<char16_t, 128> kHighHalf = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, 0x20AC, 0x2030, 0x0409, 0x2039,
    0x040A, 0x040C, 0x040B, 0x040F, 0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x0098, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F, 0x00A0, 0x040E, 0x045E, 0x0408,
    0x00A4, 0x0490, 0x00A6, 0x00A7, 0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7, 0x0451, 0x2116, 0x0454, 0x00BB,
    0x0458, 0x0405, 0x0455, 0x0457, 0x0410, 0x0411, 0x0412, 0x0413, 0x0414, 0x0415, 0x0416, 0x0417,
    0x0418, 0x0419, 0x041A, 0x041B, 0x041C, 0x041D, 0x041E, 0x041F, 0x0420, 0x0421, 0x0422, 0x0423,
    0x0424, 0x0425, 0x0426, 0x0427, 0x0428, 0x0429, 0x042A, 0x042B, 0x042C, 0x042D, 0x042E, 0x042F,
    0x0430, 0x0431, 0x0432, 0x0433, 0x0434, 0x0435, 0x0436, 0x0437, 0x0438, 0x0439, 0x043A, 0x043B,
    0x043C, 0x043D, 0x043E, 0x043F, 0x0440, 0x0441, 0x0442, 0x0443, 0x0444, 0x0445, 0x0446, 0x0447,
    0x0448, 0x0449, 0x044A, 0x044B, 0x044C, 0x044D, 0x044E, 0x044F,
};

using CodePointToByte = std::pair<char16_t, unsigned char>;

// The high half sorted by code point, for the way back.
constexpr std::array<CodePointToByte, 128> kByCodePoint = [] {
    std::array<CodePointToByte, 128> table{};
    for (std::size_t i = 0; i < table.size(); ++i) {
        table[i] = {kHighHalf[i], static_cast<unsigned char>(0x80 + i)};
    }
    std::sort(table.begin(), table.end());
    return table;
}();

std::string Describe(const std::filesystem::path& path, int error) {
    return "\"" + path.string() + "\": " + std::strerror(error);
}

// A name no other writer in this folder is using at the moment: the target's name, the process
// and a random part.
std::filesystem::path TemporaryNameFor(const std::filesystem::path& path) {
    static std::atomic<unsigned> counter{0};
    static const unsigned seed = std::random_device{}();
    const std::string name = "." + path.filename().string() + "." + std::to_string(::getpid()) +
                             "." + std::to_string(seed) + "." + std::to_string(++counter) + ".tmp";
    return path.parent_path() / name;
}

// Gives 0 or the error number of the failed write.
int WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return errno;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return 0;
}

} // namespace

void AppendUtf8(std::string& out, char32_t codePoint) {
    if (codePoint < 0x80) {
        out += static_cast<char>(codePoint);
    } else if (codePoint < 0x800) {
        out += static_cast<char>(0xC0 | (codePoint >> 6));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else if (codePoint < 0x10000) {
        out += static_cast<char>(0xE0 | (codePoint >> 12));
        out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (codePoint >> 18));
        out += static_cast<char>(0x80 | ((codePoint >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    }
}

char ToCodePage(char32_t codePoint) {
    if (codePoint < 0x80) {
        return static_cast<char>(codePoint);
    }
    const auto found = std::lower_bound(
        kByCodePoint.begin(), kByCodePoint.end(), codePoint,
        [](const CodePointToByte& entry, char32_t value) { return entry.first < value; });
    return found != kByCodePoint.end() && found->first == codePoint
               ? static_cast<char>(found->second)
               : '?';
}

std::pair<char32_t, std::size_t> DecodeUtf8(std::string_view text) {
    const auto lead = static_cast<unsigned char>(text[0]);
    std::size_t length = 0;
    char32_t codePoint = 0;
    char32_t minimum = 0;
    if (lead < 0x80) {
        return {lead, 1};
    } else if ((lead & 0xE0) == 0xC0) {
        length = 2;
        codePoint = lead & 0x1Fu;
        minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        codePoint = lead & 0x0Fu;
        minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        codePoint = lead & 0x07u;
        minimum = 0x10000;
    } else {
        return {0, 0};
    }
    if (text.size() < length) {
        return {0, 0};
    }
    for (std::size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(text[i]);
        if ((next & 0xC0) != 0x80) {
            return {0, 0};
        }
        codePoint = (codePoint << 6) | (next & 0x3Fu);
    }
    if (codePoint < minimum || codePoint > 0x10FFFF ||
        (codePoint >= 0xD800 && codePoint <= 0xDFFF)) {
        return {0, 0};
    }
    return {codePoint, length};
}

bool InCodePage(char32_t codePoint) {
    return codePoint == '?' || ToCodePage(codePoint) != '?';
}

std::string Cp1251ToUtf8(std::string_view bytes) {
    std::string text;
    text.reserve(bytes.size());
    for (const char byte : bytes) {
        const auto code = static_cast<unsigned char>(byte);
        AppendUtf8(text, code < 0x80 ? code : kHighHalf[code - 0x80u]);
    }
    return text;
}

std::string Utf8ToCp1251(std::string_view text) {
    std::string bytes;
    bytes.reserve(text.size());
    while (!text.empty()) {
        const auto [codePoint, length] = DecodeUtf8(text);
        bytes += length == 0 ? '?' : ToCodePage(codePoint);
        text.remove_prefix(std::max<std::size_t>(length, 1));
    }
    return bytes;
}

std::vector<std::string> SplitLines(std::string_view bytes) {
    std::vector<std::string> lines;
    while (!bytes.empty()) {
        const std::size_t end = bytes.find('\n');
        std::string_view line = bytes.substr(0, end);
        if (end != std::string_view::npos && !line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        lines.emplace_back(line);
        bytes = end == std::string_view::npos ? std::string_view() : bytes.substr(end + 1);
    }
    return lines;
}

std::string JoinLinesCrLf(const std::vector<std::string>& lines) {
    std::string bytes;
    for (const std::string& line : lines) {
        bytes += line;
        bytes += "\r\n";
    }
    return bytes;
}

std::string ReadFileBytes(const std::filesystem::path& path) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) {
        throw FileError(Describe(path, errno));
    }
    std::string bytes;
    std::array<char, 65536> buffer;
    std::size_t count = 0;
    while ((count = std::fread(buffer.data(), 1, buffer.size(), file)) > 0) {
        bytes.append(buffer.data(), count);
    }
    const int error = std::ferror(file) ? errno : 0;
    std::fclose(file);
    if (error != 0) {
        throw FileError(Describe(path, error));
    }
    return bytes;
}

void WriteFileAtomic(const std::filesystem::path& path, std::string_view bytes) {
    std::filesystem::path temporary;
    int fd = -1;
    do {
        temporary = TemporaryNameFor(path);
        fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    } while (fd < 0 && errno == EEXIST);
    if (fd < 0) {
        throw FileError(Describe(path, errno));
    }
    int error = WriteAll(fd, bytes);
    if (error == 0 && ::fsync(fd) != 0) {
        error = errno;
    }
    if (::close(fd) != 0 && error == 0) {
        error = errno;
    }
    if (error == 0 && std::rename(temporary.c_str(), path.c_str()) != 0) {
        error = errno;
    }
    if (error != 0) {
        ::unlink(temporary.c_str());
        throw FileError(Describe(path, error));
    }
}

} // namespace vexa
