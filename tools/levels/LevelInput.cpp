#include "LevelInput.h"

#include "LevelFile.h"

#include <cerrno>
#include <charconv>
#include <cstring>
#include <ostream>

namespace {

std::string WhyNotOpened(int error)
{
    switch (error) {
    case ENOENT:
    case ENOTDIR:
        return "no such file";
    case EISDIR:
    case EINVAL:
        return "not a regular file";
    case EACCES:
    case EPERM:
        return "no permission to read it";
    default:
        return std::strerror(error);
    }
}

std::string FaultText(LevelFileFault fault, const LevelFileContents& contents)
{
    switch (fault) {
    case LevelFileFault::IncompleteLastRecord:
        return "size " + std::to_string(contents.FileBytes) + " is not a multiple of " + std::to_string(LevelRecordSize)
            + ": " + std::to_string(contents.BytesAfterLastRecord()) + " bytes after the last complete record";
    case LevelFileFault::MoreThanTheGamePlays:
        return std::to_string(contents.RecordsInFile()) + " records, more than " + std::to_string(MaxLevels)
            + ": the game loads only the first " + std::to_string(MaxLevels);
    case LevelFileFault::ReadStopped:
        return "reading failed after record " + std::to_string(contents.Records.size());
    case LevelFileFault::NoCompleteRecord:
        return "no complete level record";
    }
    return {};
}

} // namespace

std::optional<LevelInput> LoadLevels(const std::string& path, std::string& error)
{
    int failure = 0;
    const auto contents = ReadLevelContents(path.c_str(), MaxLevels, failure);
    if (!contents) {
        error = "cannot open " + path + ": " + WhyNotOpened(failure);
        return std::nullopt;
    }
    LevelInput input;
    input.Size = contents->FileBytes;
    input.RecordsInFile = contents->RecordsInFile();
    input.Levels = contents->Records;
    for (const LevelFileFault fault : FaultsOf(*contents))
        input.Faults.push_back(FaultText(fault, *contents));
    return input;
}

std::optional<int> LevelNumber(const std::string& text, int count)
{
    int n = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), n);
    if (error != std::errc() || end != text.data() + text.size() || n < 1 || n > count)
        return std::nullopt;
    return n;
}

std::optional<TLevelRecord> LevelOfCall(const std::vector<std::string>& args, const char* command, std::ostream& err,
                                        int& number)
{
    if (args.size() != 2) {
        err << "usage: velorin-levels " << command << " FILE N\n";
        return std::nullopt;
    }
    std::string error;
    const auto input = LoadLevels(args[0], error);
    if (!input) {
        err << "velorin-levels: " << error << "\n";
        return std::nullopt;
    }
    for (const std::string& fault : input->Faults)
        err << "velorin-levels: warning: " << args[0] << ": " << fault << "\n";
    const int count = static_cast<int>(input->Levels.size());
    const auto n = LevelNumber(args[1], count);
    if (!n) {
        if (count == 0)
            err << "velorin-levels: " << args[0] << " holds no level\n";
        else
            err << "velorin-levels: level \"" << args[1] << "\" does not exist: " << args[0] << " holds levels 1 to "
                << count << "\n";
        return std::nullopt;
    }
    number = *n;
    return input->Levels[*n - 1];
}
