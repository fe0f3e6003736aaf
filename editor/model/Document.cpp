#include "Document.h"

#include "LevelEdits.h"

#include <utility>

Document::Document()
{
    Reset({TLevelRecord {}}, true);
}

void Document::Reset(std::vector<TLevelRecord> levels, bool saved)
{
    Now.Levels = std::move(levels);
    Now.Current = Now.Levels.empty() ? -1 : 0;
    Now.Revision = NextRevision++;
    SavedRevision = saved ? Now.Revision : 0;
    Past.clear();
    Future.clear();
}

const TLevelRecord* Document::CurrentLevel() const
{
    return Now.Current >= 0 ? &Now.Levels[static_cast<std::size_t>(Now.Current)] : nullptr;
}

void Document::Choose(int index)
{
    if (index >= 0 && index < Count())
        Now.Current = index;
}

void Document::Remember()
{
    if (InStroke && StrokeRemembered)
        return;
    Past.push_back(Now);
    if (Past.size() > MostUndoSteps)
        Past.pop_front(); // the oldest edit can no longer be undone
    Future.clear();
    StrokeRemembered = InStroke;
}

void Document::Changed()
{
    Now.Revision = NextRevision++;
}

bool Document::AppendLevels(const std::vector<TLevelRecord>& levels)
{
    const auto room = static_cast<std::size_t>(MaxLevels - Count());
    if (levels.empty() || room == 0)
        return false;
    Remember();
    Now.Current = Count();
    Now.Levels.insert(Now.Levels.end(), levels.begin(),
                      levels.begin() + static_cast<std::ptrdiff_t>(std::min(room, levels.size())));
    Changed();
    return true;
}

bool Document::AddLevel()
{
    if (!CanAdd())
        return false;
    Remember();
    Now.Levels.insert(Now.Levels.begin() + (Now.Current + 1), TLevelRecord {});
    ++Now.Current;
    Changed();
    return true;
}

bool Document::DuplicateLevel()
{
    if (!CanAdd() || Now.Current < 0)
        return false;
    Remember();
    const TLevelRecord copy = *CurrentLevel();
    Now.Levels.insert(Now.Levels.begin() + (Now.Current + 1), copy);
    ++Now.Current;
    Changed();
    return true;
}

bool Document::DeleteLevel()
{
    if (Now.Current < 0)
        return false;
    Remember();
    Now.Levels.erase(Now.Levels.begin() + Now.Current);
    Now.Current = std::min(Now.Current, Count() - 1);
    Changed();
    return true;
}

bool Document::MoveLevel(int by)
{
    const int to = Now.Current + by;
    if (Now.Current < 0 || to < 0 || to >= Count())
        return false;
    Remember();
    std::swap(Now.Levels[static_cast<std::size_t>(Now.Current)], Now.Levels[static_cast<std::size_t>(to)]);
    Now.Current = to;
    Changed();
    return true;
}

void Document::ReplaceCurrent(const TLevelRecord& level)
{
    Remember();
    Now.Levels[static_cast<std::size_t>(Now.Current)] = level;
    Changed();
}

bool Document::PaintTarget(int cell, std::uint8_t code)
{
    if (Now.Current < 0 || cell < 1 || cell > CellCount)
        return false;
    TLevelRecord level = *CurrentLevel();
    if (!::PaintTarget(level, cell, code))
        return false;
    ReplaceCurrent(level);
    return true;
}

bool Document::SwapStart(int first, int second)
{
    if (Now.Current < 0 || first < 1 || first > CellCount || second < 1 || second > CellCount)
        return false;
    TLevelRecord level = *CurrentLevel();
    if (!::SwapStart(level, first, second))
        return false;
    ReplaceCurrent(level);
    return true;
}

bool Document::SetStart(const TCells& start)
{
    if (Now.Current < 0 || !FitsTarget(*CurrentLevel(), start) || CurrentLevel()->Board == start)
        return false;
    Remember();
    Now.Levels[static_cast<std::size_t>(Now.Current)].Board = start;
    Changed();
    return true;
}

void Document::BeginStroke()
{
    InStroke = true;
    StrokeRemembered = false;
}

void Document::EndStroke()
{
    InStroke = false;
    StrokeRemembered = false;
}

bool Document::Undo()
{
    if (Past.empty())
        return false;
    Future.push_back(std::move(Now));
    Now = std::move(Past.back());
    Past.pop_back();
    return true;
}

bool Document::Redo()
{
    if (Future.empty())
        return false;
    Past.push_back(std::move(Now));
    Now = std::move(Future.back());
    Future.pop_back();
    return true;
}
