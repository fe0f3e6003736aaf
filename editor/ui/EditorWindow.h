// The editor's main window: the list of levels, the palette, the target
// and the start side by side, the scramble, and the live analysis.
#pragma once

#include "AnalysisRunner.h"
#include "BackgroundWork.h"
#include "BoardPictures.h"
#include "CollectionMaker.h"
#include "Document.h"
#include "KnownFile.h"
#include "Scramble.h"

#include <QMainWindow>
#include <QPointer>

#include <array>
#include <functional>
#include <map>
#include <set>

class BoardView;
class LevelList;
class QAction;
class SolutionDialog;
class QLabel;
class QPushButton;
class QSpinBox;
class StonePalette;

class EditorWindow : public QMainWindow {
    Q_OBJECT
public:
    EditorWindow();
    ~EditorWindow() override;

    // Opens a level file; a damaged one opens with a message of its faults.
    bool OpenFile(const QString& path);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    using LevelKey = std::array<std::uint8_t, sizeof(TLevelRecord)>;
    static LevelKey KeyOf(const TLevelRecord& level);

    void BuildMenus();
    QWidget* BuildCentre();

    // After every change of the document: boards, list, title, actions.
    void Refresh();
    void RefreshList();
    // Runs `call` on the window's thread, after what it is doing now; the
    // background work reports so.
    void OnWindowThread(std::function<void()> call);
    // Shows what is known of the chosen level and starts the analysis
    // where it is needed: the chosen level first, then the others.
    void FollowAnalysis();
    // A report of the analysis of `level`: a finished one is filed, a
    // step of the chosen level's shown.
    void TakeReport(const TLevelRecord& level, const AnalysisReport& report);
    void ShowAnalysis(const AnalysisReport& report, bool live);
    const AnalysisReport* KnownReport(const TLevelRecord& level) const;
    // The next analysis of `level` starts from the solution its last one found.
    AnalysisPlan ResumePlan(const TLevelRecord& level) const;

    void PaintAt(int cell);
    void PickInStart(int cell);
    void Scramble();
    void TakeScramble(const ScrambleResult& made, const TCells& target, bool stopped);
    void ShowSolution();
    // "Stopp": the analysis of the chosen level ends and keeps what it found.
    void StopAnalysis();
    // "Länger suchen": the chosen level's analysis again, with twice the
    // time and the best solution known.
    void SearchLonger();
    void TestLevel();
    void MakeCollection();
    void TakeCollection(const MadeCollection& made, bool append);

    void NewCollection();
    void Open();
    bool Save();
    bool SaveAs();
    bool SaveTo(const QString& path);
    // Asks before saving levels a player could not play through as they are.
    bool MaySaveAsItIs();
    // Asks before a file another program changed is overwritten; false for "Nein".
    bool MayOverwrite(const QString& path);
    QString FilePath() const { return QString::fromStdString(Disk.Path()); }
    // Asks whether to save unsaved changes; false when the user cancels.
    bool MaySwitch();
    void Complain(const QString& text);

    BoardPictures Pictures;
    Document Doc;
    KnownFile Disk;                            // empty while the collection has no file
    std::map<LevelKey, AnalysisReport> Known;  // finished analyses, by level
    std::map<LevelKey, AnalysisReport> Halted; // analyses stopped before their end, by level
    std::set<LevelKey> AuthorStopped;          // of them, those the author stopped with "Stopp"
    AnalysisReport Live;                       // how far the running analysis has got
    int PickedCell = 0;                        // a start stone waiting for its swap partner
    QPointer<SolutionDialog> Solution;         // the one solution shown, while it is open
    AnalysisRunner Runner;                     // the live analysis
    BackgroundWork Chores;                     // a scramble or a collection being made

    LevelList* List = nullptr;
    StonePalette* Palette = nullptr;
    BoardView* TargetView = nullptr;
    BoardView* StartView = nullptr;
    QSpinBox* ParLow = nullptr;
    QSpinBox* ParHigh = nullptr;
    QPushButton* MixButton = nullptr;
    QLabel* VerdictText = nullptr;
    QLabel* MeasuresText = nullptr;
    QPushButton* SolutionButton = nullptr;
    QPushButton* StopButton = nullptr;
    QPushButton* LongerButton = nullptr;
    QLabel* Progress = nullptr;

    QAction* UndoAction = nullptr;
    QAction* RedoAction = nullptr;
    QAction* SolutionAction = nullptr;
    QAction* StopAction = nullptr;
    QAction* LongerAction = nullptr;
    QAction* TestAction = nullptr;
    QAction* AddAction = nullptr;
    QAction* DuplicateAction = nullptr;
    QAction* DeleteAction = nullptr;
    QAction* UpAction = nullptr;
    QAction* DownAction = nullptr;
    QAction* MixAction = nullptr;
};
