#include "AnalysisWords.h"

#include "Budget.h"

#include <algorithm>
#include <cstdio>

std::string Grouped(std::size_t number)
{
    std::string digits = std::to_string(number);
    for (int at = static_cast<int>(digits.size()) - 3; at > 0; at -= 3)
        digits.insert(static_cast<std::size_t>(at), "\u202F");
    return digits;
}

std::string Counted(std::size_t number, const std::string& one, const std::string& many)
{
    return Grouped(number) + " " + (number == 1 ? one : many);
}

namespace {

// Seconds with one decimal, German: "60,0".
std::string Seconds(double seconds)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", seconds);
    std::string german = text;
    std::replace(german.begin(), german.end(), '.', ',');
    return german;
}

// Why the search stopped before it knew, and after how long.
std::string StopWords(const AnalysisReport& report)
{
    if (report.Cause == StopCause::Depth)
        return "die Lösungen lägen tiefer, als die Suche zählen kann";
    std::string text = "die Suche hielt nach " + Seconds(report.Seconds) + " s und " + Grouped(report.Positions)
        + " Stellungen an, ";
    return text + (report.Cause == StopCause::Memory ? "ihr Speicher war voll" : "ihre Zeit war um");
}

} // namespace

std::string VerdictLine(const AnalysisReport& report)
{
    switch (report.Result) {
    case Verdict::Running:
        return "Suche läuft: Par "
            + (report.Solution.empty() ? "mindestens " + std::to_string(report.LowerBound)
                                       : "zwischen " + std::to_string(report.LowerBound) + " und "
                       + std::to_string(report.Par()))
            + ", " + Grouped(report.Positions) + " Stellungen, " + Seconds(report.Seconds) + " von "
            + Seconds(report.Budget) + " s …";
    case Verdict::Empty:
        return "Kein Stein kann ziehen: nichts zu lösen.";
    case Verdict::AlreadySolved:
        return "Der Start gleicht dem Ziel: Mischen oder Steine tauschen.";
    case Verdict::DifferentStones:
        return "Unlösbar: Start und Ziel haben verschiedene Steine.";
    case Verdict::Unsolvable:
        return "Unlösbar (bewiesen): keine Zugfolge führt zum Ziel.";
    case Verdict::Solvable:
        if (report.Optimal)
            return "Lösbar, Par " + std::to_string(report.Par()) + " (bewiesen).";
        return "Lösbar, Par zwischen " + std::to_string(report.LowerBound) + " und " + std::to_string(report.Par())
            + " (nicht bewiesen).";
    case Verdict::Unknown:
        if (report.Stopped)
            return "Angehalten nach " + Seconds(report.Seconds) + " s: Par mindestens "
                + std::to_string(report.LowerBound) + ". „Länger suchen“ sucht weiter.";
        if (!report.Finished)
            return "Abgebrochen.";
        return "Unentschieden: weder eine Lösung gefunden noch bewiesen, dass keine existiert; "
            + StopWords(report) + ". Par mindestens " + std::to_string(report.LowerBound) + ".";
    }
    return {};
}

std::vector<std::string> MeasureLines(const AnalysisReport& report)
{
    std::vector<std::string> lines;
    if (report.Result != Verdict::Solvable)
        return lines;
    // Only a par known to be that long; a solution found so far may be longer.
    if ((report.Optimal ? report.Par() : report.LowerBound) > MaxParMoves)
        lines.push_back("Mehr als " + std::to_string(MaxParMoves) + " Züge: " + BeyondOneAttempt + ".");
    lines.push_back("Durchsuchte Stellungen: " + Grouped(report.Positions));
    if (report.Detour)
        lines.push_back(
            "Umweg: " + Counted(static_cast<std::size_t>(*report.Detour), "Zug", "Züge")
            + (*report.Detour == 1 ? ", der nicht näher ans Ziel führt" : ", die nicht näher ans Ziel führen"));
    if (report.Starts) {
        std::string dead = "Tote Startzüge: " + std::to_string(report.Starts->Dead) + " von "
            + std::to_string(report.Starts->Moves);
        if (report.Starts->Unknown > 0)
            dead += ", " + std::to_string(report.Starts->Unknown) + " ungeklärt";
        lines.push_back(dead);
    } else {
        lines.push_back(report.Stopped ? "Tote Startzüge: nicht gesucht, die Analyse wurde angehalten"
                                       : "Tote Startzüge: werden gesucht …");
    }
    if (report.PlayersPercent)
        lines.push_back("Simulierte Spieler, die es schaffen: " + std::to_string(*report.PlayersPercent) + " %");
    else if (report.Starts)
        lines.push_back("Simulierte Spieler: spielen …");
    return lines;
}

std::string ShortFacts(const AnalysisReport& report)
{
    switch (report.Result) {
    case Verdict::Running:
        return "…";
    case Verdict::Empty:
    case Verdict::AlreadySolved:
        return "nichts zu lösen";
    case Verdict::DifferentStones:
    case Verdict::Unsolvable:
        return "unlösbar";
    case Verdict::Unknown:
        return "unentschieden";
    case Verdict::Solvable:
        break;
    }
    std::string facts = report.Optimal ? "Par " + std::to_string(report.Par())
                                       : "Par ≤ " + std::to_string(report.Par());
    if (report.Detour)
        facts += " · Umweg " + std::to_string(*report.Detour);
    if (report.PlayersPercent)
        facts += "\nSpieler: " + std::to_string(*report.PlayersPercent) + " %";
    return facts;
}
