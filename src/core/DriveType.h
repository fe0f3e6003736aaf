// Whether a directory lies on a CD-ROM: the game refuses to save its
// high-score list there.
#pragma once

// True when the file system type (statfs's f_type) is one of a CD or DVD.
bool IsCdRomFileSystem(unsigned long fileSystemType);

// True when the directory at `path` lies on an ISO 9660 or UDF file system.
bool IsOnCdRom(const char* path);
