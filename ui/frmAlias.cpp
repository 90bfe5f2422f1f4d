#include "ui/frmAlias.h"

#include "foundation/Utilities.h"
#include "foundation/frmDebug.h"
#include "platform/Services.h"
#include "ui/AliasData.h"
#include "ui/FixedWindow.h"
#include "ui/ServerSend.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QVBoxLayout>

namespace {
const QString kCommand = QStringLiteral("a");
const QString kUnsaved = QStringLiteral("no");
const QString kLoaded = QStringLiteral("yes");
constexpr int kCommandsColumn = 1;  // the "cmds" sub-item

void SendAliasCommand(const QString& text) { ServerSend(kCommand, text); }
} // namespace

frmAlias::frmAlias()
{
    setWindowTitle(QStringLiteral("Alias"));
    // A fixed window without minimise or maximise box.
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setModal(false);

    fraAliases = new QGroupBox(QStringLiteral("Aliases"), this);
    lvAliases = new QTreeWidget(fraAliases);
    lvAliases->setHeaderLabels({QStringLiteral("Name"), QStringLiteral("Commands")});
    lvAliases->setRootIsDecorated(false);
    lvAliases->setSortingEnabled(false);
    lvAliases->setSelectionMode(QAbstractItemView::SingleSelection);
    lvAliases->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lvAliases->header()->setStretchLastSection(true);
    lvAliases->installEventFilter(this);
    cmdAddNew = new QPushButton(QStringLiteral("&Add"), fraAliases);
    cmdRem = new QPushButton(QStringLiteral("Remo&ve"), fraAliases);
    cmdUpdate = new QPushButton(QStringLiteral("&Refresh"), fraAliases);
    cmdExit = new QPushButton(QStringLiteral("&Done"), fraAliases);
    cmdUpdate->setDefault(true);

    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {cmdAddNew, cmdRem, cmdUpdate, cmdExit})
        buttons->addWidget(b);
    auto* listLayout = new QVBoxLayout(fraAliases);
    listLayout->addWidget(lvAliases, 1);
    listLayout->addLayout(buttons);

    fraAlias = new QGroupBox(QStringLiteral("Alias: none"), this);
    lblName = new QLabel(QStringLiteral("Alias Name:"), fraAlias);
    txtName = new QLineEdit(fraAlias);
    lblName->setBuddy(txtName);
    rtbCommands = new RichTextBox(fraAlias);
    rtbCommands->setReadOnly(false);
    rtbCommands->setUndoRedoEnabled(true);
    rtbCommands->setAcceptRichText(false);
    rtbCommands->setTextInteractionFlags(Qt::TextEditorInteraction);
    cmdUpdateAlias = new QPushButton(QStringLiteral("&Update Alias"), fraAlias);
    auto* editor = new QGridLayout(fraAlias);
    editor->addWidget(lblName, 0, 0);
    editor->addWidget(txtName, 0, 1);
    editor->addWidget(rtbCommands, 1, 0, 1, 2);
    editor->addWidget(cmdUpdateAlias, 2, 0, 1, 2);

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(fraAliases, 1);
    layout->addWidget(fraAlias, 1);
    setFixedSize(560, 300);

    connect(cmdAddNew, &QPushButton::clicked, this, &frmAlias::cmdAddNew_Click);
    connect(cmdRem, &QPushButton::clicked, this, &frmAlias::cmdRem_Click);
    connect(cmdUpdate, &QPushButton::clicked, this, &frmAlias::cmdUpdate_Click);
    connect(cmdExit, &QPushButton::clicked, this, &frmAlias::cmdExit_Click);
    connect(cmdUpdateAlias, &QPushButton::clicked, this, &frmAlias::cmdUpdateAlias_Click);
    connect(lvAliases, &QTreeWidget::itemClicked, this, &frmAlias::lvAliases_Click);
    connect(txtName, &QLineEdit::textChanged, this, &frmAlias::txtName_Change);
    connect(rtbCommands, &QTextEdit::textChanged, this, &frmAlias::rtbCommands_Change);
}

void frmAlias::Form_Load()
{
    CentreOnOwner(this);
    SendAliasCommand(QStringLiteral("0"));
}

// ---- what the server sends ----

void frmAlias::ProcessAlias(const QString& Data)
{
    const AliasData data = ReadAliasData(Data);
    switch (data.kind) {
    case AliasData::Kind::List:
        FillList(data.List);
        break;
    case AliasData::Kind::Saved:
        PutAlias(data.Name, data.Commands);
        break;
    case AliasData::Kind::SaveRefused:
        platform::MsgBox(QStringLiteral("You do not have enough aliases available to save '") + data.Commands +
                             QLatin1Char('\''),
                         platform::vbInformation, QStringLiteral("Unable to add"));
        break;
    case AliasData::Kind::Removed:
        delete FindAlias(data.Name);
        break;
    case AliasData::Kind::RemoveFailed:
        platform::MsgBox(QStringLiteral("Unable to find alias '") + data.Name + QStringLiteral("' to delete!"),
                         platform::vbInformation, QStringLiteral("Unable to delete"));
        break;
    case AliasData::Kind::None:
        break;
    }
}

void frmAlias::ParseAlias(const QString& Raw) { FillList(ParseAliasList(Raw)); }

void frmAlias::FillList(const AliasList& list)
{
    lvAliases->clear();
    for (const Alias& alias : list.Aliases) {
        auto* item = new QTreeWidgetItem(lvAliases);
        item->setText(0, alias.Name);
        item->setText(kCommandsColumn, alias.Commands);
    }
    if (list.Skipped > 0) {
        ErrObject err = list.FirstProblem;
        err.Description += QStringLiteral(" (%1 alias records left out)").arg(list.Skipped);
        AddToLog(QStringLiteral("frmAlias"), QStringLiteral("ParseAlias"), err);
    }
}

void frmAlias::AddNew(const QString& Name)
{
    // The list shows the saved alias at once; the next list reply brings the
    // server's own copy.
    if (txtName->text() == Name)
        PutAlias(Name, EditorCommands());
    else if (!AliasExists(Name))
        PutAlias(Name, QString());
}

// ---- the list ----

QString frmAlias::ItemCommands(const QTreeWidgetItem* item) { return item->text(kCommandsColumn); }

QString frmAlias::EditorCommands() const
{
    return LinesWithCrLf(rtbCommands->toPlainText());
}

QTreeWidgetItem* frmAlias::FindAlias(const QString& Name) const
{
    for (int i = 0; i < lvAliases->topLevelItemCount(); ++i) {
        QTreeWidgetItem* item = lvAliases->topLevelItem(i);
        if (item->text(0) == Name)
            return item;
    }
    return nullptr;
}

bool frmAlias::AliasExists(const QString& Name) const { return FindAlias(Name) != nullptr; }

void frmAlias::PutAlias(const QString& Name, const QString& Commands)
{
    QTreeWidgetItem* item = FindAlias(Name);
    if (!item) {
        item = new QTreeWidgetItem(lvAliases);
        item->setText(0, Name);
    }
    item->setText(kCommandsColumn, Commands);
}

// ---- buttons and editor ----

void frmAlias::cmdAddNew_Click()
{
    txtName->clear();
    rtbCommands->clear();
    setCaption(QStringLiteral("Alias: New"));
    txtName->setFocus();
}

void frmAlias::cmdRem_Click()
{
    const QList<QTreeWidgetItem*> selected = lvAliases->selectedItems();
    if (selected.isEmpty())
        return;
    SendAliasCommand(QStringLiteral("2") + QChar(0) + selected.first()->text(0));
}

void frmAlias::cmdUpdate_Click() { SendAliasCommand(QStringLiteral("0")); }

void frmAlias::cmdExit_Click() { Forms::unload(this); }

void frmAlias::cmdUpdateAlias_Click()
{
    SendAliasCommand(QStringLiteral("1") + QChar(0) + txtName->text() + QChar(0) + EditorCommands());
}

void frmAlias::lvAliases_Click()
{
    const QList<QTreeWidgetItem*> selected = lvAliases->selectedItems();
    if (selected.isEmpty())
        return;
    if (txtNameTag_ == kUnsaved)
        platform::MsgBox(QStringLiteral("Save changes to last alias?"), platform::vbYesNo | platform::vbCritical);
    // The answer changes nothing: the clicked alias is loaded either way.
    const QTreeWidgetItem* item = selected.first();
    txtName->setText(item->text(0));
    rtbCommands->setPlainText(LinesForBox(ItemCommands(item)));
    txtNameTag_ = kLoaded;
}

void frmAlias::lvAliases_GotFocus() { cmdUpdate->setDefault(true); }

void frmAlias::txtName_Change()
{
    setCaption(QStringLiteral("Alias: '") + txtName->text() + QLatin1Char('\''));
    txtNameTag_ = kUnsaved;
}

void frmAlias::rtbCommands_Change() { txtNameTag_ = kUnsaved; }

bool frmAlias::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == lvAliases && event->type() == QEvent::FocusIn)
        lvAliases_GotFocus();
    return Form<QDialog>::eventFilter(watched, event);
}
