#include "EditorWindow.h"

#include "AnalysisWords.h"
#include "BoardView.h"
#include "Budget.h"
#include "CollectionFile.h"
#include "CollectionMaker.h"
#include "FileDialogs.h"
#include "GameTrial.h"
#include "LevelList.h"
#include "Pictures.h"
#include "SaveWarning.h"
#include "Scramble.h"
#include "SolutionDialog.h"
#include "StonePalette.h"
#include "StoneRules.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSpinBox>
#include <QStatusBar>
#include <QVBoxLayout>

#include <cstring>

namespace {

constexpr std::size_t KnownLimit = 5000; // analyses kept before the store starts afresh
constexpr int DefaultParLow = 8, DefaultParHigh = 14;
constexpr int CloseMargin = 4;
constexpr int VerdictLinesShown = 3; // "Unentschieden: …" wraps to three
constexpr int MeasureLinesShown = 5;
constexpr int DefaultCollectionSize = 10;
constexpr int ProgressWidth = 380; // the progress box, wide enough for its title

QString FileFilter()
{
    return QStringLiteral("Level-Dateien (*.dat);;Alle Dateien (*)");
}

// The desktop's own keys for `standard` (none at all for some of them
// without a desktop theme), then the ones the README promises everywhere.
QList<QKeySequence> KeysFor(QKeySequence::StandardKey standard, const QStringList& always)
{
    QList<QKeySequence> keys = QKeySequence::keyBindings(standard);
    for (const QString& key : always)
        if (!keys.contains(QKeySequence(key)))
            keys.append(QKeySequence(key));
    return keys;
}

} // namespace

EditorWindow::EditorWindow()
    : Runner([this](const TLevelRecord& level, const AnalysisReport& report) {
          OnWindowThread([this, level, report] { TakeReport(level, report); });
      })
{
    setWindowIcon(ApplicationIcon());
    BuildMenus();
    setCentralWidget(BuildCentre());
    Progress = new QLabel(this);
    statusBar()->addWidget(Progress, 1);
    Refresh();
}

EditorWindow::~EditorWindow() = default;

void EditorWindow::OnWindowThread(std::function<void()> call)
{
    // Queued: it runs when the window's thread comes to it, and not at all
    // once the window is gone.
    QMetaObject::invokeMethod(this, std::move(call), Qt::QueuedConnection);
}

EditorWindow::LevelKey EditorWindow::KeyOf(const TLevelRecord& level)
{
    LevelKey key;
    std::memcpy(key.data(), &level, key.size());
    return key;
}

void EditorWindow::BuildMenus()
{
    QMenu* file = menuBar()->addMenu(QStringLiteral("&Datei"));
    file->addAction(QStringLiteral("&Neu"), QKeySequence::New, this, &EditorWindow::NewCollection);
    file->addAction(QStringLiteral("Ö&ffnen …"), QKeySequence::Open, this, &EditorWindow::Open);
    file->addAction(QStringLiteral("&Speichern"), QKeySequence::Save, this, &EditorWindow::Save);
    file->addAction(QStringLiteral("Speichern &unter …"), this, &EditorWindow::SaveAs)
        ->setShortcuts(KeysFor(QKeySequence::SaveAs, {QStringLiteral("Ctrl+Shift+S")}));
    file->addSeparator();
    file->addAction(QStringLiteral("Sammlung &erzeugen …"), this, &EditorWindow::MakeCollection);
    file->addSeparator();
    file->addAction(QStringLiteral("&Beenden"), QKeySequence::Quit, this, &QWidget::close);

    QMenu* edit = menuBar()->addMenu(QStringLiteral("&Bearbeiten"));
    UndoAction = edit->addAction(QStringLiteral("&Rückgängig"), QKeySequence::Undo, this, [this] {
        Doc.Undo();
        Refresh();
    });
    RedoAction = edit->addAction(QStringLiteral("&Wiederholen"), this, [this] {
        Doc.Redo();
        Refresh();
    });
    RedoAction->setShortcuts(KeysFor(QKeySequence::Redo, {QStringLiteral("Ctrl+Y"), QStringLiteral("Ctrl+Shift+Z")}));

    QMenu* level = menuBar()->addMenu(QStringLiteral("&Level"));
    const auto edit1 = [this](bool (Document::*change)()) {
        return [this, change] {
            (Doc.*change)();
            Refresh();
        };
    };
    AddAction = level->addAction(QStringLiteral("&Neuer Level"), QKeySequence(QStringLiteral("Ctrl+Shift+N")), this,
                                 edit1(&Document::AddLevel));
    DuplicateAction = level->addAction(QStringLiteral("&Duplizieren"), QKeySequence(QStringLiteral("Ctrl+D")), this,
                                       edit1(&Document::DuplicateLevel));
    DeleteAction = level->addAction(QStringLiteral("&Löschen"), QKeySequence(QStringLiteral("Ctrl+Del")), this,
                                    edit1(&Document::DeleteLevel));
    UpAction = level->addAction(QStringLiteral("Nach &oben"), QKeySequence(QStringLiteral("Ctrl+Up")), this, [this] {
        Doc.MoveLevel(-1);
        Refresh();
    });
    DownAction = level->addAction(QStringLiteral("Nach &unten"), QKeySequence(QStringLiteral("Ctrl+Down")), this,
                                  [this] {
                                      Doc.MoveLevel(+1);
                                      Refresh();
                                  });
    level->addSeparator();
    MixAction = level->addAction(QStringLiteral("&Mischen"), QKeySequence(QStringLiteral("Ctrl+M")), this,
                                 &EditorWindow::Scramble);
    SolutionAction = level->addAction(QStringLiteral("Lösung &zeigen"), QKeySequence(QStringLiteral("Ctrl+L")), this,
                                      &EditorWindow::ShowSolution);
    TestAction = level->addAction(QStringLiteral("&Testen"), QKeySequence(QStringLiteral("Ctrl+T")), this,
                                  &EditorWindow::TestLevel);
    level->addSeparator();
    // The analysis's buttons, from the keyboard too: Esc stops, as it stops
    // loading elsewhere on the desktop.
    StopAction = level->addAction(QStringLiteral("Suche an&halten"), QKeySequence(Qt::Key_Escape), this,
                                  &EditorWindow::StopAnalysis);
    LongerAction = level->addAction(QStringLiteral("Län&ger suchen"), QKeySequence(QStringLiteral("Ctrl+Shift+L")),
                                    this, &EditorWindow::SearchLonger);
}

QWidget* EditorWindow::BuildCentre()
{
    auto* centre = new QWidget(this);
    auto* columns = new QHBoxLayout(centre);
    // Close margins: the window fits a screen of 1024 x 768 with a panel.
    columns->setContentsMargins(CloseMargin, CloseMargin, CloseMargin, 0);
    List = new LevelList(Pictures, centre);
    connect(List, &LevelList::LevelChosen, this, [this](int index) {
        Doc.Choose(index);
        PickedCell = 0;
        Refresh();
    });
    columns->addWidget(List);

    auto* work = new QVBoxLayout;
    work->setSpacing(CloseMargin);
    columns->addLayout(work);
    Palette = new StonePalette(Pictures, centre);
    work->addWidget(Palette, 0, Qt::AlignLeft);

    auto* boards = new QGridLayout;
    work->addLayout(boards);
    boards->addWidget(new QLabel(QStringLiteral("<b>Ziel</b> – mit der Maus malen"), centre), 0, 0);
    boards->addWidget(new QLabel(QStringLiteral("<b>Start</b> – zwei Steine anklicken, um sie zu tauschen"), centre), 0,
                      1);
    TargetView = new BoardView(Pictures, centre);
    StartView = new BoardView(Pictures, centre);
    TargetView->setAccessibleName(QStringLiteral("Ziel"));
    StartView->setAccessibleName(QStringLiteral("Start"));
    boards->addWidget(TargetView, 1, 0);
    boards->addWidget(StartView, 1, 1);
    connect(TargetView, &BoardView::CellPressed, this, [this](int cell) {
        Doc.BeginStroke();
        PaintAt(cell);
    });
    connect(TargetView, &BoardView::CellEntered, this, &EditorWindow::PaintAt);
    connect(TargetView, &BoardView::Released, this, [this] { Doc.EndStroke(); });
    connect(StartView, &BoardView::CellPressed, this, &EditorWindow::PickInStart);

    // Under the target: the scramble; under the start: the analysis.
    auto* mix = new QGroupBox(QStringLiteral("Start aus dem Ziel mischen"), centre);
    auto* mixRow = new QHBoxLayout(mix);
    ParLow = new QSpinBox(mix);
    ParHigh = new QSpinBox(mix);
    for (QSpinBox* box : {ParLow, ParHigh})
        box->setRange(1, MostScramblePar);
    ParLow->setValue(DefaultParLow);
    ParHigh->setValue(DefaultParHigh);
    ParLow->setAccessibleName(QStringLiteral("Par von"));
    ParHigh->setAccessibleName(QStringLiteral("Par bis"));
    MixButton = new QPushButton(QStringLiteral("Mischen"), mix);
    mixRow->addWidget(new QLabel(QStringLiteral("Par von"), mix));
    mixRow->addWidget(ParLow);
    mixRow->addWidget(new QLabel(QStringLiteral("bis"), mix));
    mixRow->addWidget(ParHigh);
    mixRow->addStretch();
    mixRow->addWidget(MixButton);
    connect(MixButton, &QPushButton::clicked, this, &EditorWindow::Scramble);
    boards->addWidget(mix, 2, 0, Qt::AlignTop);

    auto* analysis = new QGroupBox(QStringLiteral("Analyse"), centre);
    auto* analysisColumn = new QVBoxLayout(analysis);
    VerdictText = new QLabel(analysis);
    VerdictText->setStyleSheet(QStringLiteral("font-weight: bold"));
    MeasuresText = new QLabel(analysis);
    // Long verdicts wrap: the boards alone set the window's width.
    for (QLabel* text : {VerdictText, MeasuresText}) {
        text->setWordWrap(true);
        text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        text->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    }
    // Room for every measure and the longest verdict from the start, so that
    // the window keeps its size as they come in.
    VerdictText->setMinimumHeight(VerdictLinesShown * VerdictText->fontMetrics().lineSpacing());
    MeasuresText->setMinimumHeight(MeasureLinesShown * MeasuresText->fontMetrics().lineSpacing());
    SolutionButton = new QPushButton(QStringLiteral("Lösung zeigen"), analysis);
    connect(SolutionButton, &QPushButton::clicked, this, &EditorWindow::ShowSolution);
    StopButton = new QPushButton(QStringLiteral("Stopp"), analysis);
    connect(StopButton, &QPushButton::clicked, this, &EditorWindow::StopAnalysis);
    LongerButton = new QPushButton(QStringLiteral("Länger suchen"), analysis);
    connect(LongerButton, &QPushButton::clicked, this, &EditorWindow::SearchLonger);
    analysisColumn->addWidget(VerdictText);
    analysisColumn->addWidget(MeasuresText);
    auto* analysisButtons = new QHBoxLayout;
    analysisButtons->addWidget(SolutionButton);
    analysisButtons->addStretch();
    analysisButtons->addWidget(StopButton);
    analysisButtons->addWidget(LongerButton);
    analysisColumn->addLayout(analysisButtons);
    boards->addWidget(analysis, 2, 1);
    work->addStretch();
    return centre;
}

void EditorWindow::Refresh()
{
    const QString name = Disk.Empty() ? QStringLiteral("Unbenannt") : QFileInfo(FilePath()).fileName();
    setWindowTitle(QStringLiteral("Velorin-Editor – %1[*]").arg(name));
    setWindowModified(Doc.Modified());

    const TLevelRecord* level = Doc.CurrentLevel();
    const TLevelRecord empty {};
    TargetView->Show((level ? *level : empty).Target);
    StartView->Show((level ? *level : empty).Board);
    StartView->Mark(PickedCell != 0 ? std::vector {PickedCell} : std::vector<int> {});
    TargetView->setEnabled(level != nullptr);
    StartView->setEnabled(level != nullptr);

    UndoAction->setEnabled(Doc.CanUndo());
    RedoAction->setEnabled(Doc.CanRedo());
    AddAction->setEnabled(Doc.CanAdd());
    DuplicateAction->setEnabled(Doc.CanAdd() && level);
    DeleteAction->setEnabled(level != nullptr);
    UpAction->setEnabled(Doc.Current() > 0);
    DownAction->setEnabled(level && Doc.Current() + 1 < Doc.Count());
    TestAction->setEnabled(level != nullptr);
    const bool mixing = Chores.Running();
    MixAction->setEnabled(level && !mixing);
    MixButton->setEnabled(level && !mixing);
    RefreshList();
    FollowAnalysis();
}

void EditorWindow::RefreshList()
{
    std::vector<QString> facts;
    for (const TLevelRecord& level : Doc.Levels()) {
        const AnalysisReport* known = KnownReport(level);
        facts.push_back(known ? QString::fromStdString(ShortFacts(*known)) : QStringLiteral("…"));
    }
    List->ShowLevels(Doc.Levels(), facts, Doc.Current());
}

const AnalysisReport* EditorWindow::KnownReport(const TLevelRecord& level) const
{
    const auto found = Known.find(KeyOf(level));
    return found != Known.end() ? &found->second : nullptr;
}

void EditorWindow::TakeReport(const TLevelRecord& level, const AnalysisReport& report)
{
    if (report.Finished) {
        if (Known.size() >= KnownLimit)
            Known.clear();
        Known[KeyOf(level)] = report;
        Halted.erase(KeyOf(level));
        RefreshList();
        FollowAnalysis(); // shows it, or goes on with the next level
    } else if (report.Stopped) {
        // Kept while the collection is open: the next search goes on from it.
        if (Halted.size() >= KnownLimit)
            Halted.clear();
        Halted[KeyOf(level)] = report;
        if (Doc.CurrentLevel() && *Doc.CurrentLevel() == level && AuthorStopped.contains(KeyOf(level)))
            FollowAnalysis();
    } else if (Runner.Level() == level) {
        Live = report;
        if (Doc.CurrentLevel() && *Doc.CurrentLevel() == level)
            ShowAnalysis(report, true);
    }
}

void EditorWindow::FollowAnalysis()
{
    const TLevelRecord* level = Doc.CurrentLevel();
    if (level == nullptr) {
        ShowAnalysis({}, false);
        VerdictText->setText(QStringLiteral("Die Sammlung ist leer: „Level → Neuer Level“ legt einen an."));
        return;
    }
    // Stopped by the author, a level waits for "Länger suchen"; stopped
    // because the author went elsewhere, it goes on from what it found.
    const auto waiting = [this](const TLevelRecord& other) { return AuthorStopped.contains(KeyOf(other)); };
    const AnalysisReport* known = KnownReport(*level);
    if (known == nullptr && waiting(*level)) {
        const auto halted = Halted.find(KeyOf(*level));
        if (halted == Halted.end()) { // stopped a moment ago: its last report is on its way
            ShowAnalysis(Live, true);
            return;
        }
        known = &halted->second;
    }
    if (known != nullptr) {
        ShowAnalysis(*known, false);
        // The chosen level is done: the others of the collection, one by one.
        if (!Runner.Busy()) {
            for (const TLevelRecord& other : Doc.Levels())
                if (!KnownReport(other) && !waiting(other)) {
                    Runner.Start(other, ResumePlan(other));
                    break;
                }
        }
        const bool background = Runner.Busy() && Runner.Level() != *level;
        Progress->setText(background ? QStringLiteral("Die übrigen Level der Sammlung werden analysiert …")
                                     : QString());
        return;
    }
    if (Runner.Level() != *level || !Runner.Busy()) {
        const AnalysisPlan plan = ResumePlan(*level);
        Runner.Start(*level, plan);
        Live = {};
        Live.Budget = plan.Seconds;
    }
    ShowAnalysis(Live, true);
}

AnalysisPlan EditorWindow::ResumePlan(const TLevelRecord& level) const
{
    AnalysisPlan plan;
    const auto halted = Halted.find(KeyOf(level));
    if (halted != Halted.end() && halted->second.Result == Verdict::Solvable)
        plan.Known = halted->second.Solution;
    return plan;
}

void EditorWindow::ShowAnalysis(const AnalysisReport& report, bool live)
{
    VerdictText->setText(QString::fromStdString(VerdictLine(report)));
    QStringList lines;
    for (const std::string& line : MeasureLines(report))
        lines << QString::fromStdString(line);
    MeasuresText->setText(lines.join(QLatin1Char('\n')));
    const TLevelRecord* level = Doc.CurrentLevel();
    // A finished or stopped report ends the analysis, even while its thread
    // is still giving back the search's memory.
    const bool runningHere
        = level && !report.Finished && !report.Stopped && Runner.Busy() && Runner.Level() == *level;
    StopButton->setEnabled(runningHere);
    StopAction->setEnabled(runningHere);
    // More time helps where the par is not proved, or nothing is known.
    const bool canGoOn = !runningHere && level
        && (report.Result == Verdict::Unknown || (report.Result == Verdict::Solvable && !report.Optimal));
    LongerButton->setEnabled(canGoOn);
    LongerAction->setEnabled(canGoOn);
    // Any solution known can be shown, also while the proof runs; its
    // length when it may not be the shortest.
    const bool canShow = !report.Solution.empty();
    SolutionButton->setEnabled(canShow);
    SolutionAction->setEnabled(canShow);
    SolutionButton->setText(
        canShow && !report.Optimal
            ? QStringLiteral("Lösung zeigen (%1)")
                  .arg(QString::fromStdString(Counted(static_cast<std::size_t>(report.Par()), "Zug", "Züge")))
            : QStringLiteral("Lösung zeigen"));
    if (live)
        Progress->setText(report.Finished || report.Stopped
                              ? QString()
                              : QStringLiteral("Analyse läuft: %1 Stellungen durchsucht, höchstens %2 s")
                                    .arg(QString::fromStdString(Grouped(report.Positions)))
                                    .arg(report.Budget, 0, 'f', 0));
}

void EditorWindow::PaintAt(int cell)
{
    if (Doc.PaintTarget(cell, Palette->Chosen())) {
        Chores.Stop(); // a scramble of the old target is no use any more
        PickedCell = 0;
        Refresh();
    }
}

void EditorWindow::PickInStart(int cell)
{
    const TLevelRecord* level = Doc.CurrentLevel();
    if (level == nullptr || level->Board[cell] == EmptyCode) {
        PickedCell = 0;
    } else if (PickedCell == 0 || PickedCell == cell) {
        PickedCell = PickedCell == cell ? 0 : cell;
    } else {
        if (!Doc.SwapStart(PickedCell, cell))
            statusBar()->showMessage(QStringLiteral("Gleiche Steine zu tauschen ändert nichts."), 3000);
        PickedCell = 0;
    }
    Refresh();
}

void EditorWindow::Scramble()
{
    const TLevelRecord* level = Doc.CurrentLevel();
    if (level == nullptr || Chores.Running())
        return;
    const ParRange wished {std::min(ParLow->value(), ParHigh->value()), std::max(ParLow->value(), ParHigh->value())};
    const TCells target = level->Target;
    const std::uint64_t seed = QRandomGenerator::global()->generate64();
    auto* progress = new QProgressDialog(
        QStringLiteral("Suche Starts mit Par %1 bis %2 …").arg(wished.Low).arg(wished.High),
        QStringLiteral("Abbrechen"), 0, 0, this);
    progress->setWindowTitle(QStringLiteral("Mischen"));
    progress->setMinimumDuration(500); // a quick scramble shows no box
    progress->setMinimumWidth(ProgressWidth);
    connect(progress, &QProgressDialog::canceled, this, [this] { Chores.Stop(); });
    Chores.Start([this, target, wished, seed, progress = QPointer(progress)](SearchWatch& watch) {
        const ScrambleResult made = ScrambleTarget(
            target, wished, seed, &watch, [this, progress](int walks, int found) {
                OnWindowThread([progress, walks, found] {
                    if (progress)
                        progress->setLabelText(QStringLiteral("%1 versucht, %2 passend …")
                                                   .arg(QString::fromStdString(
                                                       Counted(static_cast<std::size_t>(walks), "Start", "Starts")))
                                                   .arg(found));
                });
            });
        OnWindowThread([this, made, target, progress, stopped = watch.Stopped()] {
            delete progress.data();
            TakeScramble(made, target, stopped);
        });
    });
    Refresh();
}

namespace {

// "Par 14, Umweg 3 (bewiesen)" or "höchstens 31 Züge, Par mindestens 26".
QString CandidateWords(const ScrambleCandidate& candidate)
{
    if (candidate.Proved)
        return QStringLiteral("Par %1, Umweg %2").arg(candidate.Par).arg(candidate.Detour);
    return QStringLiteral("höchstens %1 Züge, Par mindestens %2").arg(candidate.Par).arg(candidate.LowerBound);
}

} // namespace

void EditorWindow::TakeScramble(const ScrambleResult& made, const TCells& target, bool stopped)
{
    const TLevelRecord* now = Doc.CurrentLevel();
    if (now == nullptr || now->Target != target) { // the author drew on meanwhile: the starts no longer fit
        Refresh();
        return;
    }
    std::optional<ScrambleCandidate> chosen;
    if (made.Candidates.size() == 1) {
        chosen = made.Candidates.front();
    } else if (!made.Candidates.empty()) {
        QStringList choices;
        for (const ScrambleCandidate& candidate : made.Candidates)
            choices << QStringLiteral("Start %1: %2").arg(choices.size() + 1).arg(CandidateWords(candidate));
        bool ok = false;
        const QString picked = QInputDialog::getItem(
            this, QStringLiteral("Mischen"), QStringLiteral("Welcher Start? (der mit dem größten Umweg zuerst)"),
            choices, 0, false, &ok);
        if (ok)
            chosen = made.Candidates[static_cast<std::size_t>(choices.indexOf(picked))];
    } else if (made.Nearest && !stopped) {
        const auto answer = QMessageBox::question(
            this, QStringLiteral("Mischen"),
            QString::fromStdString(made.Error)
                + QStringLiteral("\n\nDiesen Start nehmen (%1)?").arg(CandidateWords(*made.Nearest)),
            QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
        if (answer == QMessageBox::Yes)
            chosen = made.Nearest;
    } else if (!stopped) {
        Complain(QString::fromStdString(made.Error));
    }
    if (chosen) {
        Doc.SetStart(chosen->Start);
        // The walk that made the start is a solution: the analysis goes on
        // from it as from a stopped search, so a scrambled level is never
        // left undecided.
        AnalysisReport walked;
        walked.Result = Verdict::Solvable;
        walked.Solution = chosen->Solution;
        walked.LowerBound = chosen->LowerBound;
        walked.Stopped = true;
        walked.Budget = EditorSeconds;
        Halted[KeyOf(*Doc.CurrentLevel())] = walked;
        statusBar()->showMessage(QStringLiteral("Gemischt: %1.").arg(CandidateWords(*chosen)), 5000);
    }
    Refresh();
}

void EditorWindow::ShowSolution()
{
    const TLevelRecord* level = Doc.CurrentLevel();
    const AnalysisReport* known = level ? KnownReport(*level) : nullptr;
    // The analysis still runs: the best solution it has so far, which is
    // never worse than the one it went on from.
    if (known == nullptr && level && Runner.Busy() && Runner.Level() == *level && !Live.Solution.empty())
        known = &Live;
    if (const auto halted = level ? Halted.find(KeyOf(*level)) : Halted.end();
        known == nullptr && halted != Halted.end())
        known = &halted->second; // stopped: the best solution it found
    if (known == nullptr || known->Solution.empty())
        return;
    if (Solution) { // already open: a second press only brings it forward
        Solution->raise();
        Solution->activateWindow();
        return;
    }
    Solution = new SolutionDialog(Pictures, *level, known->Solution, known->Optimal, this);
    Solution->setAttribute(Qt::WA_DeleteOnClose);
    Solution->open();
}

void EditorWindow::StopAnalysis()
{
    const TLevelRecord* level = Doc.CurrentLevel();
    if (level && Runner.Busy() && Runner.Level() == *level) {
        AuthorStopped.insert(KeyOf(*level));
        Runner.Stop(); // its last report comes as a stopped one
    }
}

void EditorWindow::SearchLonger()
{
    const TLevelRecord* level = Doc.CurrentLevel();
    if (level == nullptr)
        return;
    const LevelKey key = KeyOf(*level);
    AnalysisPlan plan;
    for (const auto* reports : {&Known, &Halted})
        if (const auto found = reports->find(key); found != reports->end()) {
            const AnalysisReport& last = found->second;
            if (last.Result == Verdict::Solvable)
                plan.Known = last.Solution;
            plan.Seconds = std::max(plan.Seconds, 2 * last.Budget);
        }
    Known.erase(key);
    Halted.erase(key);
    AuthorStopped.erase(key);
    Runner.Start(*level, plan);
    Live = {};
    Live.Budget = plan.Seconds;
    ShowAnalysis(Live, true);
    RefreshList();
}

void EditorWindow::TestLevel()
{
    const TLevelRecord* level = Doc.CurrentLevel();
    QString error;
    if (level && !StartGameTrial(*level, this, error))
        Complain(error);
}

void EditorWindow::MakeCollection()
{
    if (Chores.Running())
        return;
    // The collection's own pictures, each once; without any, shapes drawn for it.
    std::vector<TCells> pictures;
    for (const TLevelRecord& level : Doc.Levels())
        if (std::any_of(std::begin(level.Target.Item), std::end(level.Target.Item),
                        [](std::uint8_t code) { return IsStone(code); })
            && std::find(pictures.begin(), pictures.end(), level.Target) == pictures.end())
            pictures.push_back(level.Target);
    bool append = false;
    if (Doc.Count() > 0 && Doc.CanAdd()) {
        QMessageBox ask(QMessageBox::Question, QStringLiteral("Sammlung erzeugen"),
                        pictures.empty()
                            ? QStringLiteral("Die neuen Level anhängen oder eine neue Sammlung beginnen?")
                            : QStringLiteral("Die neuen Level entstehen aus den %1 Bildern dieser Sammlung. "
                                             "Anhängen oder eine neue Sammlung beginnen?")
                                  .arg(pictures.size()),
                        QMessageBox::Cancel, this);
        QPushButton* add = ask.addButton(QStringLiteral("&Anhängen"), QMessageBox::AcceptRole);
        QPushButton* fresh = ask.addButton(QStringLiteral("&Neue Sammlung"), QMessageBox::AcceptRole);
        ask.setDefaultButton(add);
        ask.exec();
        if (ask.clickedButton() != add && ask.clickedButton() != fresh)
            return;
        append = ask.clickedButton() == add;
    }
    if (!append && !MaySwitch())
        return;
    const int room = append ? MaxLevels - Doc.Count() : MaxLevels;
    bool ok = false;
    const int count = QInputDialog::getInt(
        this, QStringLiteral("Sammlung erzeugen"),
        QStringLiteral("Wie viele Level? Sie werden vom ersten zum letzten schwerer."),
        std::min(DefaultCollectionSize, room), 1, room, 1, &ok);
    if (!ok)
        return;
    ParRange pars;
    pars.Low = QInputDialog::getInt(this, QStringLiteral("Sammlung erzeugen"), QStringLiteral("Par des ersten Levels:"),
                                    EasiestPar, 1, MostScramblePar, 1, &ok);
    if (!ok)
        return;
    pars.High = QInputDialog::getInt(this, QStringLiteral("Sammlung erzeugen"),
                                     QStringLiteral("Par des letzten Levels:"), std::max(HardestPar, pars.Low),
                                     pars.Low, MostScramblePar, 1, &ok);
    if (!ok)
        return;
    auto* progress = new QProgressDialog(QStringLiteral("Der Generator erzeugt die Level …"),
                                         QStringLiteral("Anhalten"), 0, count, this);
    progress->setWindowTitle(QStringLiteral("Sammlung erzeugen"));
    progress->setMinimumDuration(0);
    progress->setMinimumWidth(ProgressWidth);
    progress->setValue(0);
    connect(progress, &QProgressDialog::canceled, this, [this] { Chores.Stop(); });
    const std::uint64_t seed = QRandomGenerator::global()->generate64();
    Chores.Start([this, count, pictures, pars, append, seed, progress = QPointer(progress)](SearchWatch& watch) {
        const MadeCollection made = ::MakeCollection(count, pictures, pars, seed, &watch, [this, progress](int done) {
            OnWindowThread([progress, done] {
                if (progress)
                    progress->setValue(done);
            });
        });
        OnWindowThread([this, made, append, progress] {
            delete progress.data();
            TakeCollection(made, append);
        });
    });
}

void EditorWindow::TakeCollection(const MadeCollection& made, bool append)
{
    // Whatever was made is kept, also when it was stopped or a level failed.
    if (!made.Levels.empty()) {
        if (append) {
            Doc.AppendLevels(made.Levels);
        } else {
            Doc.Reset(made.Levels, false);
            Disk.Forget();
        }
        PickedCell = 0;
    }
    QString told =
        QStringLiteral("%1 erzeugt").arg(QString::fromStdString(Counted(made.Levels.size(), "Level", "Level")));
    if (made.OutsideWindow > 0)
        told += QStringLiteral(", %1 davon mit dem nächstbesten Par außerhalb seines Bereichs").arg(made.OutsideWindow);
    if (!made.Error.empty())
        Complain(told + QStringLiteral(". ") + QString::fromStdString(made.Error));
    else
        statusBar()->showMessage(told + QStringLiteral("."), 8000);
    Refresh();
}

void EditorWindow::NewCollection()
{
    if (!MaySwitch())
        return;
    Doc.Reset({TLevelRecord {}}, true);
    Disk.Forget();
    PickedCell = 0;
    Refresh();
}

void EditorWindow::Open()
{
    if (!MaySwitch())
        return;
    const QString path = AskPathToOpen(this, QStringLiteral("Sammlung öffnen"), QFileInfo(FilePath()).path(),
                                       FileFilter());
    if (!path.isEmpty())
        OpenFile(path);
}

bool EditorWindow::OpenFile(const QString& path)
{
    std::string error;
    const auto loaded = LoadCollection(path.toStdString(), error);
    if (!loaded) {
        Complain(QString::fromStdString(error));
        return false;
    }
    Doc.Reset(loaded->Levels, true);
    Disk.Saw(path.toStdString(), loaded->Stamp);
    PickedCell = 0;
    Refresh();
    if (!loaded->Problems.empty()) {
        QStringList problems;
        for (const std::string& problem : loaded->Problems)
            problems << QStringLiteral("• ") + QString::fromStdString(problem);
        QMessageBox::warning(
            this, QStringLiteral("Beschädigte Datei"),
            QStringLiteral("„%1“ ist beschädigt. Der Editor hat alles geöffnet, was sie enthält:\n\n%2")
                .arg(QFileInfo(path).fileName(), problems.join(QLatin1Char('\n'))));
    }
    return true;
}

bool EditorWindow::Save()
{
    return Disk.Empty() ? SaveAs() : SaveTo(FilePath());
}

bool EditorWindow::SaveAs()
{
    const QString path = AskPathToSave(this, QStringLiteral("Sammlung speichern"),
                                       Disk.Empty() ? QStringLiteral("velor.dat") : FilePath(), FileFilter());
    return !path.isEmpty() && SaveTo(path);
}

bool EditorWindow::SaveTo(const QString& path)
{
    if (!MaySaveAsItIs() || !MayOverwrite(path))
        return false;
    const std::string name = path.toStdString();
    const CollectionSave save = SaveCollection(name, Doc.Levels());
    if (!save.Saved) {
        Complain(QString::fromStdString(save.Message));
        return false;
    }
    Disk.Saw(name, save.Stamp);
    Doc.MarkSaved();
    Refresh();
    if (save.Message.empty())
        statusBar()->showMessage(QStringLiteral("Gespeichert: %1").arg(path), 5000);
    else
        Complain(QString::fromStdString(save.Message)); // saved, but not surely on the disk yet
    return true;
}

bool EditorWindow::MaySaveAsItIs()
{
    const auto warning = SaveWarning(Doc.Levels(), [this](const TLevelRecord& level) { return KnownReport(level); });
    // "Ja" is the default: the author may well mean to save a level half done.
    return !warning
        || QMessageBox::question(this, QStringLiteral("Level nicht spielbar"), QString::fromStdString(*warning),
                                 QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes)
        == QMessageBox::Yes;
}

bool EditorWindow::MayOverwrite(const QString& path)
{
    const QString name = QFileInfo(path).fileName();
    QString title, question;
    switch (Disk.ChangeAt(path.toStdString())) {
    case FileChange::None:
    case FileChange::Touched: // the same levels: nothing of anyone's is lost
        return true;
    case FileChange::Changed:
        title = QStringLiteral("Datei geändert");
        question = QStringLiteral(
                       "„%1“ wurde von einem anderen Programm geändert, seit der Editor die Datei geöffnet oder "
                       "gespeichert hat. Überschreiben? Die Änderungen des anderen Programms gehen dann verloren.")
                       .arg(name);
        break;
    case FileChange::Gone:
        title = QStringLiteral("Datei verschwunden");
        question = QStringLiteral(
                       "„%1“ ist nicht mehr da: ein anderes Programm hat die Datei gelöscht oder umbenannt, seit der "
                       "Editor sie geöffnet oder gespeichert hat. Unter diesem Namen neu anlegen?")
                       .arg(name);
        break;
    }
    // "Nein" is the default: a hasty Enter keeps the other program's work.
    return QMessageBox::question(this, title, question, QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
        == QMessageBox::Yes;
}

bool EditorWindow::MaySwitch()
{
    if (!Doc.Modified())
        return true;
    const auto answer = QMessageBox::question(this, QStringLiteral("Ungespeicherte Änderungen"),
                                              QStringLiteral("Die Sammlung wurde geändert. Änderungen speichern?"),
                                              QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel,
                                              QMessageBox::Save);
    if (answer == QMessageBox::Save)
        return Save();
    return answer == QMessageBox::Discard;
}

void EditorWindow::Complain(const QString& text)
{
    QMessageBox::warning(this, QStringLiteral("Velorin-Editor"), text);
}

void EditorWindow::closeEvent(QCloseEvent* event)
{
    if (MaySwitch()) {
        Chores.Stop();
        event->accept();
    } else {
        event->ignore();
    }
}
