#include "community/frmShop.h"

#include "community/ShopList.h"
#include "foundation/ButtonTable.h"
#include "foundation/SettingsState.h"
#include "foundation/Sound.h"
#include "foundation/Twips.h"
#include "foundation/frmDebug.h"
#include "platform/Endpoints.h"
#include "platform/SettingsStore.h"
#include "ui/FixedWindow.h"
#include "ui/Focus.h"
#include "ui/InputCodes.h"
#include "ui/ServerSend.h"
#include "ui/frmBack.h"
#include "ui/frmBtnEdit.h"

#include <functional>

namespace {
QColor colourOf(quint32 rgb) { return QColor(rgb & 0xFF, (rgb >> 8) & 0xFF, (rgb >> 16) & 0xFF); }
} // namespace

frmShop::frmShop()
{
    setWindowTitle(QStringLiteral("Store"));
    // A fixed single border with a close box only.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    QFont verdana(QStringLiteral("Verdana"));
    verdana.setPointSizeF(8.25);
    setFont(verdana);

    ListView = new QTreeWidget(this);
    ListView->setHeaderHidden(true);
    ListView->setColumnCount(1);
    ListView->setGeometry(toPixels(120), toPixels(120), toPixels(3600), toPixels(4080));

    auto button = [this](const QString& caption, int top) {
        auto* b = new QPushButton(caption, this);
        b->setGeometry(toPixels(3840), toPixels(top), toPixels(2280), toPixels(375));
        return b;
    };
    cmdBuy = button(QStringLiteral("Purchase"), 120);
    QFont bold = verdana;
    bold.setBold(true);
    cmdBuy->setFont(bold);
    cmdUpdate = button(QStringLiteral("Update List"), 555);
    for (int k = 0; k < static_cast<int>(cmdAlias.size()); ++k) {
        const int index = kAliasFirst + k;
        cmdAlias[k] = button(QString(), 1080 + k * 390);
        connect(cmdAlias[k], &QPushButton::clicked, this, [this, index] { cmdAlias_Click(index); });
        OnMouseDown(cmdAlias[k], [this, index](int b, int shift, float x, float y) {
            cmdAlias_MouseDown(index, b, shift, x, y);
        });
    }
    Label1 = new QLabel(QStringLiteral("%1 = Store Item"), this);
    Label1->setGeometry(toPixels(3840), toPixels(3480), toPixels(2280), toPixels(255));
    cmdDone = button(QStringLiteral("&Close"), 3825);
    setFixedSize(toPixels(6240), toPixels(4320));

    connect(cmdBuy, &QPushButton::clicked, this, &frmShop::cmdBuy_Click);
    connect(cmdUpdate, &QPushButton::clicked, this, &frmShop::cmdUpdate_Click);
    connect(cmdDone, &QPushButton::clicked, this, &frmShop::cmdDone_Click);
}

void frmShop::Form_Load()
{
    CentreOnOwner(this);
    // The captions were set by the settings load; only the entries are read.
    for (int i = kAliasFirst; i < kAliasFirst + static_cast<int>(cmdAlias.size()); ++i)
        ReadButtonEntry(i);
    cmdUpdate_Click();
}

void frmShop::Form_Unload(int&)
{
    platform::SettingsSave save(platform::programName());
    WriteButtonTable(save);
    WriteSettingsSave(QStringLiteral("frmShop"), QStringLiteral("Form_Unload"), save);
}

QTreeWidgetItem* frmShop::addNode(QTreeWidgetItem* parent, const QString& key, const QString& text)
{
    auto* node = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(ListView);
    node->setText(0, text);
    node->setData(0, Qt::UserRole, key);
    if (!key.isEmpty())
        nodes_.insert(key, node);
    return node;
}

QTreeWidgetItem* frmShop::AddCategory(const QString& key, const QString& text, quint32 colour)
{
    QTreeWidgetItem* node = addNode(nullptr, key, text);
    QFont f = node->font(0);
    f.setBold(false);
    node->setFont(0, f);
    node->setForeground(0, colourOf(colour));
    return node;
}

void frmShop::FillCategories(int kind)
{
    ListView->clear();
    nodes_.clear();
    for (const store::Category& c : store::StoreCategories(kind))
        AddCategory(c.Key, c.Caption, 0);
}

void frmShop::ParseShopData(const QString& strRaw)
{
    const store::ShopList list = store::ParseShopList(strRaw);
    FillCategories(list.Kind);
    if (list.OtherAdded)
        AddCategory(QLatin1String(store::kOtherKey), QLatin1String(store::kOtherKey), 0);
    for (const store::Item& item : list.Items) {
        QTreeWidgetItem* node = addNode(nodes_.value(item.Category), item.Name, item.Name);
        addNode(node, store::CostKey(item.Row), store::CostText(item.Cost));
        addNode(node, store::WeightKey(item.Row), store::WeightText(item.Weight));
    }
    if (list.Skipped > 0) {
        ErrObject err = list.FirstError;
        err.Description += QStringLiteral(" (") + QString::number(list.Skipped) +
                           QLatin1String(list.Skipped == 1 ? " row of the store list skipped)"
                                                           : " rows of the store list skipped)");
        AddToLog(QStringLiteral("frmShop"), QStringLiteral("ParseShopData"), err);
    }
    setCaption(store::StoreCaption(list.Kind));
}

std::optional<QString> frmShop::SelectedItem() const
{
    const QList<QTreeWidgetItem*> selected = ListView->selectedItems();
    if (selected.isEmpty() || !selected.first()->parent())
        return std::nullopt;
    const QTreeWidgetItem* node = selected.first();
    return node->childCount() > 0 ? node->text(0) : node->parent()->text(0);
}

void frmShop::cmdBuy_Click()
{
    const std::optional<QString> item = SelectedItem();
    if (!item)
        return;
    // A step that fails is skipped; the purchase goes on with the next.
    const std::function<void()> steps[] = {
        [] { PlaySound(0, 1); },
        [&] { ServerSend(QStringLiteral("C"), QStringLiteral("buy ") + *item); },
        [&] { setCaption(QStringLiteral("You've just purchased: ") + *item); },
    };
    for (const auto& step : steps) {
        try {
            step();
        } catch (const RuntimeError&) {
        }
    }
}

void frmShop::cmdAlias_Click(int Index)
{
    const QString command = settings().Buttons.at(static_cast<std::size_t>(Index)).Command;
    if (const std::optional<QString> item = SelectedItem())
        ServerSend(QStringLiteral("C"), QString(command).replace(QStringLiteral("%1"), *item));
}

void frmShop::cmdAlias_MouseDown(int Index, int Button, int, float, float)
{
    if (Button == vbRightButton)
        Forms::get<frmBtnEdit>().EditButton(Index);
}

void frmShop::cmdUpdate_Click() { ServerSend(QStringLiteral("l"), QString()); }

void frmShop::cmdDone_Click()
{
    Forms::unload<frmShop>();
    if (frmBack* back = Forms::find<frmBack>())
        SetFocusIfAble(back->txtSend);
}
