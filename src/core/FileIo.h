// Reading the game's small binary files by name (FileSave.h saves them).
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

struct FileRead {
    // 0 when the file was opened and read; otherwise the errno of the
    // failure. Only a regular file (or a link to one) is read: a directory
    // in its place fails with EISDIR, a pipe or a device with EINVAL.
    int Error = 0;
    // True when the file could be opened at all (Error may still report
    // a failure while reading).
    bool Opened = false;
    std::uintmax_t Size = 0; // the whole file's size, read or not
    std::vector<std::uint8_t> Bytes;
};

// Reads at most `limit` bytes from the start of the file at `path`.
FileRead ReadFilePrefix(const char* path, std::size_t limit);
