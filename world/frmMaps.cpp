#include "world/frmMaps.h"

#include "foundation/Twips.h"
#include "platform/Endpoints.h"
#include "ui/frmMain.h"
#include "world/WorldState.h"

#include <QDir>

frmMaps::frmMaps()
{
    setWindowTitle(QStringLiteral("Map Selection"));
    setWindowFlags(Qt::Window | Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(toPixels(3600), toPixels(4335));

    Frame1 = new QGroupBox(QStringLiteral("Avaliable Maps: "), this);
    Frame1->setGeometry(toPixels(120), toPixels(60), toPixels(3360), toPixels(3600));
    lstMaps = new QListWidget(Frame1);
    lstMaps->setGeometry(toPixels(120), toPixels(300), toPixels(3120), toPixels(3165));
    lstMaps->setSelectionMode(QAbstractItemView::SingleSelection);

    cmdAccept = new QPushButton(QStringLiteral("&Change Map"), this);
    cmdAccept->setGeometry(toPixels(120), toPixels(3780), toPixels(1575), toPixels(375));
    cmdCancel = new QPushButton(QStringLiteral("&Cancel"), this);
    cmdCancel->setGeometry(toPixels(1905), toPixels(3780), toPixels(1575), toPixels(375));

    connect(cmdAccept, &QPushButton::clicked, this, [this] { cmdAccept_Click(); });
    connect(cmdCancel, &QPushButton::clicked, this, [this] { cmdCancel_Click(); });
}

void frmMaps::Form_Load()
{
    // Every file of the folder, no name pattern, in name order as a file
    // list shows them.
    const QDir folder(platform::programFolder() + QStringLiteral("/Map/"));
    lstMaps->addItems(folder.entryList(QDir::Files, QDir::Name | QDir::IgnoreCase));
    setCaption(world().MapName);
    setWindowIcon(Forms::get<frmMain>().windowIcon());
}

void frmMaps::cmdAccept_Click()
{
    const QList<QListWidgetItem*> selected = lstMaps->selectedItems();
    World& w = world();
    w.MapName = selected.isEmpty() ? QString() : selected.first()->text();
    Forms::get<frmMain>().Server(QStringLiteral("x"), w.MapName);
    setCaption(w.MapName);
}

void frmMaps::cmdCancel_Click() { Forms::unload(this); }
