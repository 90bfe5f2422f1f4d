#include "ui/frmAbout.h"

#include "foundation/SettingsState.h"
#include "foundation/Twips.h"
#include "ui/FixedWindow.h"

#include <QPixmap>

namespace {
const char* const kCredits[] = {
    "Game design and server: the Quelvar team",
    "Desktop client: written for Linux with Qt",
    "Pictures and sounds: drawn by the client's own generator",
    "Thanks to every player who tested the arenas",
};
} // namespace

frmAbout::frmAbout()
{
    setWindowTitle(QStringLiteral("About Quelvar"));
    SetFixedSingle(this, 6000, 3480);

    picAbout = new QLabel(this);
    picAbout->setGeometry(toPixels(120), toPixels(120), toPixels(1440), toPixels(1440));
    lblHeading = new QLabel(QStringLiteral("Quelvar: "), this);
    lblHeading->setGeometry(toPixels(1680), toPixels(120), toPixels(4200), toPixels(375));
    QFont heading = lblHeading->font();
    heading.setBold(true);
    heading.setPointSizeF(heading.pointSizeF() * 1.5);
    lblHeading->setFont(heading);
    for (int i = 0; i < 4; ++i) {
        lblCredits[i] = new QLabel(QLatin1String(kCredits[i]), this);
        lblCredits[i]->setGeometry(toPixels(1680), toPixels(600 + 300 * i), toPixels(4200), toPixels(255));
    }
    lblResolution = new QLabel(QStringLiteral("Game should be run in 1024x768 Resolution"), this);
    lblResolution->setGeometry(toPixels(120), toPixels(2340), toPixels(5760), toPixels(255));
    lblResolution->setAlignment(Qt::AlignCenter);
    cmdClose = new QPushButton(QStringLiteral("Close"), this);
    cmdClose->setGeometry(toPixels(4560), toPixels(2880), toPixels(1320), toPixels(375));
    connect(cmdClose, &QPushButton::clicked, this, [this] { cmdClose_Click(); });
}

void frmAbout::Form_Load()
{
    CentreOnOwner(this);
    // Without its file the box shows no picture.
    picAbout->setPixmap(QPixmap(settings().GraphicsPath + QStringLiteral("About.bmp")));
}

void frmAbout::cmdClose_Click() { Forms::unload(this); }
