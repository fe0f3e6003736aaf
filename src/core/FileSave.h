// Saving one of the game's small files by name, the way careful programs
// replace a file: never seen half written, and without breaking what the
// player has set up around it.
#pragma once

#include <cstdint>
#include <span>

// The name the new bytes are written under before they take the file's.
enum class TemporaryName {
    // "<file>.tmp", the program's own name beside its own file: whatever a
    // crashed save or anyone else left there is cleared away first.
    Fixed,
    // A new name of the program's own, "<file>.XXXXXX.tmp", for files
    // beside which a user's own file may bear any name.
    Unique,
};

struct SaveOutcome {
    // 0, or the errno of the step that failed.
    int Error = 0;
    // The new bytes stand under the file's name. With an error, only their
    // way onto the disk could not be confirmed (a directory that did not
    // sync): the file is saved all the same.
    bool Saved = false;
};

// Saves `bytes` as the file at `path`:
// - A symbolic link is followed to the file it finally names, so the link
//   stays and the file behind it (a list shared by two directories) gets
//   the bytes.
// - A file the player may not write is left as it is (EACCES), as any
//   refused write.
// - Otherwise the bytes go to a temporary file beside the file, made anew
//   (never written through a link, a pipe or another file's name), are
//   flushed to the disk, and the temporary takes the file's name; the
//   directory is flushed so that the new name survives a power cut. The
//   new file keeps the permission bits and, where it can, the owner of the
//   old one.
// - Where no temporary can be made beside it (a directory the player may
//   not write) or replacing would break something (a file with further
//   hard links, an owner the new file cannot be given), the file itself is
//   overwritten in place, flushed and synced.
// A failure before the bytes stand under the name leaves the old file as
// it was; in place, the old bytes stay until the one write that covers them.
SaveOutcome SaveFile(const char* path, std::span<const std::uint8_t> bytes,
                     TemporaryName naming = TemporaryName::Fixed);
