#include "GameTrial.h"

#include "CollectionFile.h"
#include "InstalledGame.h"
#include "LevelFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QUtf8StringView>

#include <memory>

namespace {

// A script such as the installed launcher, which starts the game in the
// player's directory, not in the trial's.
bool IsScript(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && file.read(2) == "#!";
}

} // namespace

QString GameProgram()
{
    const QDir here(QCoreApplication::applicationDirPath());
    // An installation keeps the game where its install rules put it; the
    // build tree has both programs side by side. Beside an installed editor
    // lies the launcher instead, which a broken installation must not bring
    // to "Testen" either.
    for (const QString& candidate :
         {here.filePath(QUtf8StringView(EditorToInstalledGame).toString()), here.filePath(QStringLiteral("velorin"))}) {
        const QFileInfo info(candidate);
        if (info.isFile() && info.isExecutable() && !IsScript(info.filePath()))
            return info.canonicalFilePath();
    }
    return {};
}

bool StartGameTrial(const TLevelRecord& level, QObject* parent, QString& error)
{
    const QString game = GameProgram();
    if (game.isEmpty()) {
        error = QStringLiteral("Das Spiel „velorin“ ist weder neben dem Editor noch in seiner Installation zu finden.");
        return false;
    }
    // Every trial has a directory of its own, so a second one runs beside a
    // game that is still open (the game allows one game per directory).
    auto directory = std::make_shared<QTemporaryDir>(QDir::tempPath() + QStringLiteral("/velorin-test-XXXXXX"));
    if (!directory->isValid()) {
        error = QStringLiteral("Kein temporäres Verzeichnis für den Test: %1").arg(directory->errorString());
        return false;
    }
    const std::string file = directory->filePath(QString::fromLatin1(LevelFileName)).toStdString();
    // A trial file not yet surely on the disk serves all the same: the game
    // reads it right away, and it goes with the game.
    if (const CollectionSave save = SaveCollection(file, {level}); !save.Saved) {
        error = QString::fromStdString(save.Message);
        return false;
    }
    const QString help = QFileInfo(game).dir().filePath(QStringLiteral("velor.hlp"));
    if (QFileInfo::exists(help))
        QFile::copy(help, directory->filePath(QStringLiteral("velor.hlp")));

    auto* process = new QProcess(parent);
    process->setWorkingDirectory(directory->path());
    process->setProgram(game);
    // The directory lives as long as the game and goes with the process object.
    QObject::connect(process, &QProcess::finished, process, [process, directory] { process->deleteLater(); });
    process->start();
    if (!process->waitForStarted()) {
        error = QStringLiteral("Das Spiel „%1“ startet nicht: %2").arg(game, process->errorString());
        delete process;
        return false;
    }
    return true;
}
