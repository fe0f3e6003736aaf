// The start-level dialog: asks for the level at which a new game starts.
#pragma once

#include <QDialog>

class TLoadLevelForm : public QDialog {
    Q_OBJECT
public:
    explicit TLoadLevelForm(QWidget* owner);
};

extern TLoadLevelForm* LoadLevelForm;
