#include "ui/frmBtnEdit.h"

#include "community/frmShop.h"
#include "community/frmWho.h"
#include "foundation/RuntimeError.h"
#include "foundation/SettingsState.h"
#include "foundation/Twips.h"
#include "foundation/Utilities.h"
#include "foundation/WindowUtil.h"
#include "ui/frmBack.h"

#include <algorithm>

namespace {

constexpr int kCaptionLength = 13;
constexpr int kBackLast = 20;
constexpr int kShopLast = 26;

UserButton& entry(int index)
{
    auto& table = settings().Buttons;
    if (index < 0 || index >= static_cast<int>(table.size()))
        Raise(errSubscriptOutOfRange);
    return table[static_cast<std::size_t>(index)];
}

template <std::size_t N>
QPushButton* element(const std::array<QPushButton*, N>& buttons, int index, int first)
{
    const int k = index - first;
    if (k < 0 || k >= static_cast<int>(N))
        Raise(errSubscriptOutOfRange);
    return buttons[static_cast<std::size_t>(k)];
}

QLabel* label(const QString& text, QWidget* parent, int left, int top, int width, int height)
{
    auto* l = new QLabel(text, parent);
    l->setGeometry(toPixels(left), toPixels(top), toPixels(width), toPixels(height));
    return l;
}

} // namespace

frmBtnEdit::frmBtnEdit()
{
    setWindowTitle(QStringLiteral("Edit Button"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFixedSize(toPixels(4680), toPixels(3390));

    lblCaption = label(QStringLiteral("Caption:"), this, 120, 135, 900, 255);
    txt1 = new QLineEdit(this);
    // The limit is on typing: a longer caption put into the box stays whole,
    // and typing adds to it only once it is shorter than the limit.
    txt1->setMaxLength(kCaptionLength);
    connect(txt1, &QLineEdit::textEdited, this,
            [this] { txt1->setMaxLength(std::max<int>(kCaptionLength, txt1->text().size())); });
    txt1->setGeometry(toPixels(1080), toPixels(120), toPixels(3480), toPixels(315));
    lblTip = label(QStringLiteral("Tip:"), this, 120, 540, 900, 255);
    txt2 = new QLineEdit(this);
    txt2->setGeometry(toPixels(1080), toPixels(525), toPixels(3480), toPixels(315));
    lblCommands = label(QStringLiteral("Commands:"), this, 120, 945, 900, 255);
    txt3 = new QPlainTextEdit(this);
    txt3->setTabChangesFocus(true);  // Tab goes on to Save, as from the other boxes
    txt3->setGeometry(toPixels(1080), toPixels(930), toPixels(3480), toPixels(1095));
    lblHint = label(QStringLiteral("Use ampersand (&) to separate commands. Example \"BUY TUBE & DUMP TUBE GUN"), this,
                    120, 2115, 4440, 495);
    lblHint->setWordWrap(true);
    lblHint->setTextFormat(Qt::PlainText);

    cmdOK = new QPushButton(QStringLiteral("&Save"), this);
    cmdOK->setGeometry(toPixels(1860), toPixels(2775), toPixels(1275), toPixels(405));
    cmdCancel = new QPushButton(QStringLiteral("&Cancel"), this);
    cmdCancel->setGeometry(toPixels(3285), toPixels(2775), toPixels(1275), toPixels(405));
    connect(cmdOK, &QPushButton::clicked, this, &frmBtnEdit::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmBtnEdit::cmdCancel_Click);

    CentreOnOwner(this, Forms::find<frmBack>());
}

void frmBtnEdit::EditButton(int Index)
{
    const UserButton& b = entry(Index);
    Show();
    txt1->setMaxLength(std::max<int>(kCaptionLength, b.Name.size()));
    txt1->setText(b.Name);
    txt2->setText(b.Tip);
    txt3->setPlainText(LinesForBox(b.Command));
    EditIndex = Index;
}

void frmBtnEdit::cmdOK_Click()
{
    const int index = EditIndex;
    // The store and who windows read their blocks from the settings store
    // when they load: load them before the edit is stored, so that their load
    // does not put back what the user just changed.
    QPushButton* button = nullptr;
    if (index >= 0 && index <= kBackLast)
        button = element(Forms::get<frmBack>().cmdAlias, index, 0);
    else if (index > kBackLast && index <= kShopLast)
        button = element(Forms::get<frmShop>().cmdAlias, index, frmShop::kAliasFirst);
    else
        button = element(Forms::get<frmWho>().cmdAlias, index, frmWho::kAliasFirst);

    UserButton& b = entry(index);
    b.Name = txt1->text();
    b.Tip = txt2->text();
    b.Command = LinesWithCrLf(txt3->toPlainText());
    button->setText(b.Name);
    button->setToolTip(b.Tip);
    Forms::unload<frmBtnEdit>();
}

void frmBtnEdit::cmdCancel_Click() { Forms::unload<frmBtnEdit>(); }
