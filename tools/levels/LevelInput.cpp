#include "LevelInput.h"

#include "LevelFile.h"

#include <charconv>
#include <filesystem>
#include <ostream>
#include <system_error>

std::optional<LevelInput> LoadLevels(const std::string& path, std::string& error)
{
    std::error_code code;
    const auto status = std::filesystem::status(path, code);
    if (code || !std::filesystem::exists(status)) {
        error = "cannot open " + path + ": no such file";
        return std::nullopt;
    }
    if (!std::filesystem::is_regular_file(status)) {
        error = "cannot open " + path + ": not a regular file";
        return std::nullopt;
    }
    LevelInput input;
    input.Size = std::filesystem::file_size(path, code);
    if (code) {
        error = "cannot open " + path + ": " + code.message();
        return std::nullopt;
    }

    auto table = std::make_unique<TLevelTable>();
    const LevelFileResult read = ReadLevelFile(path.c_str(), *table);
    if (read.Status == LevelFileStatus::Missing) {
        error = "cannot open " + path + ": no permission to read it";
        return std::nullopt;
    }
    for (int n = 1; n <= read.Count; ++n)
        input.Levels.push_back((*table)[n]);
    input.RecordsInFile = input.Size / LevelRecordSize;
    if (input.Size % LevelRecordSize != 0)
        input.Faults.push_back("size " + std::to_string(input.Size) + " is not a multiple of " +
                               std::to_string(LevelRecordSize) + ": " + std::to_string(input.Size % LevelRecordSize) +
                               " bytes after the last complete record");
    if (input.RecordsInFile > MaxLevels)
        input.Faults.push_back(std::to_string(input.RecordsInFile) + " records, more than " + std::to_string(MaxLevels) +
                               ": the game loads only the first " + std::to_string(MaxLevels));
    if (read.Status == LevelFileStatus::ReadError)
        input.Faults.push_back("reading failed after record " + std::to_string(read.Count));
    if (input.RecordsInFile == 0)
        input.Faults.push_back("no complete level record");
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

