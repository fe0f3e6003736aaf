// Saving one of the game's small files by name, the way careful programs
// replace a file: never seen half written, and without breaking what the
// player has set up around it.
#pragma once

#include <cstdint>
#include <span>

// Saves `bytes` as the file at `path`:
// - A symbolic link is followed to the file it finally names, so the link
//   stays and the file behind it (a list shared by two directories) gets
//   the bytes.
// - A file the player may not write is left as it is (EACCES), as any
//   refused write.
// - Otherwise the bytes go to "<file>.tmp" beside the file, are flushed to
//   the disk, and the temporary takes the file's name; the directory is
//   flushed so that the new name survives a power cut. The new file keeps
//   the permission bits and, where it can, the owner of the old one.
// - Where no temporary can be made beside it (a directory the player may
//   not write) or replacing would break something (a file with further
//   hard links, an owner the new file cannot be given), the file itself is
//   overwritten in place, flushed and synced.
// Returns 0, or the errno of the step that failed. A failure before the
// new file has the name leaves the old one as it was; in place, the old
// bytes stay until the one write that covers them.
int SaveFile(const char* path, std::span<const std::uint8_t> bytes);
