// Reading the game's files by name: only a regular file is read, whatever
// else a player's directory holds under that name.
#include "FileIo.h"

#include "TempDir.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <future>
#include <sys/stat.h>
#include <unistd.h>

TEST(FileRead, TakesAtMostTheLimitFromARegularFile)
{
    TempDir dir;
    const auto path = dir.Write("velor.dat", std::vector<std::uint8_t>(500, 9));
    const FileRead part = ReadFilePrefix(path.c_str(), 200);
    EXPECT_TRUE(part.Opened);
    EXPECT_EQ(part.Error, 0);
    EXPECT_EQ(part.Bytes, std::vector<std::uint8_t>(200, 9));
    EXPECT_EQ(ReadFilePrefix(path.c_str(), 1000).Bytes.size(), 500u);

    const FileRead missing = ReadFilePrefix(dir.File("VScore.dat").c_str(), 160);
    EXPECT_FALSE(missing.Opened);
    EXPECT_EQ(missing.Error, ENOENT);

    std::filesystem::create_directory(dir.File("dir"));
    const FileRead directory = ReadFilePrefix(dir.File("dir").c_str(), 160);
    EXPECT_FALSE(directory.Opened);
    EXPECT_EQ(directory.Error, EISDIR);
}

TEST(FileRead, ANamedPipeIsRefusedAtOnceInsteadOfWaitingForAWriter)
{
    TempDir dir;
    const auto path = dir.File("velor.dat");
    ASSERT_EQ(::mkfifo(path.c_str(), 0644), 0);
    auto reading = std::async(std::launch::async, [&path] { return ReadFilePrefix(path.c_str(), 162); });
    if (reading.wait_for(std::chrono::seconds(10)) != std::future_status::ready) {
        // Let the blocked reader go: a writer that opens and closes at once.
        const int writer = ::open(path.c_str(), O_WRONLY | O_NONBLOCK);
        if (writer >= 0)
            ::close(writer);
        FAIL() << "reading a named pipe blocked until a writer came";
    }
    const FileRead pipe = reading.get();
    EXPECT_FALSE(pipe.Opened);
    EXPECT_NE(pipe.Error, 0);
    EXPECT_TRUE(pipe.Bytes.empty());
}

TEST(FileRead, ADeviceIsRefusedEvenThroughALink)
{
    TempDir dir;
    const auto path = dir.File("VScore.dat");
    std::filesystem::create_symlink("/dev/zero", path);
    const FileRead device = ReadFilePrefix(path.c_str(), 160);
    EXPECT_FALSE(device.Opened);
    EXPECT_TRUE(device.Bytes.empty());

    // A link to a regular file is read like the file itself.
    const auto real = dir.Write("levels", std::vector<std::uint8_t>(162, 4));
    std::filesystem::create_symlink(real, dir.File("velor.dat"));
    EXPECT_EQ(ReadFilePrefix(dir.File("velor.dat").c_str(), 1000).Bytes.size(), 162u);
}
