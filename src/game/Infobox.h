// The about window: the program's icon, name and version and the maker's
// address, with links to the maker's web page and mail address.
#pragma once

#include <QDialog>

class QLabel;
class TBevel;
class TBitBtn;
class TImage;
class TPanel;

class TInfoBox : public QDialog {
    Q_OBJECT
public:
    explicit TInfoBox(QWidget* owner);

    TPanel* MainPanel;
    TImage* ProgramIcon;
    QLabel* ProgramName;
    QLabel* Version;
    TBevel* Bevel2;
    QLabel* Copyright;
    QLabel* Strasse;
    QLabel* Ort;
    QLabel* Telefon;
    QLabel* EMail;
    QLabel* EMailAdresse;
    QLabel* Hompage;
    QLabel* Homepageadresse;
    TBevel* Bevel1;
    TBitBtn* OKButton;

    void OKButtonClick();
    void HomepageadresseClick();
    void EMailAdresseClick();
};

// The maker's addresses, as the about window shows them.
inline const QString MakerMailAddress = QStringLiteral("info@velorin.example");
inline const QString MakerWebAddress = QStringLiteral("https://velorin.example/");
