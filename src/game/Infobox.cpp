#include "Infobox.h"

#include "Bevel.h"
#include "BitBtn.h"
#include "Fonts.h"
#include "Image.h"
#include "Label.h"
#include "LabelFit.h"
#include "Panel.h"
#include "Shell.h"

#include <QLabel>
#include <QMouseEvent>

namespace {

// A label that reacts to a click, drawn as a link.
class TLinkLabel : public QLabel {
public:
    TLinkLabel(QWidget* parent, std::function<void()> onClick) : QLabel(parent), OnClick(std::move(onClick))
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

// A label of the box: "MS Sans Serif", the text centred on its height.
TLabelLayout BoxLabel(const QString& name, const QString& text, QPoint at, QSize size, int pixels, QColor colour,
                      bool bold = false)
{
    return {.Name = name,
            .Text = text,
            .At = at,
            .Size = size,
            .Font = PixelFont(QStringLiteral("MS Sans Serif"), pixels, bold),
            .Colour = colour,
            .Alignment = Qt::AlignLeft | Qt::AlignVCenter};
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
    ProgramName = MakeLabel(
        MainPanel,
        BoxLabel(QStringLiteral("ProgramName"), QStringLiteral("Programmname"), {70, 8}, {170, 16}, 13, navy, true));
    Version = MakeLabel(
        MainPanel, BoxLabel(QStringLiteral("Version"), QStringLiteral("Version :"), {70, 30}, {170, 13}, 11, black));
    Bevel2 = new TBevel(MainPanel, {13, 70, 234, 5}, BevelShape::TopLine, BevelCut::Raised);
    Copyright = MakeLabel(
        MainPanel,
        BoxLabel(QStringLiteral("Copyright"), QStringLiteral("© 2026 Velorin"), {15, 77}, {200, 13}, 11, black));
    Strasse = MakeLabel(
        MainPanel, BoxLabel(QStringLiteral("Strasse"), QStringLiteral("Lindenweg 7"), {70, 92}, {170, 13}, 11, black));
    Ort = MakeLabel(
        MainPanel,
        BoxLabel(QStringLiteral("Ort"), QStringLiteral("12345 Musterstadt"), {70, 107}, {170, 13}, 11, black));
    Telefon = MakeLabel(
        MainPanel,
        BoxLabel(QStringLiteral("Telefon"), QStringLiteral("Tel. : 0123 4567890"), {70, 122}, {170, 13}, 11, black));
    EMail = MakeLabel(MainPanel,
                      BoxLabel(QStringLiteral("EMail"), QStringLiteral("EMail :"), {70, 145}, {}, 11, black));
    EMailAdresse = ApplyLabelLayout(
        new TLinkLabel(MainPanel, [this] { EMailAdresseClick(); }),
        BoxLabel(QStringLiteral("EMailAdresse"), MakerMailAddress, {107, 145}, {}, 11, blue));
    Hompage = MakeLabel(MainPanel,
                        BoxLabel(QStringLiteral("Hompage"), QStringLiteral("Homepage :"), {70, 160}, {}, 11, black));
    Homepageadresse = ApplyLabelLayout(
        new TLinkLabel(MainPanel, [this] { HomepageadresseClick(); }),
        BoxLabel(QStringLiteral("Homepageadresse"), MakerWebAddress, {130, 160}, {}, 11, blue));
    KeepClearOf(EMail, EMailAdresse);
    KeepClearOf(Hompage, Homepageadresse);
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
