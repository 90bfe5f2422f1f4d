#include "ui/frmIgnore.h"

#include "foundation/SettingsState.h"
#include "platform/WholeFile.h"
#include "foundation/frmDebug.h"
#include "platform/Endpoints.h"
#include "ui/FixedWindow.h"
#include "ui/Focus.h"
#include "ui/IgnoreFile.h"
#include "ui/frmBack.h"
#include "ui/frmChat.h"

#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QSet>
#include <QVBoxLayout>
#include <algorithm>

namespace {
const QString kForm = QStringLiteral("frmIgnore");
} // namespace

frmIgnore::frmIgnore()
{
    setWindowTitle(QStringLiteral("Ignore"));
    // A fixed window without minimise or maximise box.
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setModal(false);

    lblIgnored = new QLabel(QStringLiteral("Current Users Being Ignored:"), this);
    lstIgnored = new QListWidget(this);
    lstIgnored->setSelectionMode(QAbstractItemView::ExtendedSelection);
    lblOnline = new QLabel(QStringLiteral("Users Online:"), this);
    lstOnline = new QListWidget(this);
    lstOnline->setSelectionMode(QAbstractItemView::SingleSelection);
    cmdAdd = new QPushButton(QStringLiteral("<-Add"), this);
    cmdRem = new QPushButton(QStringLiteral("Remove->"), this);
    cmdClear = new QPushButton(QStringLiteral("Clear List"), this);
    cmdUpdate = new QPushButton(QStringLiteral("Update"), this);
    cmdDone = new QPushButton(QStringLiteral("Done"), this);

    auto* middle = new QVBoxLayout;
    middle->addStretch();
    middle->addWidget(cmdAdd);
    middle->addWidget(cmdRem);
    middle->addStretch();
    auto* layout = new QGridLayout(this);
    layout->addWidget(lblIgnored, 0, 0);
    layout->addWidget(lblOnline, 0, 2);
    layout->addWidget(lstIgnored, 1, 0);
    layout->addLayout(middle, 1, 1);
    layout->addWidget(lstOnline, 1, 2);
    layout->addWidget(cmdClear, 2, 0);
    layout->addWidget(cmdUpdate, 2, 2);
    layout->addWidget(cmdDone, 3, 1);
    setFixedSize(420, 300);

    connect(cmdAdd, &QPushButton::clicked, this, &frmIgnore::cmdAdd_Click);
    connect(cmdRem, &QPushButton::clicked, this, &frmIgnore::cmdRem_Click);
    connect(cmdClear, &QPushButton::clicked, this, &frmIgnore::cmdClear_Click);
    connect(cmdUpdate, &QPushButton::clicked, this, &frmIgnore::cmdUpdate_Click);
    connect(cmdDone, &QPushButton::clicked, this, &frmIgnore::cmdDone_Click);
}

frmIgnore::~frmIgnore()
{
    // The window's end writes the list once more, however it ends; nothing is
    // reported from here, where other windows may be going too.
    SaveIgnoreList(false);
}

QString frmIgnore::IgnoreFile()
{
    // The Dat folder is known once start-up has set the paths.
    QString dat = settings().DatPath;
    if (dat.isEmpty())
        dat = platform::programFolder() + QStringLiteral("/Dat/");
    return dat + QStringLiteral("Ignore.Dat");
}

QStringList frmIgnore::Names() const
{
    QStringList names;
    for (int i = 0; i < lstIgnored->count(); ++i)
        names.append(lstIgnored->item(i)->text());
    return names;
}

void frmIgnore::InsertSorted(const QString& name)
{
    lstIgnored->insertItem(static_cast<int>(IgnoreInsertIndex(Names(), name)), name);
}

// ---- the file ----

void frmIgnore::SaveIgnoreList(bool report)
{
    const QString procedure = QStringLiteral("SaveIgnoreList");
    if (unread_) {
        // The file holds names the list has not got: they join the list
        // before it is written, and while they cannot be read the file is
        // left alone.
        const std::optional<QStringList> held = ReadIgnoreList(procedure, report);
        if (!held) {
            unsaved_ = true;
            return;
        }
        QStringList names = Names();
        QSet<QString> listed(names.cbegin(), names.cend());
        for (const QString& name : *held)
            if (!listed.contains(name)) {
                listed.insert(name);
                names.append(name);
            }
        std::stable_sort(names.begin(), names.end(), IgnoreNameLess);
        lstIgnored->clear();
        lstIgnored->addItems(names);
    }
    const QString path = IgnoreFile();
    QDir().mkpath(QFileInfo(path).path());
    if (QString error; !platform::WriteWholeFile(path, IgnoreFileBytes(Names()), &error)) {
        unsaved_ = true;
        if (report)
            AddToLog(kForm, procedure,
                     ErrObject{errPathFileAccess,
                               QStringLiteral("Cannot write ") + path + QStringLiteral(": ") + error});
        return;
    }
    unsaved_ = false;
}

std::optional<QStringList> frmIgnore::ReadIgnoreList(const QString& procedure, bool report)
{
    QFile file(IgnoreFile());
    if (!file.exists()) {
        unread_ = false;
        return QStringList();
    }
    if (!file.open(QIODevice::ReadOnly)) {
        unread_ = true;
        if (report)
            AddToLog(kForm, procedure,
                     ErrObject{errPathFileAccess, QStringLiteral("Cannot read ") + file.fileName() +
                                                     QStringLiteral(", so the list is not written over it: ") +
                                                     file.errorString()});
        return std::nullopt;
    }
    unread_ = false;
    const IgnoreFileContents contents = ReadIgnoreFile(file.readAll());
    if (contents.Problem.Number != 0 && report)
        AddToLog(kForm, procedure, contents.Problem);
    QStringList names = contents.Names;
    std::stable_sort(names.begin(), names.end(), IgnoreNameLess);
    return names;
}

void frmIgnore::LoadIgnoreList()
{
    // An unreadable file leaves the list as it is rather than lose names.
    if (const std::optional<QStringList> names = ReadIgnoreList(QStringLiteral("LoadIgnoreList"), true)) {
        lstIgnored->clear();
        lstIgnored->addItems(*names);
    }
}

// ---- public procedures ----

void frmIgnore::IgnoreAdd(QString& strName)
{
    strName.replace(QLatin1Char('_'), QLatin1Char(' '));
    InsertSorted(strName);
    SaveIgnoreList();
}

// ---- events ----

void frmIgnore::Form_Load()
{
    CentreOnOwner(this);
    LoadIgnoreList();
}

void frmIgnore::Form_Unload(int&) { SaveIgnoreList(); }

void frmIgnore::Form_GotFocus()
{
    if (!unsaved_)
        LoadIgnoreList();
}

void frmIgnore::Form_LostFocus() { SaveIgnoreList(); }

bool frmIgnore::event(QEvent* e)
{
    if (e->type() == QEvent::WindowActivate)
        Form_GotFocus();
    else if (e->type() == QEvent::WindowDeactivate)
        Form_LostFocus();
    return Form<QDialog>::event(e);
}

void frmIgnore::cmdAdd_Click()
{
    const QList<QListWidgetItem*> picked = lstOnline->selectedItems();
    if (picked.isEmpty())
        return;
    const QString name = picked.first()->text();
    if (Names().contains(name))
        return;
    InsertSorted(name);
    SaveIgnoreList();
}

void frmIgnore::cmdRem_Click()
{
    if (!lstIgnored->currentItem())
        return;
    for (int i = lstIgnored->count() - 1; i >= 0; --i)
        if (lstIgnored->item(i)->isSelected())
            delete lstIgnored->takeItem(i);
    SaveIgnoreList();
}

void frmIgnore::cmdClear_Click()
{
    lstIgnored->clear();
    SaveIgnoreList();
}

void frmIgnore::cmdUpdate_Click()
{
    const QTreeWidget* who = Forms::get<frmChat>().WhoList;
    if (who->topLevelItemCount() == 0)
        return;
    lstOnline->clear();
    for (int i = 0; i < who->topLevelItemCount(); ++i)
        lstOnline->addItem(who->topLevelItem(i)->text(0));
}

void frmIgnore::cmdDone_Click()
{
    SaveIgnoreList();
    Hide();
    SetFocusIfAble(Forms::get<frmBack>().txtSend);
}
