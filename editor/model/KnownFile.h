// The file a collection belongs to, as the editor last read or wrote it.
// Before the editor overwrites it, it can tell whether another program
// changed it meanwhile, so that nobody's work goes unasked.
#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>

// A file as the editor saw it (through any links): the bytes the editor
// read from it or wrote to it, by their size and hash, and its time.
struct FileStamp {
    std::uint64_t Size = 0;
    std::size_t ContentHash = 0;
    std::filesystem::file_time_type Modified {};
};

// The file at `path` just read or written: it holds `bytes`.
FileStamp StampOf(const std::string& path, std::span<const std::uint8_t> bytes);

enum class FileChange {
    None,    // the same bytes at the same time
    Touched, // the same bytes with a new time: overwriting loses nothing
    Changed, // other bytes, something else than a file, or no longer readable
    Gone,    // nothing under the name any more
};

// What became of the file at `path` since it was as `seen`. Size and time
// may lie (a program can set the time back): the content decides.
FileChange ChangeSince(const FileStamp& seen, const std::string& path);

class KnownFile {
public:
    // No file: a new collection or one just made.
    void Forget() { Name.clear(); }
    // `path` was just read or written and was then as `stamp`.
    void Saw(const std::string& path, const FileStamp& stamp);

    bool Empty() const { return Name.empty(); }
    const std::string& Path() const { return Name; }

    // What another program did to the file at `path` since the editor saw
    // it. None for a file the editor has not seen: whoever chose that name
    // has been asked about overwriting it already.
    FileChange ChangeAt(const std::string& path) const;

private:
    bool Names(const std::string& path) const;

    std::string Name;
    FileStamp Seen;
};
