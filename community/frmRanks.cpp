#include "community/frmRanks.h"

#include "foundation/Controls.h"
#include "foundation/Twips.h"
#include "ui/FixedWindow.h"

namespace {

struct Rank {
    const char* name;
    const char* experience;
    bool listed;
};
// "General" is a rank the selection knows, though the list does not offer it.
const Rank kRanks[] = {
    {"Newbie", "0", true},           {"Rookie", "1200", true},        {"Private", "6500", true},
    {"Corporal", "25000", true},     {"Sergeant", "65000", true},     {"Captain", "100000", true},
    {"Major", "450000", true},       {"Colonel", "700000", true},     {"General", "900000", false},
    {"Master", "1800000", true},     {"Lord", "2500000", true},       {"God", "5000000", true},
};

} // namespace

frmRanks::frmRanks()
{
    setWindowTitle(QStringLiteral("Quelvar Rank Names"));
    SetFixedSingle(this, 3990, 3375);

    lstRanks = new QListWidget(this);
    lstRanks->setGeometry(toPixels(120), toPixels(120), toPixels(2040), toPixels(3120));
    QFont listFont(QStringLiteral("Verdana"));
    listFont.setPointSizeF(8.25);
    lstRanks->setFont(listFont);
    for (const Rank& r : kRanks)
        if (r.listed)
            lstRanks->addItem(QLatin1String(r.name));

    Image1 = new QLabel(this);
    Image1->setGeometry(toPixels(3240), toPixels(120), toPixels(480), toPixels(480));
    Label1 = new QLabel(QStringLiteral("Experience for Splat:"), this);
    Label1->setGeometry(toPixels(2280), toPixels(840), toPixels(1590), toPixels(255));
    txtexp = new QLineEdit(this);
    txtexp->setGeometry(toPixels(2280), toPixels(1125), toPixels(1590), toPixels(315));
    txtexp->setReadOnly(true);
    QFont bold = txtexp->font();
    bold.setBold(true);
    txtexp->setFont(bold);
    cmdExit = new QPushButton(QStringLiteral("Done"), this);
    cmdExit->setGeometry(toPixels(2280), toPixels(2865), toPixels(1590), toPixels(375));

    OnListBoxClick(lstRanks, [this] { lstRanks_Click(); });
    connect(cmdExit, &QPushButton::clicked, this, [this] { cmdExit_Click(); });
}

void frmRanks::Form_Load()
{
    CentreOnOwner(this);
    TakeGameWindowIcon(this);
    ShowProgramIcon(Image1);
}

void frmRanks::lstRanks_Click()
{
    const QList<QListWidgetItem*> picked = lstRanks->selectedItems();
    if (picked.isEmpty())
        return;
    const QListWidgetItem* selected = picked.first();
    for (const Rank& r : kRanks) {
        if (selected->text() == QLatin1String(r.name)) {
            txtexp->setText(QLatin1String(r.experience));
            return;
        }
    }
}

void frmRanks::cmdExit_Click() { Forms::unload(this); }
