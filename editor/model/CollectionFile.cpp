#include "CollectionFile.h"

#include "FileSave.h"
#include "IoError.h"
#include "LevelFile.h"
#include "StoneRules.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <sys/stat.h>

namespace {

std::string ErrnoText(int error)
{
    return IoErrorText(IoErrorFromErrno(error));
}

// Why a file could not be read. A folder or a pipe is no level file: the
// game's word for it ("access denied") would send the author looking at
// the file's permissions.
std::string ReadErrorText(int error)
{
    if (error == EISDIR)
        return "das ist ein Ordner, keine Datei";
    if (error == EINVAL) // the reader takes regular files only
        return "das ist keine gewöhnliche Datei, sondern etwa eine benannte Pipe oder ein Gerät";
    return ErrnoText(error);
}

// The file under a name (links followed) as a write would leave its mark
// on it: every write moves its times, a replacement brings another inode.
struct OldFile {
    bool Regular = false;
    struct stat Info { };
};

OldFile LookAt(const std::string& path)
{
    OldFile file;
    file.Regular = ::stat(path.c_str(), &file.Info) == 0 && S_ISREG(file.Info.st_mode);
    return file;
}

bool SameTime(const timespec& one, const timespec& other)
{
    return one.tv_sec == other.tv_sec && one.tv_nsec == other.tv_nsec;
}

// Whether the file that was under `path` before a failed save still is, untouched.
bool Untouched(const OldFile& before, const std::string& path)
{
    const OldFile after = LookAt(path);
    return before.Regular && after.Regular && after.Info.st_dev == before.Info.st_dev
        && after.Info.st_ino == before.Info.st_ino && after.Info.st_size == before.Info.st_size
        && SameTime(after.Info.st_mtim, before.Info.st_mtim) && SameTime(after.Info.st_ctim, before.Info.st_ctim);
}

std::string FailureText(const std::string& path, int error, const OldFile& before)
{
    std::string text = "Die Datei „" + path + "“ kann nicht gespeichert werden: " + ErrnoText(error) + ".";
    if (Untouched(before, path))
        text += " Die bisherige Datei ist unverändert.";
    else if (before.Regular) // written over in place, and stopped part-way
        text +=
            " Die bisherige Datei kann dabei beschädigt worden sein; die Sammlung im Editor ist vollständig und lässt "
            "sich unter einem anderen Namen speichern.";
    return text;
}

// The cells of every level whose code the game shows as an invisible block
// although it is not the block the tools write.
std::optional<std::string> ForeignCodes(const std::vector<TLevelRecord>& levels)
{
    int cells = 0, first = 0;
    for (std::size_t n = 0; n < levels.size(); ++n)
        for (int cell = 1; cell <= CellCount; ++cell)
            for (const std::uint8_t code : {levels[n].Target[cell], levels[n].Board[cell]})
                if (code > BlockCode) {
                    ++cells;
                    if (first == 0)
                        first = static_cast<int>(n) + 1;
                }
    if (cells == 0)
        return std::nullopt;
    return (cells == 1 ? std::string("1 Feld trägt einen Code") : std::to_string(cells) + " Felder tragen Codes")
        + " über 12 (zuerst in Level " + std::to_string(first)
        + "). Das Spiel zeigt sie als unsichtbare Blöcke; der Editor zeigt sie als Block und behält ihre Codes.";
}

} // namespace

std::optional<LoadedCollection> LoadCollection(const std::string& path, std::string& error)
{
    int failure = 0;
    const auto contents = ReadLevelContents(path.c_str(), MaxRecordsRead, failure);
    if (!contents || contents->ReadError != 0) {
        error = "Die Datei „" + path
            + "“ kann nicht gelesen werden: " + ReadErrorText(contents ? contents->ReadError : failure) + ".";
        return std::nullopt;
    }
    if (contents->RecordsInFile() > MaxRecordsRead) {
        error = "Die Datei „" + path + "“ ist keine Level-Datei: sie ist größer als " + std::to_string(MaxRecordsRead)
            + " Level.";
        return std::nullopt;
    }
    LoadedCollection loaded;
    loaded.Levels = contents->Records;
    if (!contents->Incomplete.empty()) {
        // A partial record is kept, filled up with empty cells.
        TLevelRecord partial {};
        std::memcpy(&partial, contents->Incomplete.data(), contents->Incomplete.size());
        loaded.Levels.push_back(partial);
    }
    for (const LevelFileFault fault : FaultsOf(*contents)) {
        switch (fault) {
        case LevelFileFault::NoCompleteRecord:
            if (contents->FileBytes == 0)
                loaded.Problems.push_back("Die Datei ist leer: sie enthält keinen Level.");
            break; // an incomplete one is told below
        case LevelFileFault::IncompleteLastRecord:
            loaded.Problems.push_back(
                "Der letzte Level (Nummer " + std::to_string(loaded.Levels.size()) + ") ist unvollständig: nur "
                + std::to_string(contents->BytesAfterLastRecord()) + " von " + std::to_string(LevelRecordSize)
                + " Bytes. Der Editor füllt ihn mit leeren Feldern auf; das Spiel lässt ihn weg.");
            break;
        case LevelFileFault::MoreThanTheGamePlays: // told below, counting a partial level the editor keeps
        case LevelFileFault::ReadStopped:          // refused above
            break;
        }
    }
    if (loaded.Levels.size() > MaxLevels)
        loaded.Problems.push_back("Die Datei enthält " + std::to_string(loaded.Levels.size())
                                  + " Level, das Spiel liest nur die ersten " + std::to_string(MaxLevels)
                                  + ". Zum Speichern " + (loaded.Levels.size() - MaxLevels == 1 ? "muss " : "müssen ")
                                  + std::to_string(loaded.Levels.size() - MaxLevels) + " gelöscht werden.");
    if (const auto foreign = ForeignCodes(loaded.Levels))
        loaded.Problems.push_back(*foreign);
    std::vector<std::uint8_t> bytes = CollectionBytes(contents->Records);
    bytes.insert(bytes.end(), contents->Incomplete.begin(), contents->Incomplete.end());
    loaded.Stamp = StampOf(path, bytes); // the file as read
    return loaded;
}

std::vector<std::uint8_t> CollectionBytes(const std::vector<TLevelRecord>& levels)
{
    std::vector<std::uint8_t> bytes(levels.size() * LevelRecordSize);
    if (!levels.empty())
        std::memcpy(bytes.data(), levels.data(), bytes.size());
    return bytes;
}

std::optional<std::string> SaveRefusal(const std::vector<TLevelRecord>& levels)
{
    if (levels.empty())
        return "Eine Sammlung ohne Level kann das Spiel nicht spielen: bitte erst einen Level anlegen.";
    if (levels.size() > MaxLevels)
        return "Die Sammlung hat " + std::to_string(levels.size()) + " Level, das Spiel liest höchstens "
            + std::to_string(MaxLevels) + ": bitte " + std::to_string(levels.size() - MaxLevels) + " löschen.";
    return std::nullopt;
}

CollectionSave SaveCollection(const std::string& path, const std::vector<TLevelRecord>& levels)
{
    CollectionSave save;
    if (auto refusal = SaveRefusal(levels)) {
        save.Message = std::move(*refusal);
        return save;
    }
    const std::vector<std::uint8_t> bytes = CollectionBytes(levels);
    const OldFile before = LookAt(path);
    // A name of its own for the temporary: beside a level file may lie any
    // file of the author's, "<name>.tmp" too.
    const SaveOutcome outcome = SaveFile(path.c_str(), bytes, TemporaryName::Unique);
    save.Saved = outcome.Saved;
    if (outcome.Saved) {
        save.Stamp = StampOf(path, bytes);
        if (outcome.Error != 0)
            save.Message = "Die Datei „" + path
                + "“ ist gespeichert, aber das System kann nicht bestätigen, dass sie sicher auf "
                  "dem Datenträger steht: "
                + ErrnoText(outcome.Error) + ".";
    } else {
        save.Message = FailureText(path, outcome.Error, before);
    }
    return save;
}
