#include "core/base/koraerror.h"
#include "core/base/textfile.h"
#include "core/base/textfilewriter.h"
#include "tempfolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace kora {
namespace {

namespace fs = std::filesystem;

std::string readFile(const fs::path& p) {
    return test::ReadBytes(p.string());
}

class TextFileWriterTest : public ::testing::Test {
protected:
    test::TempFolder folder;
    const fs::path& dir = folder.path();
};

TEST_F(TextFileWriterTest, WritesAndReplacesBytesExactly) {
    const fs::path target = dir / "out.txt";
    WriteTextFileAtomically(target.string(), "first\r\nversion\r\n");
    EXPECT_EQ(readFile(target), "first\r\nversion\r\n");
    WriteTextFileAtomically(target.string(), "x\r\n");
    EXPECT_EQ(readFile(target), "x\r\n");
    WriteTextFileAtomically(target.string(), "");
    EXPECT_TRUE(fs::exists(target));
    EXPECT_EQ(fs::file_size(target), 0u);
    // Nothing but the target is left in the folder.
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
}

TEST_F(TextFileWriterTest, AbandonedWriteKeepsThePreviousFile) {
    const fs::path target = dir / "study.txt";
    WriteTextFileAtomically(target.string(), "previous\r\n");
    try {
        TextFileWriter writer(target.string());
        writer.write("half of the new ");
        throw KoraError(err::SubscriptOutOfRange, "Subscript out of range");
    } catch (const KoraError&) {
    }
    EXPECT_EQ(readFile(target), "previous\r\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);

    TextFileWriter writer(target.string());
    writer.write("new ");
    writer.write("");
    writer.write("content\r\n");
    EXPECT_EQ(readFile(target), "previous\r\n"); // not before commit
    writer.commit();
    EXPECT_EQ(readFile(target), "new content\r\n");
}

TEST_F(TextFileWriterTest, FailuresCarryTheClassicNumberAndLeaveNoTrace) {
    fs::create_directories(dir / "a folder");
    struct Case {
        fs::path target;
        int number;
    };
    const Case cases[] = {
        {dir / "missing" / "out.txt", err::PathNotFound},
        {dir / "a folder", err::PathFileAccessError}, // a folder is in the way
        {fs::path{}, err::BadFileName},
    };
    for (const auto& c : cases) {
        try {
            WriteTextFileAtomically(c.target.string(), "data\r\n");
            ADD_FAILURE() << "no error for " << c.target;
        } catch (const KoraError& e) {
            EXPECT_EQ(e.number(), c.number) << c.target;
        }
    }
    EXPECT_TRUE(fs::is_directory(dir / "a folder"));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
}

} // namespace
} // namespace kora
