// Reading files that anyone may have put in the game's way: only plain files, never
// waiting on a pipe, never more than the limit, and a buffer the size of the file.

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <string>
#include <sys/resource.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "files/filereader.h"
#include "text/rtf.h"
#include "support/pipewatch.h"
#include "support/testfolder.h"

using namespace quorvel;

namespace {

void writeText(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

/// The address space this process uses now, in bytes (VmSize of /proc/self/status).
std::size_t addressSpaceInUse() {
    std::ifstream status("/proc/self/status");
    std::string word;
    while (status >> word)
        if (word == "VmSize:") {
            std::size_t kib = 0;
            status >> kib;
            return kib * 1024;
        }
    return 0;
}

} // namespace

TEST(FileReader, ReadsWholeFilesUpToTheirLimitAndTheStartOfLongerOnes) {
    test::TestFolder folder;
    const std::string path = folder.home() + "ten.txt";
    writeText(path, "0123456789");
    std::string bytes = "left over";

    EXPECT_EQ(readFile(path, 10, bytes), FileRead::ok);
    EXPECT_EQ(bytes, "0123456789");
    EXPECT_EQ(readFile(path, 9, bytes), FileRead::tooLarge);
    EXPECT_EQ(bytes, "");
    EXPECT_FALSE(readWholeFile(path, bytes, 9));

    EXPECT_EQ(readFileStart(path, 4, bytes), FileRead::ok);
    EXPECT_EQ(bytes, "0123");
    EXPECT_EQ(readFileStart(path, 100, bytes), FileRead::ok);
    EXPECT_EQ(bytes, "0123456789");

    const std::string empty = folder.home() + "empty.txt";
    writeText(empty, "");
    EXPECT_EQ(readFile(empty, 0, bytes), FileRead::ok);
    EXPECT_EQ(bytes, "");

    // A link to a file is read as the file; a link to nothing is missing.
    const std::string link = folder.home() + "link.txt";
    ASSERT_EQ(::symlink(path.c_str(), link.c_str()), 0);
    EXPECT_EQ(readFile(link, 10, bytes), FileRead::ok);
    EXPECT_EQ(bytes, "0123456789");
    const std::string dangling = folder.home() + "dangling.txt";
    ASSERT_EQ(::symlink((folder.home() + "gone").c_str(), dangling.c_str()), 0);
    EXPECT_EQ(readFile(dangling, 10, bytes), FileRead::missing);
    EXPECT_EQ(readFile(folder.home() + "none.txt", 10, bytes), FileRead::missing);
    EXPECT_EQ(readFile(path + "/below", 10, bytes), FileRead::missing);
    EXPECT_EQ(readFile("", 10, bytes), FileRead::missing);
}

TEST(FileReader, FoldersPipesAndDevicesAreRefusedWithoutWaiting) {
    test::TestFolder folder;
    std::string bytes;
    EXPECT_EQ(readFile(folder.home(), 100, bytes), FileRead::notAFile);
    for (const char* device : {"/dev/zero", "/dev/urandom", "/dev/null"}) {
        EXPECT_EQ(readFile(device, 100, bytes), FileRead::notAFile) << device;
        EXPECT_EQ(readFileStart(device, 100, bytes), FileRead::notAFile) << device;
    }
    const std::string link = folder.home() + "zero.txt";
    ASSERT_EQ(::symlink("/dev/zero", link.c_str()), 0);
    EXPECT_EQ(readFileStart(link, 100, bytes), FileRead::notAFile);

    const std::string pipe = folder.home() + "pipe.txt";
    ASSERT_TRUE(test::makePipe(pipe));
    FileRead read = FileRead::ok;
    EXPECT_TRUE(test::runsWithoutWaitingOn(pipe, [&] { read = readFile(pipe, 100, bytes); }));
    EXPECT_EQ(read, FileRead::notAFile);
    // A file whose reading fails (this process's memory from address 0): unreadable, at once.
    EXPECT_EQ(readFileStart("/proc/self/mem", 100, bytes), FileRead::unreadable);
}

TEST(FileReader, AHugeSparseFileCostsNoMoreThanItsLimit) {
    test::TestFolder folder;
    const std::string path = folder.home() + "huge.sav";
    {
        std::FILE* f = std::fopen(path.c_str(), "wb");
        ASSERT_NE(f, nullptr);
        std::fputs("QV3S", f);
        std::fclose(f);
    }
    ASSERT_EQ(::truncate(path.c_str(), 3LL << 30), 0); // 3 GiB, nearly all holes
    std::string bytes;
    EXPECT_EQ(readFileStart(path, 34304, bytes), FileRead::ok);
    ASSERT_EQ(bytes.size(), 34304u);
    EXPECT_EQ(bytes.substr(0, 4), "QV3S");
    EXPECT_EQ(bytes[34303], '\0');
    EXPECT_EQ(readFile(path, 16u << 20, bytes), FileRead::tooLarge);
    EXPECT_TRUE(bytes.empty());
}

// A generous limit must not cost its size: a small settings file read with room for
// a large one is read with a buffer of its own size, even where memory is short.
TEST(FileReader, ASmallFileIsReadWithABufferOfItsOwnSize) {
    test::TestFolder folder;
    const std::string path = folder.home() + "quorvel3d.ini";
    writeText(path, "[Ann.Settings]\nSkill=3\n");
    const std::size_t inUse = addressSpaceInUse();
    ASSERT_GT(inUse, 0u);

    rlimit before{};
    ASSERT_EQ(::getrlimit(RLIMIT_AS, &before), 0);
    rlimit tight = before;
    tight.rlim_cur = inUse + (32u << 20);
    if (before.rlim_max != RLIM_INFINITY && tight.rlim_cur > before.rlim_max)
        GTEST_SKIP() << "the address space is already limited below this test's needs";
    ASSERT_EQ(::setrlimit(RLIMIT_AS, &tight), 0);
    std::string bytes;
    const FileRead read = readFile(path, 256u << 20, bytes);
    ::setrlimit(RLIMIT_AS, &before);

    EXPECT_EQ(read, FileRead::ok);
    EXPECT_EQ(bytes, "[Ann.Settings]\nSkill=3\n");
}

TEST(FileReader, AStoryIsReadOnlyFromAFileAndALongOneWithOneByteMore) {
    std::string bytes;
    EXPECT_FALSE(readRtfFile("/nonexistent/story.rtf", bytes));
    EXPECT_FALSE(readRtfFile("/tmp", bytes)); // a folder is no story
    // As long as the reader takes: whole. Longer: one byte more, which tells the reader.
    test::TestFolder folder;
    const std::string path = folder.home() + "Story.rtf";
    for (const std::size_t size : {rtfMaxInput, rtfMaxInput + 5}) {
        writeText(path, std::string(size, 'a'));
        ASSERT_TRUE(readRtfFile(path, bytes));
        EXPECT_EQ(bytes.size(), std::min(size, rtfMaxInput + 1));
    }
}
