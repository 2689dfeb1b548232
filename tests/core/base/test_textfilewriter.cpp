#include "core/base/textfile.h"
#include "core/base/textfilewriter.h"
#include "tempfolder.h"
#include "thrown.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace kora {
namespace {

namespace fs = std::filesystem;
using test::ReadBytes;

std::ptrdiff_t entries(const fs::path& dir) {
    return std::distance(fs::directory_iterator(dir), fs::directory_iterator());
}

TEST(TextFileWriterTest, ReplacesBytesOnlyOnCommit) {
    test::TempFolder dir;
    const std::string target = dir.file("out.txt");
    WriteTextFileAtomically(target, "first\r\nversion\r\n");
    EXPECT_EQ(ReadBytes(target), "first\r\nversion\r\n");
    WriteTextFileAtomically(target, "");
    EXPECT_TRUE(fs::exists(target) && fs::file_size(target) == 0);

    WriteTextFileAtomically(target, "previous\r\n");
    try { // an abandoned write keeps the previous file
        TextFileWriter writer(target);
        writer.write("half of the new ");
        throw KoraError(err::SubscriptOutOfRange, "Subscript out of range");
    } catch (const KoraError&) {
    }
    EXPECT_EQ(ReadBytes(target), "previous\r\n");
    TextFileWriter writer(target);
    writer.write("new ");
    writer.write("");
    writer.write("content\r\n");
    EXPECT_EQ(ReadBytes(target), "previous\r\n");
    writer.commit();
    EXPECT_EQ(ReadBytes(target), "new content\r\n");
    EXPECT_EQ(entries(dir.path()), 1); // no temporary file left
}

TEST(TextFileWriterTest, FailuresCarryTheClassicNumberAndLeaveNoTrace) {
    test::TempFolder dir;
    fs::create_directories(dir.path() / "a folder");
    const std::pair<std::string, int> cases[] = {
        {dir.file("missing/out.txt"), err::PathNotFound},
        {dir.file("a folder"), err::PathFileAccessError}, // a folder is in the way
        {"", err::BadFileName}};
    for (const auto& c : cases) // (Clang 14 lambdas cannot capture structured bindings)
        EXPECT_EQ(test::ThrownBy([&] { WriteTextFileAtomically(c.first, "data\r\n"); }).number,
                  c.second)
            << c.first;
    EXPECT_TRUE(fs::is_directory(dir.path() / "a folder"));
    EXPECT_EQ(entries(dir.path()), 1);
}

} // namespace
} // namespace kora
