#include "ui/frmOptions.h"

#include "foundation/Controls.h"
#include "foundation/IniFile.h"
#include "foundation/OptionsState.h"
#include "foundation/RuntimeError.h"
#include "foundation/SettingsState.h"
#include "foundation/Twips.h"
#include "foundation/frmDebug.h"
#include "platform/Endpoints.h"
#include "platform/Services.h"
#include "ui/Focus.h"
#include "ui/frmBack.h"

#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QScreen>
#include <QTabBar>
#include <QVBoxLayout>
#include <algorithm>
#include <optional>

namespace {

const QStringList kColourNames = {QStringLiteral("Blue"),   QStringLiteral("Green"),     QStringLiteral("Grey"),
                                  QStringLiteral("Maroon"), QStringLiteral("Orange"),    QStringLiteral("Pink"),
                                  QStringLiteral("Purple"), QStringLiteral("Red"),       QStringLiteral("Turquoise"),
                                  QStringLiteral("Yellow")};

// The first and last buttons of the main window's bar that the count shows
// or hides.
constexpr int kFirstCountedButton = 16;
constexpr int kLastCountedButton = 21;

// An editable combo box that takes what is typed as it stands: no inline
// completion, no new list entries.
QComboBox* editableCombo(QWidget* parent, const QStringList& items)
{
    auto* box = new QComboBox(parent);
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setCompleter(nullptr);
    box->addItems(items);
    return box;
}

// The number a text holds when it is a whole number from lo to hi.
std::optional<int> WholeNumber(const QString& text, int lo, int hi)
{
    bool ok = false;
    const int n = text.trimmed().toInt(&ok, 10);
    if (!ok || n < lo || n > hi)
        return std::nullopt;
    return n;
}

void Refuse(const QString& text) { platform::MsgBox(text, platform::vbExclamation); }

// The input line is disabled while not connected; it keeps no focus then.
void FocusInputLine() { SetFocusIfAble(Forms::get<frmBack>().txtSend); }

} // namespace

frmOptions::frmOptions()
{
    setWindowTitle(QStringLiteral("Quelvar Options"));
    // A fixed tool window, out of the task bar.
    setWindowFlags(Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);

    SSTab1 = new QTabWidget(this);
    auto* general = new QWidget;
    auto* player = new QWidget;
    auto* fonts = new QWidget;
    auto* sound = new QWidget;
    SSTab1->addTab(general, QStringLiteral("General Options"));
    SSTab1->addTab(player, QStringLiteral("Player Options"));
    SSTab1->addTab(fonts, QStringLiteral("Fonts"));
    SSTab1->addTab(sound, QStringLiteral("Sound Options"));

    cmbAutoScreen = new QCheckBox(QStringLiteral("Auto Screen Center"), general);
    cmbAutoScreen->setChecked(true);
    ChkAutoStore = new QCheckBox(QStringLiteral("Auto Open Shops"), general);
    ChkAutoStore->setChecked(true);
    chkShowChat = new QCheckBox(QStringLiteral("Show Chat in #GAME"), general);
    lblButtons = new QLabel(QStringLiteral("Buttons on Main Screen:"), general);
    QStringList counts;
    for (int n = 14; n <= 20; ++n)
        counts << QString::number(n);
    cmbButtons = editableCombo(general, counts);
    cmbButtons->setCurrentText(QStringLiteral("14"));
    Command1 = new QPushButton(QStringLiteral("&Update"), general);
    auto* count = new QHBoxLayout;
    count->addWidget(cmbButtons, 1);
    count->addWidget(Command1);
    auto* generalLayout = new QVBoxLayout(general);
    generalLayout->addWidget(cmbAutoScreen);
    generalLayout->addWidget(ChkAutoStore);
    generalLayout->addWidget(chkShowChat);
    generalLayout->addSpacing(8);
    generalLayout->addWidget(lblButtons);
    generalLayout->addLayout(count);
    generalLayout->addStretch(1);

    txtType = new QLineEdit(QStringLiteral("MS Sans Serif"), fonts);
    lstType = new QListWidget(fonts);
    // In the list's own (letter-case blind) order.
    lstType->addItems({QStringLiteral("Arial"), QStringLiteral("Comic Sans MS"), QStringLiteral("Courier"),
                       QStringLiteral("Courier New"), QStringLiteral("Georgia"), QStringLiteral("Impact"),
                       QStringLiteral("Modern"), QStringLiteral("MS Sans Serif"), QStringLiteral("Roman"),
                       QStringLiteral("Script"), QStringLiteral("Symbol"), QStringLiteral("Times New Roman"),
                       QStringLiteral("Verdana"), QStringLiteral("Webdings"), QStringLiteral("Wingdings")});
    txtFontSize = new QLineEdit(QStringLiteral("8"), fonts);
    lstSize = new QListWidget(fonts);
    lstSize->addItems({QStringLiteral("8"), QStringLiteral("10"), QStringLiteral("12"), QStringLiteral("14"),
                       QStringLiteral("16"), QStringLiteral("18"), QStringLiteral("20")});
    chkBoldNames = new QCheckBox(QStringLiteral("Bold Names"), fonts);
    chkItalic = new QCheckBox(QStringLiteral("Italic"), fonts);
    lstType->setFixedHeight(toPixels(1300));
    lstSize->setFixedHeight(toPixels(1300));

    // The colour sets are stored with the rest, so the user can change them here.
    fraColours = new QGroupBox(QStringLiteral("Colour Sets"), fonts);
    cmbChat = editableCombo(fraColours, kColourNames);
    cmbTells = editableCombo(fraColours, kColourNames);
    cmbPlan = editableCombo(fraColours, kColourNames);
    cmbAnnounce = editableCombo(fraColours, kColourNames);
    auto* colours = new QGridLayout(fraColours);
    const std::pair<const char*, QComboBox*> rows[] = {
        {"Chat:", cmbChat}, {"Tells:", cmbTells}, {"Team Plan:", cmbPlan}, {"Announcements:", cmbAnnounce}};
    int row = 0;
    for (const auto& [caption, box] : rows) {
        colours->addWidget(new QLabel(QString::fromLatin1(caption), fraColours), row, 0);
        colours->addWidget(box, row++, 1);
    }

    auto* fontLayout = new QGridLayout(fonts);
    fontLayout->addWidget(new QLabel(QStringLiteral("Font Type:"), fonts), 0, 0);
    fontLayout->addWidget(new QLabel(QStringLiteral("Font Size:"), fonts), 0, 1);
    fontLayout->addWidget(txtType, 1, 0);
    fontLayout->addWidget(txtFontSize, 1, 1);
    fontLayout->addWidget(lstType, 2, 0);
    fontLayout->addWidget(lstSize, 2, 1);
    fontLayout->addWidget(chkBoldNames, 3, 0);
    fontLayout->addWidget(chkItalic, 3, 1);
    fontLayout->addWidget(fraColours, 4, 0, 1, 2);
    fontLayout->setColumnStretch(0, 3);
    fontLayout->setColumnStretch(1, 1);

    cmdCancel = new QPushButton(QStringLiteral("Cancel"), this);
    cmdApply = new QPushButton(QStringLiteral("Apply"), this);
    cmdOK = new QPushButton(QStringLiteral("Ok"), this);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdCancel);
    buttons->addWidget(cmdApply);
    buttons->addWidget(cmdOK);
    auto* main = new QVBoxLayout(this);
    main->addWidget(SSTab1, 1);
    main->addLayout(buttons);
    // Wide enough for the four tabs side by side in the desktop's font.
    SSTab1->setUsesScrollButtons(false);
    const int tabsWidth = SSTab1->tabBar()->sizeHint().width() + main->contentsMargins().left() +
                          main->contentsMargins().right() + 4;
    setFixedSize(std::max({toPixels(4530), tabsWidth, minimumSizeHint().width()}), sizeHint().height());

    OnListBoxClick(lstType, [this] { lstType_Click(); });
    OnListBoxClick(lstSize, [this] { lstSize_Click(); });
    connect(chkShowChat, &QCheckBox::stateChanged, this, &frmOptions::chkShowChat_Click);
    connect(Command1, &QPushButton::clicked, this, &frmOptions::Command1_Click);
    connect(cmdApply, &QPushButton::clicked, this, &frmOptions::cmdApply_Click);
    connect(cmdOK, &QPushButton::clicked, this, &frmOptions::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmOptions::cmdCancel_Click);
}

void frmOptions::Form_Load()
{
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        move((area.width() - width()) / 2, (area.height() - height()) / 2);
    }
    const Settings& s = settings();
    txtType->setText(s.FontType);
    txtFontSize->setText(QString::number(s.FontSize));
    chkItalic->setChecked(s.Italic);
    chkBoldNames->setChecked(s.BoldNames);
    cmbChat->setCurrentText(s.ChatColour.Name);
    cmbTells->setCurrentText(s.TellColour.Name);
    cmbPlan->setCurrentText(s.PlanColour.Name);
    cmbAnnounce->setCurrentText(s.AnnounceColour.Name);
}

void frmOptions::lstType_Click()
{
    if (const QList<QListWidgetItem*> selected = lstType->selectedItems(); !selected.isEmpty())
        txtType->setText(selected.first()->text());
}

void frmOptions::lstSize_Click()
{
    if (const QList<QListWidgetItem*> selected = lstSize->selectedItems(); !selected.isEmpty())
        txtFontSize->setText(selected.first()->text());
}

void frmOptions::chkShowChat_Click()
{
    // Takes effect at once, without Apply.
    switch (chkShowChat->checkState()) {
    case Qt::Unchecked: options().ShowChatInGame = false; break;
    case Qt::Checked: options().ShowChatInGame = true; break;
    case Qt::PartiallyChecked: break;
    }
}

void frmOptions::Command1_Click()
{
    const std::optional<int> n = WholeNumber(cmbButtons->currentText(), -32768, 32767);
    if (!n) {
        Refuse(QStringLiteral("Buttons on Main Screen must be a whole number from -32768 to 32767."));
        return;
    }
    // Read by the next start; written whatever the number is.
    if (!WriteINI(platform::programFolder() + QStringLiteral("/DesignData.Dat"), QStringLiteral("INIT"),
                  QStringLiteral("NumberButtons"), QString::number(*n)))
        AddToLog(QStringLiteral("frmOptions"), QStringLiteral("Command1_Click"),
                 RuntimeError(errPermissionDenied, QStringLiteral("DesignData.Dat could not be written")).err());
    if (*n < 15 || *n > 20)
        return;
    frmBack& back = Forms::get<frmBack>();
    for (int i = kFirstCountedButton; i <= kLastCountedButton; ++i)
        back.cmdAlias[static_cast<std::size_t>(i)]->setVisible(i <= *n + 1);
}

void frmOptions::StoreSettings(bool withStyle)
{
    OptionsState& o = options();
    if (cmbAutoScreen->checkState() != Qt::PartiallyChecked)
        o.AutoScreenCenter = cmbAutoScreen->isChecked() ? 255 : 0;
    if (ChkAutoStore->checkState() != Qt::PartiallyChecked)
        o.AutoOpenShops = ChkAutoStore->isChecked() ? 255 : 0;

    Settings& s = settings();
    s.FontType = txtType->text();
    if (const std::optional<int> size = WholeNumber(txtFontSize->text(), 0, 255))
        s.FontSize = static_cast<qint16>(*size);
    else
        Refuse(QStringLiteral("Font Size must be a whole number from 0 to 255."));
    if (withStyle) {
        s.Italic = chkItalic->checkState() != Qt::Unchecked;
        s.BoldNames = chkBoldNames->checkState() != Qt::Unchecked;
    }
    SetColourSet(s.ChatColour, cmbChat->currentText());
    SetColourSet(s.TellColour, cmbTells->currentText());
    SetColourSet(s.PlanColour, cmbPlan->currentText());
    SetColourSet(s.AnnounceColour, cmbAnnounce->currentText());
}

void frmOptions::cmdApply_Click() { StoreSettings(true); }

void frmOptions::cmdOK_Click()
{
    // Italic and bold names take effect only through Apply.
    StoreSettings(false);
    FocusInputLine();
    Forms::unload(this);
}

void frmOptions::cmdCancel_Click()
{
    Forms::unload(this);
    FocusInputLine();
}
