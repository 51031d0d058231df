#include "temp_folder.h"
#include "text_file.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>

namespace vexa {
namespace {

using test::TempFolder;
using testing::HasSubstr;

TEST(CodePage, EveryByteSurvivesTheWayThroughUtf8) {
    std::string bytes;
    for (int code = 0; code < 256; ++code) {
        bytes += static_cast<char>(code);
    }
    EXPECT_EQ(Utf8ToCp1251(Cp1251ToUtf8(bytes)), bytes);
}

TEST(CodePage, BytesMapToTheirCharacters) {
    const struct {
        const char* bytes;
        const char* text;
    } cases[] = {
        {"Motor 1", "Motor 1"},
        {"\xcd\xe0\xf1\xee\xf1 \xe2\xea\xeb\xfe\xf7\xb8\xed", "Насос включён"},
        {"\xc0\xdf\xe0\xff\xa8\xb8", "АЯаяЁё"},
        {"\x80\x88\xb9\xa5\xb4\xb2\xb3", "Ђ€№ҐґІі"},
        {"\x96\x97\x85\xab\xbb", "–—…«»"},
        {"\xa0\x98", "\u00a0\u0098"}, // 0x98 has no character in the code page
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Cp1251ToUtf8(c.bytes), c.text) << c.text;
        EXPECT_EQ(Utf8ToCp1251(c.text), c.bytes) << c.text;
    }
}

TEST(CodePage, WhatTheCodePageCannotHoldBecomesQuestionMarks) {
    const struct {
        const char* text;
        const char* bytes;
    } cases[] = {
        {"Grüße", "Gr??e"},
        {"日本", "??"},
        {"a😀b", "a?b"},
        {"\xff", "?"},             // never valid in UTF-8
        {"a\x80z", "a?z"},         // stray continuation byte
        {"\xc0\xaf", "??"},        // overlong form of '/'
        {"\xed\xa0\x80", "???"},   // surrogate
        {"\xe2\x82z", "??z"},      // cut-short character
        {"\xd0\x90\xd0", "\xc0?"}, // ends inside a character
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Utf8ToCp1251(c.text), c.bytes) << c.text;
    }
}

TEST(Lines, SplitOnCrLfOrLf) {
    const struct {
        const char* bytes;
        std::vector<std::string> lines;
    } cases[] = {
        {"", {}},
        {"a\r\nb\r\n", {"a", "b"}},
        {"a\nb", {"a", "b"}},
        {"a\r\n\r\nb\n", {"a", "", "b"}},
        {"\r\n", {""}},
        {"a\rb\n", {"a\rb"}}, // a lone CR ends no line
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SplitLines(c.bytes), c.lines) << c.bytes;
    }
    const std::vector<std::string> lines = {"x", "", " y "};
    EXPECT_EQ(JoinLinesCrLf(lines), "x\r\n\r\n y \r\n");
    EXPECT_EQ(SplitLines(JoinLinesCrLf(lines)), lines);
}

TEST(Files, AtomicWriteReplacesAndLeavesNoTemporary) {
    TempFolder folder;
    const auto path = folder / "Symbol.pdb";
    WriteFileAtomic(path, "old\r\n");
    WriteFileAtomic(path, std::string("new\0\xff\r\n", 7));
    EXPECT_EQ(ReadFileBytes(path), std::string("new\0\xff\r\n", 7));
    EXPECT_EQ(folder.EntryCount(), 1);
}

TEST(Files, MissingFilesAndFoldersAreFileErrors) {
    TempFolder folder;
    const auto missingFolder = folder / "missing" / "HW.pdb";
    try {
        WriteFileAtomic(missingFolder, "x");
        FAIL() << "no error";
    } catch (const FileError& error) {
        EXPECT_THAT(error.what(), HasSubstr(missingFolder.string()));
        EXPECT_THAT(error.what(), HasSubstr("No such file or directory"));
    }
    EXPECT_THROW(ReadFileBytes(folder / "Indicate.pdb"), FileError);
    EXPECT_THROW(ReadFileBytes(folder.Path()), FileError);
}

// The target is a folder, so the rename fails after a complete write.
TEST(Files, FailedRenameKeepsTheTargetAndRemovesTheTemporary) {
    TempFolder folder;
    const auto target = folder / "HW.pdb";
    std::filesystem::create_directory(target);
    EXPECT_THROW(WriteFileAtomic(target, "x"), FileError);
    EXPECT_TRUE(std::filesystem::is_directory(target));
    EXPECT_EQ(folder.EntryCount(), 1);
}

// A file size limit makes the disk "full" partway through the write, even for root.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &saved_);
        oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limited = saved_;
        limited.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, oldHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit saved_{};
    void (*oldHandler_)(int) = nullptr;
};

TEST(Files, FullDiskKeepsTheOldFile) {
    TempFolder folder;
    const auto path = folder / "Symbol.pdb";
    WriteFileAtomic(path, "old content");
    {
        const FileSizeLimit limit(1024);
        try {
            WriteFileAtomic(path, std::string(8192, 'x'));
            FAIL() << "no error";
        } catch (const FileError& error) {
            EXPECT_THAT(error.what(), HasSubstr(path.string()));
        }
    }
    EXPECT_EQ(ReadFileBytes(path), "old content");
    EXPECT_EQ(folder.EntryCount(), 1);
}

} // namespace
} // namespace vexa
