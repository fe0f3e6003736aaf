// Qt's own texts in German: the context menus of edit fields and text
// views, and any standard button or dialog text Qt supplies, whatever
// language the desktop is set to.
#pragma once

class QCoreApplication;

// Installs Qt's German translation from the system's Qt translations.
// False when it is not there: Qt's texts then stay English, and the game
// runs as before.
bool InstallGermanTranslations(QCoreApplication& app);
