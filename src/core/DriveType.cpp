#include "DriveType.h"

#include <linux/magic.h>
#include <sys/vfs.h>

#ifndef UDF_SUPER_MAGIC
#define UDF_SUPER_MAGIC 0x15013346
#endif

bool IsCdRomFileSystem(unsigned long fileSystemType)
{
    return fileSystemType == ISOFS_SUPER_MAGIC || fileSystemType == UDF_SUPER_MAGIC;
}

bool IsOnCdRom(const char* path)
{
    struct statfs info { };
    if (::statfs(path, &info) != 0)
        return false;
    return IsCdRomFileSystem(static_cast<unsigned long>(info.f_type));
}
