#include "ui/frmMain.h"

#include "foundation/MenuState.h"
#include "foundation/OptionsState.h"
#include "foundation/Twips.h"
#include "ui/Focus.h"
#include "ui/frmBack.h"
#include "ui/MenuShortcuts.h"
#include "ui/frmChat.h"

#include <QPointer>
#include <QVBoxLayout>

namespace {
QAction* addItem(QMenu* menu, const QString& caption, const QKeySequence& shortcut = QKeySequence())
{
    QAction* a = menu->addAction(caption);
    if (!shortcut.isEmpty())
        a->setShortcut(shortcut);
    return a;
}
} // namespace

frmMain::frmMain()
{
    setWindowTitle(QStringLiteral("[Game Window]"));
    // Sizable tool-window border with no minimise, maximise or close box.
    setWindowFlags(Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    QFont f(QStringLiteral("Verdana"));
    f.setPointSizeF(8.25);
    setFont(f);

    buildControls();
    buildMenus();
    connectMenuHandlers();

    DXTimer = new QTimer(this);
    DXTimer->setInterval(32);
    Timer1 = new QTimer(this);
    Timer1->setInterval(15000);
    LightningTimer = new QTimer(this);
    LightningTimer->setInterval(10000);

    Wsk = new QTcpSocket(this);
    WskUsers = new QTcpSocket(this);

    connectButtons();
    connectSockets();
    connectMapView();

    // An MDI child belongs to the main window, which loads with it.
    frmBack& back = Forms::get<frmBack>();
    back.addChild(this);
    // Its buttons give the focus to its own line: the menus' shortcuts
    // (shown on the main window's bar) work from there too.
    KeepMenuShortcuts(txtSend, back.menuBar());
    resize(toPixels(13845), toPixels(7230));
}

frmMain::~frmMain() = default;

void frmMain::buildControls()
{
    content = new QWidget(this);
    setWidget(content);

    picMap = new PictureBox(content);
    picMap->setGeometry(0, 0, toPixels(13845), toPixels(7230));

    const int left = toPixels(14040);
    cmdConnect = new QPushButton(QStringLiteral("Connect"), content);
    cmdConnect->setGeometry(left, 0, toPixels(1335), toPixels(360));
    int top = 360;
    auto place = [&](QPushButton* b) {
        b->setGeometry(left, toPixels(top), toPixels(1335), toPixels(300));
        top += 300;
    };
    cmdReload = new QPushButton(QStringLiteral("Reload (Vile)"), content);
    cmdReload->setToolTip(QStringLiteral("Reloads a Tube into Gun"));
    place(cmdReload);
    Command1 = new QPushButton(QStringLiteral("Get Flag"), content);
    Command1->setToolTip(QStringLiteral("Reloads a Tube into Gun"));
    place(Command1);
    Command2 = new QPushButton(QStringLiteral("Get Token"), content);
    Command2->setToolTip(QStringLiteral("Reloads a Tube into Gun"));
    place(Command2);
    for (int i = 0; i < 22; ++i)
        cmdAlias[i] = new QPushButton(content);
    static constexpr int kOrder[] = {12, 11, 10, 9, 8, 7, 6, 5, 4, 2, 1, 0, 15, 16, 17, 18, 19, 20, 21, 13, 14, 3};
    for (int i : kOrder)
        place(cmdAlias[i]);
    for (int i : {3, 13, 14, 16, 17, 18, 19, 20, 21})
        cmdAlias[i]->hide();
    // The game window is part of the main window, whose buttons hand the
    // keyboard on to the input line.
    KeyboardOnlyByTab(content);

    txtSend = new QComboBox(content);
    txtSend->setEditable(true);
    txtSend->setGeometry(0, toPixels(8520), toPixels(13755), toPixels(330));
}

void frmMain::buildMenus()
{
    mnuFile = new QMenu(QStringLiteral("&File"), this);
    mnuFileConnect = addItem(mnuFile, QStringLiteral("Connect"));
    mnuFileBar0 = mnuFile->addSeparator();
    mnuUpdate = addItem(mnuFile, QStringLiteral("Update"));
    mnuUpdate->setEnabled(false);
    mnuFileBar3 = mnuFile->addSeparator();
    mnuFileExit = addItem(mnuFile, QStringLiteral("E&xit"));

    mnuView = new QMenu(QStringLiteral("&View"), this);
    mnuViewBuy = addItem(mnuView, QStringLiteral("&Shop"), QKeySequence(Qt::CTRL | Qt::Key_B));
    mnuViewWho = addItem(mnuView, QStringLiteral("&Who's On"), QKeySequence(Qt::CTRL | Qt::Key_W));
    mnuIgnoreList = addItem(mnuView, QStringLiteral("&Ignored List"));
    mnuRanks = addItem(mnuView, QStringLiteral("Ranks"), QKeySequence(Qt::CTRL | Qt::Key_I));
    mnuSatellite = addItem(mnuView, QStringLiteral("Overview"));
    mnuViewAlias = addItem(mnuView, QStringLiteral("&Buttons"), QKeySequence(Qt::CTRL | Qt::Key_A));
    mnuTourn = addItem(mnuView, QStringLiteral("T&ournament"));
    mnuViewTeam = addItem(mnuView, QStringLiteral("&Teams"), QKeySequence(Qt::CTRL | Qt::Key_T));
    mnuGameInfo = addItem(mnuView, QStringLiteral("Game Info"), QKeySequence(Qt::Key_F1));
    mnuViewTop = addItem(mnuView, QStringLiteral("Top &10"), QKeySequence(Qt::Key_F2));

    mnuCommands = new QMenu(QStringLiteral("&Commands"), this);
    mnuCommandScreen = addItem(mnuCommands, QStringLiteral("&Screen Center"), QKeySequence(Qt::CTRL | Qt::Key_S));
    mnuCmdLst = addItem(mnuCommands, QStringLiteral("&Command List"));
    mnuClearWindow = addItem(mnuCommands, QStringLiteral("&Clear Chat Window"));

    mnuOptions = new QMenu(QStringLiteral("&Options"), this);
    mnuOptionsReady = mnuOptions->addMenu(QStringLiteral("&Status"));
    mnuReadyStatus = mnuOptionsReady->addMenu(QStringLiteral("Ready Status"));
    mnuOptionsReadyNot = addItem(mnuReadyStatus, QStringLiteral("Not Ready"));
    mnuOptionsReadyYes = addItem(mnuReadyStatus, QStringLiteral("Ready"));
    mnuOptionsReadyAuto = addItem(mnuReadyStatus, QStringLiteral("Auto-Ready"));
    mnuOptionsZoom = addItem(mnuOptions, QStringLiteral("Zoom In"), QKeySequence(Qt::CTRL | Qt::Key_Z));
    mnuOptionSkins = mnuOptions->addMenu(QStringLiteral("Skins"));
    mnuOptionsSkinsApply = addItem(mnuOptionSkins, QStringLiteral("Apply Skin"));
    mnuOptionSkinsSave = addItem(mnuOptionSkins, QStringLiteral("Save Skin"));
    mnuOptionSkinsRemove = addItem(mnuOptionSkins, QStringLiteral("Remove Skin"));
    mnuKeyMove = addItem(mnuOptions, QStringLiteral("Keypad Movement"));
    mnuOptionsTags = addItem(mnuOptions, QStringLiteral("Name Tags"));
    mnuOptionLangFilter = addItem(mnuOptions, QStringLiteral("Language Filter"));
    mnuOptionLangFilter->setEnabled(false);
    mnuOptionsChat = addItem(mnuOptions, QStringLiteral("Auto-Chat"));
    mnuOptionsScroll = addItem(mnuOptions, QStringLiteral("Scroll Lock"));
    mnuLine3 = mnuOptions->addSeparator();
    mnuOptionsSound = addItem(mnuOptions, QStringLiteral("&Sound Options"));
    mnuOptionsSound->setVisible(false);
    mnuOptionsGeneral = addItem(mnuOptions, QStringLiteral("&General Options"));
    mnuSplit3 = mnuOptions->addSeparator();
    mnuOptionLoginIgnore = addItem(mnuOptions, QStringLiteral("Ignore Logins"));
    mnuOptionSplatIgnore = addItem(mnuOptions, QStringLiteral("Ignore Who Splats"));

    mnuForum = new QMenu(QStringLiteral("Forum"), this);
    mnuGeneral = addItem(mnuForum, QStringLiteral("General"));
    mnuSales = addItem(mnuForum, QStringLiteral("Sales"));
    mnuSupport = addItem(mnuForum, QStringLiteral("Support"));

    mnuAdmin = new QMenu(QStringLiteral("&Administration"), this);
    // Its two separators always show, even with every item hidden.
    mnuAdmin->setSeparatorsCollapsible(false);
    mnuOptionsAdmin = addItem(mnuAdmin, QStringLiteral("Auto-Admin"));
    mnuFileBar2 = mnuAdmin->addSeparator();
    mnuerrorlog = addItem(mnuAdmin, QStringLiteral("Error Log..."));
    mnuLoadMap = addItem(mnuAdmin, QStringLiteral("Change Map..."));
    FileBar8 = mnuAdmin->addSeparator();
    mnuLogAll = addItem(mnuAdmin, QStringLiteral("Log All"));
    mnuLogChatter = addItem(mnuAdmin, QStringLiteral("LogChatter"));

    mnuHelp = new QMenu(QStringLiteral("&Help"), this);
    mnuHelpContents = addItem(mnuHelp, QStringLiteral("Help Contents"));
    mnuHelpNews = addItem(mnuHelp, QStringLiteral("&News"), QKeySequence(Qt::Key_F3));
    mnuBasic = addItem(mnuHelp, QStringLiteral("Quick Start Tutorial"));
    mnuCommandList = addItem(mnuHelp, QStringLiteral("Command List"));
    mnuhomepage = addItem(mnuHelp, QStringLiteral("&Website"));
    mnuHelpAbout = addItem(mnuHelp, QStringLiteral("&About"), QKeySequence(Qt::Key_F12));

    mnuMisc = new QMenu(QStringLiteral("Misc"), this);
    mnuMiscIgnore = addItem(mnuMisc, QStringLiteral("Ignore User"));
    mnuMiscTell = addItem(mnuMisc, QStringLiteral("Tell User"));
    mnuMiscEnlist = addItem(mnuMisc, QStringLiteral("Enlist"));
    mnuMisc->menuAction()->setVisible(false);

    menuBar_ = {mnuFile, mnuView, mnuCommands, mnuOptions, mnuForum, mnuAdmin, mnuHelp, mnuMisc};

    OptionMenus& m = optionMenus();
    bindCheck(mnuOptionsReadyNot, m.mnuOptionsReadyNot);
    bindCheck(mnuOptionsReadyYes, m.mnuOptionsReadyYes);
    bindCheck(mnuOptionsReadyAuto, m.mnuOptionsReadyAuto);
    bindCheck(mnuOptionsZoom, m.mnuOptionsZoom);
    bindCheck(mnuKeyMove, m.mnuKeyMove);
    bindCheck(mnuOptionsTags, m.mnuOptionsTags);
    bindCheck(mnuOptionLangFilter, m.mnuOptionLangFilter);
    bindCheck(mnuOptionsChat, m.mnuOptionsChat);
    bindCheck(mnuOptionsScroll, m.mnuOptionsScroll);
    bindCheck(mnuOptionLoginIgnore, m.mnuOptionLoginIgnore);
    bindCheck(mnuOptionSplatIgnore, m.mnuOptionSplatIgnore);
    bindCheck(mnuOptionsAdmin, m.mnuOptionsAdmin);
    bindCheck(mnuLogAll, m.mnuLogAll);
    bindCheck(mnuLogChatter, m.mnuLogChatter);
}

void frmMain::bindCheck(QAction* action, CheckItem& item)
{
    action->setCheckable(true);
    action->setChecked(item.Checked());
    QPointer<QAction> guard(action);
    item.onChange([guard](bool checked) {
        if (guard)
            guard->setChecked(checked);
    });
    // A click changes nothing by itself: the item's handler decides.
    connect(action, &QAction::triggered, action, [action, &item] { action->setChecked(item.Checked()); });
}

std::vector<QMenu*> frmMain::menuBarMenus() const { return menuBar_; }

void frmMain::Form_Load()
{
    mnuAdmin->menuAction()->setVisible(false);
    optionMenus().mnuLogChatter.setChecked(false);
    optionMenus().mnuLogAll.setChecked(false);
    setWidth(14025);
    setHeight(6500);
    // The close command was removed in the constructor's window flags.
    frmChat& chat = Forms::get<frmChat>();
    chat.SSTab1->setTabVisible(3, false);
    chat.SSTab1->setTabVisible(4, false);
    options().ShowChatInGame = false;
    show();
}

void frmMain::resizeEvent(QResizeEvent* event)
{
    QMdiSubWindow::resizeEvent(event);
    Form_Resize();
}

void frmMain::Form_Resize()
{
    if (!Forms::isLoaded<frmBack>())
        return;
    if (Forms::get<frmBack>().StatBar->Panel(1) == QLatin1String("Logged In"))
        picMap->resize(picMap->width(), content->height());
}
