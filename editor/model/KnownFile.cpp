#include "KnownFile.h"

#include "FileIo.h"

#include <cerrno>
#include <functional>
#include <string_view>

namespace {

std::size_t HashOf(std::span<const std::uint8_t> bytes)
{
    return std::hash<std::string_view> {}(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

std::filesystem::file_time_type ModifiedTime(const std::string& path)
{
    std::error_code ignored; // no time: the content still decides
    return std::filesystem::last_write_time(path, ignored);
}

} // namespace

FileStamp StampOf(const std::string& path, std::span<const std::uint8_t> bytes)
{
    return {bytes.size(), HashOf(bytes), ModifiedTime(path)};
}

FileChange ChangeSince(const FileStamp& seen, const std::string& path)
{
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(path, error);
    if (status.type() == std::filesystem::file_type::not_found)
        return FileChange::Gone;
    if (status.type() != std::filesystem::file_type::regular)
        return FileChange::Changed;
    // One byte more than was seen tells a grown file without reading all of it.
    const FileRead now = ReadFilePrefix(path.c_str(), seen.Size + 1);
    if (now.Error == ENOENT)
        return FileChange::Gone;
    if (!now.Opened || now.Error != 0 || now.Bytes.size() != seen.Size || HashOf(now.Bytes) != seen.ContentHash)
        return FileChange::Changed;
    return ModifiedTime(path) == seen.Modified ? FileChange::None : FileChange::Touched;
}

void KnownFile::Saw(const std::string& path, const FileStamp& stamp)
{
    Name = path;
    Seen = stamp;
}

bool KnownFile::Names(const std::string& path) const
{
    if (Name.empty())
        return false;
    // The same name, also written otherwise or through links (which need
    // not lead to a file yet), or a second name of the same file.
    std::error_code one, other;
    const std::filesystem::path resolved = std::filesystem::weakly_canonical(path, one);
    const std::filesystem::path known = std::filesystem::weakly_canonical(Name, other);
    return (!one && !other && resolved == known) || std::filesystem::equivalent(path, Name, one);
}

FileChange KnownFile::ChangeAt(const std::string& path) const
{
    return Names(path) ? ChangeSince(Seen, path) : FileChange::None;
}
