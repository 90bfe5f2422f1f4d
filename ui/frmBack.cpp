#include "ui/frmBack.h"

#include "connection/frmConnect.h"
#include "foundation/MenuState.h"
#include "foundation/RuntimeError.h"
#include "foundation/SettingsState.h"
#include "foundation/TextOutput.h"
#include "foundation/Twips.h"
#include "foundation/Utilities.h"
#include "platform/Endpoints.h"
#include "ui/Focus.h"
#include "ui/InputCodes.h"
#include "ui/MenuShortcuts.h"
#include "ui/ServerSend.h"
#include "ui/frmBtnEdit.h"
#include "ui/frmChat.h"
#include "ui/frmMain.h"
#include "world/Viewport.h"
#include "world/WorldReset.h"

#include <QFile>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMouseEvent>
#include <QVBoxLayout>
#include <QtEndian>

namespace {
QFont arial825()
{
    QFont f(QStringLiteral("Arial"));
    f.setPointSizeF(8.25);
    return f;
}

constexpr int kMaxLineLength = 250;

// The direction text of a walking key; empty for other keys.
QString walkDirection(int keyCode)
{
    switch (keyCode) {
    case vbKeyUp:
    case vbKeyNumpad0 + 8: return QStringLiteral("&n&");
    case vbKeyRight:
    case vbKeyNumpad0 + 6: return QStringLiteral("&e&");
    case vbKeyDown:
    case vbKeyNumpad0 + 2: return QStringLiteral("&s&");
    case vbKeyLeft:
    case vbKeyNumpad0 + 4: return QStringLiteral("&w&");
    case vbKeyNumpad0 + 7: return QStringLiteral("&n&w&");
    case vbKeyNumpad0 + 9: return QStringLiteral("&n&e&");
    case vbKeyNumpad0 + 1: return QStringLiteral("&s&w&");
    case vbKeyNumpad0 + 3: return QStringLiteral("&s&e&");
    default: return QString();
    }
}

bool isArrow(int keyCode) { return keyCode >= vbKeyLeft && keyCode <= vbKeyDown; }
} // namespace

frmBack::frmBack()
{
    setWindowTitle(QStringLiteral("Quelvar"));
    // No close box: the program is left through the game window's File > Exit.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinMaxButtonsHint);

    auto* central = new QWidget(this);
    auto* outer = new QVBoxLayout(central);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);

    Picture1 = new QWidget(central);
    Picture1->setFixedHeight(toPixels(255));
    outer->addWidget(Picture1);

    auto* middle = new QHBoxLayout();
    middle->setContentsMargins(0, 0, 0, 0);
    middle->setSpacing(0);
    mdiArea = new QMdiArea(central);
    mdiArea->setBackground(palette().brush(QPalette::Dark));
    middle->addWidget(mdiArea, 1);

    Picture2 = new QWidget(central);
    Picture2->setFixedWidth(toPixels(1350));
    middle->addWidget(Picture2);
    outer->addLayout(middle, 1);

    const QFont buttonFont = arial825();
    cmdConnect = new QPushButton(QStringLiteral("Connect"), Picture2);
    cmdConnect->setFont(buttonFont);
    cmdConnect->setGeometry(0, 0, toPixels(1335), toPixels(360));
    // One column from top 555 in the order 0, 1, 2, 4, ..., 20, 22, 23; 3 and
    // 21 are hidden at the bottom.
    int slot = 0;
    for (int i = 0; i < 24; ++i) {
        auto* b = new QPushButton(Picture2);
        b->setFont(buttonFont);
        cmdAlias[i] = b;
        connect(b, &QPushButton::clicked, this, [this, i] { cmdAlias_Click(i); });
        OnMouseDown(b, [this, i](int button, int shift, float x, float y) { cmdAlias_MouseDown(i, button, shift, x, y); });
        if (i == 3 || i == 21) {
            b->setGeometry(0, toPixels(555 + 23 * 285), toPixels(75), toPixels(300));
            b->hide();
            continue;
        }
        b->setGeometry(0, toPixels(555 + slot * 285), toPixels(1335), toPixels(300));
        ++slot;
    }

    KeyboardOnlyByTab(Picture2);

    Picture3 = new QWidget(central);
    Picture3->setFixedHeight(toPixels(855));
    Picture3->installEventFilter(this);
    outer->addWidget(Picture3);
    txtSend = new QComboBox(Picture3);
    txtSend->setEditable(true);
    txtSend->setInsertPolicy(QComboBox::NoInsert);
    // The line is typed as it is: no completion from the history.
    txtSend->setCompleter(nullptr);
    txtSend->setFont(buttonFont);
    txtSend->setGeometry(0, toPixels(200), toPixels(13755), toPixels(330));
    // The combo box keeps the focus for its line edit and hands the keys on,
    // so the keyboard layer sees every key here first.
    txtSend->installEventFilter(this);
    StatBar = new StatusBar({toPixels(1275), toPixels(12000), toPixels(1814)}, Picture3);
    StatBar->setGeometry(0, toPixels(550), toPixels(15240), toPixels(285));
    StatBar->setPanelToolTip(1, QStringLiteral("Connection Status"));
    StatBar->setPanelToolTip(2, QStringLiteral("Information"));
    StatBar->setPanelToolTip(3, QStringLiteral("Frames Per Second"));

    setCentralWidget(central);

    menus_ = menuBar();
    mnuFile = new QMenu(QStringLiteral("File"), this);
    mnuFileConnect = mnuFile->addAction(QStringLiteral("Connect"));
    mnuFile->addSeparator();
    mnuFileExit = mnuFile->addAction(QStringLiteral("Exit"));
    menus_->addMenu(mnuFile);
    // The menus' shortcuts (Ctrl+Z Zoom In, Ctrl+A Buttons) work where the
    // user types.
    KeepMenuShortcuts(txtSend, menus_);

    connect(mdiArea, &QMdiArea::subWindowActivated, this, &frmBack::showMenusOf);
    connect(txtSend, &QComboBox::editTextChanged, this, &frmBack::txtSend_Change);
    connect(txtSend, &QComboBox::activated, this, &frmBack::txtSend_Click);
    connect(cmdConnect, &QPushButton::clicked, this, &frmBack::cmdConnect_Click);
    connect(mnuFileConnect, &QAction::triggered, this, &frmBack::mnuFileConnect_Click);
    // The exit procedure is the game window's.
    connect(mnuFileExit, &QAction::triggered, this, [] { Forms::get<frmMain>().mnuFileExit_Click(); });

    // The inner size is the area below the menu bar.
    resize(toPixels(15240), toPixels(10710) + menus_->sizeHint().height());
}

void frmBack::Form_Load()
{
    // The window offers no close box (set up in the constructor).
}

void frmBack::Show()
{
    // The keyboard starts in the input line, not on the first button.
    if (!focusWidget())
        txtSend->setFocus(Qt::OtherFocusReason);
    showMaximized();
    raise();
    activateWindow();
}

void frmBack::closeEvent(QCloseEvent* event)
{
    event->ignore();
}

void frmBack::addChild(QMdiSubWindow* child)
{
    mdiArea->addSubWindow(child);
}

void frmBack::showMenusOf(QMdiSubWindow* child)
{
    menus_->clear();
    auto* game = dynamic_cast<frmMain*>(child);
    if (game) {
        for (QMenu* m : game->menuBarMenus())
            menus_->addMenu(m);
    } else {
        menus_->addMenu(mnuFile);
    }
}

bool frmBack::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == txtSend && event->type() == QEvent::KeyPress)
        return keyDown(static_cast<QKeyEvent*>(event));
    // The status bar spans the whole bottom strip.
    if (watched == Picture3 && event->type() == QEvent::Resize)
        StatBar->resize(Picture3->width(), StatBar->height());
    if (watched == Picture3 && event->type() == QEvent::MouseButtonRelease) {
        // Only the strip's own empty part, not the status bar on it.
        auto* m = static_cast<QMouseEvent*>(event);
        if (!Picture3->childAt(m->position().toPoint()))
            Picture3_Click();
        return false;
    }
    return Form<QMainWindow>::eventFilter(watched, event);
}

bool frmBack::focusNextPrevChild(bool next)
{
    QWidget* from = focusWidget();
    if (!from || mdiArea->isAncestorOf(from))
        return Form<QMainWindow>::focusNextPrevChild(next);
    const auto ownTabStop = [this](const QWidget* w) {
        return w->window() == this && w != mdiArea && !mdiArea->isAncestorOf(w) &&
               (w->focusPolicy() & Qt::TabFocus) && !w->focusProxy() && CanTakeFocus(w);
    };
    for (QWidget* w = from;;) {
        w = next ? w->nextInFocusChain() : w->previousInFocusChain();
        if (w == from)
            return true;
        if (ownTabStop(w)) {
            w->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return true;
        }
    }
}

bool frmBack::keyDown(QKeyEvent* event)
{
    int keyCode = VirtualKeyCode(*event);
    const int original = keyCode;
    swallowKey_ = false;
    txtSend_KeyDown(keyCode, ShiftState(*event));
    return swallowKey_ || (original != 0 && keyCode == 0);
}

bool frmBack::loadMapPointer(const QString& fileName)
{
    QFile file(platform::programFolder() + QLatin1Char('/') + fileName);
    if (!file.exists())
        return false;
    QByteArray bytes;
    if (file.open(QIODevice::ReadOnly))
        bytes = file.readAll();
    QPixmap image;
    image.loadFromData(bytes, "CUR");
    if (image.isNull())
        image.loadFromData(bytes);
    PictureBox* map = Forms::get<frmMain>().picMap;
    if (image.isNull()) {
        map->setCursor(QCursor(Qt::ArrowCursor));
        return true;
    }
    // A pointer file keeps its hot spot in the first directory entry.
    int hotX = -1;
    int hotY = -1;
    if (bytes.size() >= 14) {
        hotX = qFromLittleEndian<quint16>(bytes.constData() + 10);
        hotY = qFromLittleEndian<quint16>(bytes.constData() + 12);
        if (hotX >= image.width() || hotY >= image.height())
            hotX = hotY = -1;
    }
    map->setCursor(QCursor(image, hotX, hotY));
    return true;
}

void frmBack::txtSend_KeyDown(int& KeyCode, int Shift)
{
    // The map's pointer shows whether Shift is held.
    if (Shift == vbShiftMask && !bShiftCursor) {
        if (!loadMapPointer(QStringLiteral("Cursor2.cur")))
            return;
        bShiftCursor = true;
    } else if (Shift == 0 && bShiftCursor) {
        if (!loadMapPointer(QStringLiteral("Cursor1.cur")))
            return;
        bShiftCursor = false;
    }

    if (optionMenus().mnuKeyMove.Checked()) {
        const QString direction = walkDirection(KeyCode);
        if (!direction.isEmpty()) {
            ServerSend(QStringLiteral("m"), direction);
            if (isArrow(KeyCode)) {
                txtSend->clear();
                txtSend->clearEditText();
            } else {
                swallowKey_ = true;
            }
            return;
        }
        if (KeyCode == vbKeyNumpad0 + 5) {
            UpdateViewport();
            swallowKey_ = true;
            return;
        }
    }

    const QString text = txtSend->currentText();
    if (KeyCode == vbKeyBackquote && Shift == vbShiftMask && text.size() < 2) {
        txtSend->clearEditText();
        KeyCode = 0;
        return;
    }

    if (KeyCode == vbKeyReturn && !text.isEmpty()) {
        if (text.startsWith(QLatin1Char('/'))) {
            ServerSend(QStringLiteral("C"), text.mid(1));
        } else {
            const QString t = StripBadChars(text);
            if (optionMenus().mnuOptionsAdmin.Checked()) {
                ServerSend(QStringLiteral("C"), QStringLiteral("adm ") + t);
            } else if (optionMenus().mnuOptionsChat.Checked()) {
                // The prefix of the channel on view; the tabs show one box at a time.
                frmChat& chat = Forms::get<frmChat>();
                const std::pair<RichTextBox*, const char*> prefixes[] = {
                    {chat.txtGlobal, "c "}, {chat.txtHelp, "c "},       {chat.txtStatus, "c "},
                    {chat.txtTrainer, "admi "}, {chat.txtTeam, "team "},
                };
                for (const auto& [box, prefix] : prefixes)
                    if (!box->isHidden())
                        ServerSend(QStringLiteral("C"), QLatin1String(prefix) + t);
            } else {
                ServerSend(QStringLiteral("C"), t);
            }
        }
        txtSend->insertItem(0, text);
        txtSend->setCurrentIndex(-1);
        txtSend->clearEditText();
        KeyCode = 0;
    }
}

void frmBack::txtSend_Change()
{
    const QString text = txtSend->currentText();
    if (text.size() > kMaxLineLength)
        txtSend->setEditText(text.left(kMaxLineLength));
}

void frmBack::txtSend_Click() { SetFocusIfAble(Forms::get<frmMain>().picMap); }

void frmBack::Picture3_Click() { SetFocusIfAble(Forms::get<frmMain>().picMap); }

void frmBack::cmdAlias_Click(int Index)
{
    ServerSend(QStringLiteral("C"), settings().Buttons.at(static_cast<std::size_t>(Index)).Command);
    SetFocusIfAble(txtSend);
}

void frmBack::cmdAlias_MouseDown(int Index, int Button, int, float, float)
{
    if (Button == vbRightButton)
        Forms::get<frmBtnEdit>().EditButton(Index);
}

void frmBack::cmdConnect_Click() { mnuFileConnect_Click(); }

void frmBack::mnuFileConnect_Click()
{
    if (cmdConnect->text() == QLatin1String("Connect")) {
        Forms::get<frmConnect>().Show();
        return;
    }
    DisconnectSteps(mnuFileConnect);
}

void frmBack::DisconnectSteps(QAction* connectItem)
{
    ServerSend(QStringLiteral("d"), QString());
    DoEvents();
    connectItem->setText(QStringLiteral("Connect"));
    if (frmConnect* login = Forms::find<frmConnect>())
        login->Hide();
    cmdConnect->setText(QStringLiteral("Connect"));
    StatBar->setPanel(1, QStringLiteral("Not Logged In"));
    AddText(QStringLiteral("Disconnected"), *Forms::get<frmChat>().txtStatus, 255, true, true, false);
    ResetWorld();
    CloseGameSocket();
}

void frmBack::DisableControl(QWidget* control)
{
    const QWidget* focused = focusWidget();
    if (focused && (focused == control || control->isAncestorOf(focused)))
        Picture3->setFocus(Qt::OtherFocusReason);
    control->setEnabled(false);
}

void frmBack::EnableInputLine()
{
    txtSend->setEnabled(true);
    txtSend->setFocus(Qt::OtherFocusReason);
}
