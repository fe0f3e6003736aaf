// "Testen": the real game on one level, in a temporary directory that
// holds nothing but that level as "velor.dat" (and the help, when the
// game's is found). The directory goes when the game ends.
#pragma once

#include "LevelRecord.h"

#include <QObject>
#include <QString>

// Starts the game; false with the German reason in `error` when it cannot.
// The trial cleans up after itself; `parent` owns it until then.
bool StartGameTrial(const TLevelRecord& level, QObject* parent, QString& error);

// The game program itself, never the launcher: where the installation puts
// it, or beside the editor (the build tree); empty when there is none.
QString GameProgram();
