#include "SolutionDialog.h"

#include "BoardView.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

SolutionDialog::SolutionDialog(const BoardPictures& pictures, const TLevelRecord& level, std::vector<Move> solution,
                               bool optimal, QWidget* parent)
    : QDialog(parent), Level(level), Solution(std::move(solution)), Board(new BoardView(pictures, this)),
      Caption(new QLabel(this)), Back(new QPushButton(QStringLiteral("◀ Zurück"), this)),
      Forward(new QPushButton(QStringLiteral("Weiter ▶"), this))
{
    setWindowTitle(optimal ? QStringLiteral("Lösung – Par %1").arg(Solution.size())
                           : (Solution.size() == 1 ? QStringLiteral("Lösung – %1 Zug, Par nicht bewiesen")
                                                   : QStringLiteral("Lösung – %1 Züge, Par nicht bewiesen"))
                                 .arg(Solution.size()));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Caption);
    layout->addWidget(Board);
    auto* row = new QHBoxLayout;
    row->addWidget(Back);
    row->addWidget(Forward);
    auto* close = new QDialogButtonBox(QDialogButtonBox::Close, this);
    row->addWidget(close);
    layout->addLayout(row);
    connect(Back, &QPushButton::clicked, this, [this] { ShowStep(Step - 1); });
    connect(Forward, &QPushButton::clicked, this, [this] { ShowStep(Step + 1); });
    connect(close, &QDialogButtonBox::rejected, this, &QDialog::reject);
    Forward->setDefault(true);
    ShowStep(0);
}

void SolutionDialog::ShowStep(int step)
{
    const int moves = static_cast<int>(Solution.size());
    Step = std::clamp(step, 0, moves);
    TCells board = Level.Board;
    for (int n = 0; n < Step; ++n)
        ApplyMove(board, Solution[static_cast<std::size_t>(n)]);
    Board->Show(board);
    if (Step < moves) {
        const Move& next = Solution[static_cast<std::size_t>(Step)];
        Board->Mark({next.Cell, next.Partner});
        Caption->setText(QStringLiteral("Zug %1 von %2: den markierten Stein mit dem markierten Nachbarn tauschen.")
                             .arg(Step + 1)
                             .arg(moves));
    } else {
        Board->Mark({});
        Caption->setText((moves == 1 ? QStringLiteral("Nach %1 Zug") : QStringLiteral("Nach %1 Zügen")).arg(moves)
                         + QStringLiteral(" gleicht das Spielfeld dem Ziel."));
    }
    Back->setEnabled(Step > 0);
    Forward->setEnabled(Step < moves);
}
