#include "LevelList.h"

#include "BoardPictures.h"

#include <QSignalBlocker>

namespace {

constexpr int PreviewPixels = 60; // the target picture at a third of its size
constexpr int ListPixels = 210;   // wide enough for a preview and its lines of par and difficulty

} // namespace

LevelList::LevelList(const BoardPictures& pictures, QWidget* parent) : QListWidget(parent), Pictures(pictures)
{
    setIconSize({PreviewPixels, PreviewPixels});
    setUniformItemSizes(true);
    setFixedWidth(ListPixels);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setTextElideMode(Qt::ElideRight);
    connect(this, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0)
            emit LevelChosen(row);
    });
}

void LevelList::ShowLevels(const std::vector<TLevelRecord>& levels, const std::vector<QString>& facts, int current)
{
    const QSignalBlocker quiet(this);
    while (count() > static_cast<int>(levels.size()))
        delete takeItem(count() - 1);
    Shown.resize(levels.size());
    for (std::size_t n = 0; n < levels.size(); ++n) {
        const int row = static_cast<int>(n);
        QListWidgetItem* entry = item(row);
        const bool fresh = entry == nullptr;
        if (fresh)
            entry = new QListWidgetItem(this);
        if (fresh || !(Shown[n].Target == levels[n].Target)) {
            const QImage small = Pictures.Small(levels[n].Target);
            entry->setIcon(QIcon(QPixmap::fromImage(
                small.scaled(PreviewPixels, PreviewPixels, Qt::KeepAspectRatio, Qt::SmoothTransformation))));
            Shown[n] = levels[n];
        }
        entry->setText(QStringLiteral("Level %1\n%2").arg(row + 1).arg(facts[n]));
    }
    setCurrentRow(current);
}
