// Reading the game's small binary files by name.
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
    std::vector<std::uint8_t> Bytes;
};

// Reads at most `limit` bytes from the start of the file at `path`.
FileRead ReadFilePrefix(const char* path, std::size_t limit);

// Replaces the file at `path` with `bytes` so that it is never seen half
// written: the bytes go to "<path>.tmp" beside it, are flushed to the disk,
// the temporary then takes the file's name, and the directory is flushed
// so that the new name survives a power cut. The new file keeps the
// permission bits of the one it replaces. Returns 0, or the errno of the
// step that failed; up to the rename a failure leaves the old file as it
// was. (One game per directory, so the one temporary name is enough.)
int WriteFileAtomically(const char* path, std::span<const std::uint8_t> bytes);
