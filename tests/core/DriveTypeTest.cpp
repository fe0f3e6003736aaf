// Whether the working directory lies on a CD-ROM: the high-score list is
// then never written.
#include "DriveType.h"

#include <gtest/gtest.h>
#include <linux/magic.h>

TEST(DriveType, OnlyCdAndDvdFileSystemsCountAsCdRom)
{
    EXPECT_TRUE(IsCdRomFileSystem(ISOFS_SUPER_MAGIC));
    EXPECT_TRUE(IsCdRomFileSystem(0x15013346)); // UDF
    EXPECT_FALSE(IsCdRomFileSystem(EXT4_SUPER_MAGIC));
    EXPECT_FALSE(IsCdRomFileSystem(TMPFS_MAGIC));
    EXPECT_FALSE(IsOnCdRom("/tmp"));
}
