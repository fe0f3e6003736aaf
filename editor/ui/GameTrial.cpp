#include "GameTrial.h"

#include "CollectionFile.h"
#include "LevelFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <memory>

QString GameProgram()
{
    const QDir here(QCoreApplication::applicationDirPath());
    // The build tree has both side by side; an installation keeps the game
    // in share/velorin below the prefix and the editor in bin.
    for (const QString& candidate : {here.filePath(QStringLiteral("velorin")),
                                     here.filePath(QStringLiteral("../share/velorin/velorin"))}) {
        const QFileInfo info(candidate);
        if (info.isFile() && info.isExecutable())
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
    auto directory = std::make_shared<QTemporaryDir>(QDir::tempPath() + QStringLiteral("/velorin-test-XXXXXX"));
    if (!directory->isValid()) {
        error = QStringLiteral("Kein temporäres Verzeichnis für den Test: %1").arg(directory->errorString());
        return false;
    }
    const std::string file = directory->filePath(QString::fromLatin1(LevelFileName)).toStdString();
    if (const auto failure = SaveCollection(file, {level})) {
        error = QString::fromStdString(*failure);
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
    QObject::connect(process, &QProcess::errorOccurred, process, [process, directory](QProcess::ProcessError failure) {
        if (failure == QProcess::FailedToStart)
            process->deleteLater();
    });
    process->start();
    return true;
}
