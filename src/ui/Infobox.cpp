#include "Infobox.h"

#include "Bevel.h"
#include "BitBtn.h"
#include "Fonts.h"
#include "Image.h"
#include "Panel.h"
#include "Shell.h"

#include <QLabel>
#include <QMouseEvent>

namespace {

// A label that reacts to a click, drawn as a link.
class TLinkLabel : public QLabel {
public:
    TLinkLabel(const QString& text, QWidget* parent, std::function<void()> onClick)
        : QLabel(text, parent), OnClick(std::move(onClick))
    {
        setCursor(Qt::PointingHandCursor);
    }

protected:
    void mouseReleaseEvent(QMouseEvent* event) override
    {
        if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
            OnClick();
    }

private:
    std::function<void()> OnClick;
};

QFont LabelFont(int pixels, bool bold = false)
{
    return PixelFont(QStringLiteral("MS Sans Serif"), pixels, bold);
}

template <typename Label = QLabel>
Label* Place(Label* label, const QString& name, QPoint at, QSize size, const QFont& font, QColor colour)
{
    label->setObjectName(name);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    label->move(at);
    if (size.isValid())
        label->resize(size);
    else
        label->adjustSize(); // sized to its text
    return label;
}

} // namespace

TInfoBox::TInfoBox(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("InfoBox"));
    setWindowTitle(QStringLiteral("Info"));
    setFixedSize(277, 263);
    setFont(PixelFont(QStringLiteral("System"), 13));

    const QColor black(0, 0, 0), navy(0, 0, 128), blue(0, 0, 255);
    MainPanel = new TPanel(this, {9, 5, 260, 215}, QColor(192, 192, 192), BevelCut::Raised, BevelCut::Lowered);
    MainPanel->setObjectName(QStringLiteral("MainPanel"));
    ProgramIcon = new TImage(MainPanel, {20, 10, 32, 32});
    ProgramIcon->setObjectName(QStringLiteral("ProgramIcon"));
    ProgramName = Place(new QLabel(QStringLiteral("Programmname"), MainPanel), QStringLiteral("ProgramName"), {70, 8},
                        {170, 16}, LabelFont(13, true), navy);
    Version = Place(new QLabel(QStringLiteral("Version :"), MainPanel), QStringLiteral("Version"), {70, 30}, {170, 13},
                    LabelFont(11), black);
    Bevel2 = new TBevel(MainPanel, {13, 70, 234, 5}, BevelShape::TopLine, BevelCut::Raised);
    Copyright = Place(new QLabel(QStringLiteral("© 2026 Velorin"), MainPanel), QStringLiteral("Copyright"), {15, 77},
                      {200, 13}, LabelFont(11), black);
    Strasse = Place(new QLabel(QStringLiteral("Lindenweg 7"), MainPanel), QStringLiteral("Strasse"), {70, 92},
                    {170, 13}, LabelFont(11), black);
    Ort = Place(new QLabel(QStringLiteral("12345 Musterstadt"), MainPanel), QStringLiteral("Ort"), {70, 107}, {170, 13},
                LabelFont(11), black);
    Telefon = Place(new QLabel(QStringLiteral("Tel. : 0123 4567890"), MainPanel), QStringLiteral("Telefon"), {70, 122},
                    {170, 13}, LabelFont(11), black);
    EMail = Place(new QLabel(QStringLiteral("EMail :"), MainPanel), QStringLiteral("EMail"), {70, 145}, {},
                  LabelFont(11), black);
    EMailAdresse = Place(new TLinkLabel(MakerMailAddress, MainPanel, [this] { EMailAdresseClick(); }),
                         QStringLiteral("EMailAdresse"), {107, 145}, {}, LabelFont(11), blue);
    Hompage = Place(new QLabel(QStringLiteral("Homepage :"), MainPanel), QStringLiteral("Hompage"), {70, 160}, {},
                    LabelFont(11), black);
    Homepageadresse = Place(new TLinkLabel(MakerWebAddress, MainPanel, [this] { HomepageadresseClick(); }),
                            QStringLiteral("Homepageadresse"), {130, 160}, {}, LabelFont(11), blue);
    Bevel1 = new TBevel(MainPanel, {13, 182, 234, 5}, BevelShape::TopLine, BevelCut::Raised);

    OKButton = TBitBtn::OkButton(this, {94, 230, 80, 25}, 15);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    connect(OKButton, &QPushButton::clicked, this, [this] { OKButtonClick(); });
}

void TInfoBox::OKButtonClick()
{
    done(QDialog::Accepted);
}

void TInfoBox::HomepageadresseClick()
{
    ShellOpen(MakerWebAddress);
}

void TInfoBox::EMailAdresseClick()
{
    ShellOpen(QStringLiteral("mailto:") + MakerMailAddress);
}
