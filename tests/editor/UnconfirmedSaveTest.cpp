// A collection saved on a disk that cannot confirm the new name: in this
// program every directory's fsync fails, as on a failing disk. The file
// is saved all the same, and the author is told what was not confirmed.
#include "CollectionFile.h"
#include "IoError.h"
#include "Levels.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

// Takes the place of the C library's fsync for this program only.
extern "C" int fsync(int fd)
{
    struct stat info { };
    if (::fstat(fd, &info) == 0 && S_ISDIR(info.st_mode)) {
        errno = EIO;
        return -1;
    }
    return static_cast<int>(::syscall(SYS_fsync, fd));
}

TEST(UnconfirmedSave, CountsAsSavedAndSaysWhatWasNotConfirmed)
{
    TempDir dir;
    const auto path = dir.Write("velor.dat", NumberedLevelFile(2));
    const CollectionSave save = SaveCollection(path.string(), {NumberedLevel(5)});
    EXPECT_TRUE(save.Saved);
    EXPECT_NE(save.Message.find("ist gespeichert, aber das System kann nicht bestätigen"), std::string::npos)
        << save.Message;
    EXPECT_NE(save.Message.find(IoErrorText(IoErrorFromErrno(EIO))), std::string::npos) << save.Message;
    EXPECT_EQ(save.Message.find("unverändert"), std::string::npos) << save.Message;

    std::ifstream in(path, std::ios::binary);
    EXPECT_EQ(std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), {}), CollectionBytes({NumberedLevel(5)}));
    // The editor knows the file as written: the next save asks nothing.
    KnownFile disk;
    disk.Saw(path.string(), save.Stamp);
    EXPECT_EQ(disk.ChangeAt(path.string()), FileChange::None);
}
