#include "community/frmGame.h"

#include "foundation/RuntimeError.h"
#include "foundation/Twips.h"
#include "foundation/WindowUtil.h"
#include "ui/FixedWindow.h"
#include "ui/ServerSend.h"

#include <QCloseEvent>
#include <QStyle>

namespace {

// The ready states the combo offers and what each sends.
const std::pair<const char*, const char*> kReadyStates[] = {{"Ready", "1"}, {"Not Ready", "0"}, {"Auto Ready", "2"}};

void makeGrey(QWidget* w)
{
    QPalette p = w->palette();
    p.setColor(QPalette::Base, QColor(192, 192, 192));
    p.setColor(QPalette::Button, QColor(192, 192, 192));
    w->setPalette(p);
}

} // namespace

frmGame::frmGame()
{
    setWindowTitle(QStringLiteral("Game Information"));
    // A tool window without minimise, maximise or close box.
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    resize(toPixels(4560), toPixels(3480));

    ZephButton2 = new QPushButton(style()->standardIcon(QStyle::SP_MessageBoxInformation), QStringLiteral("Game Info"), this);
    ZephButton2->setGeometry(toPixels(60), toPixels(60), toPixels(1455), toPixels(375));
    ZephButton3 = new QPushButton(style()->standardIcon(QStyle::SP_FileDialogListView), QStringLiteral("Players"), this);
    ZephButton3->setGeometry(toPixels(1575), toPixels(60), toPixels(1455), toPixels(375));

    const QRect panel(toPixels(60), toPixels(480), toPixels(4440), toPixels(2415));
    picGame = new QGroupBox(this);
    picGame->setGeometry(panel);
    GameLbl = new QPlainTextEdit(picGame);
    GameLbl->setReadOnly(true);
    GameLbl->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    GameLbl->setGeometry(toPixels(60), toPixels(60), toPixels(4320), toPixels(1815));
    GameLbl->setPlainText(QStringLiteral("Loading Game Data...\n"));
    makeGrey(GameLbl);
    Combo1 = new QComboBox(picGame);
    Combo1->setEditable(true);
    Combo1->setInsertPolicy(QComboBox::NoInsert);
    Combo1->setCompleter(nullptr);
    for (const auto& [item, sent] : kReadyStates)
        Combo1->addItem(QLatin1String(item));
    Combo1->setCurrentIndex(-1);
    Combo1->setEditText(QStringLiteral("Change Status"));
    Combo1->setGeometry(toPixels(60), toPixels(1950), toPixels(4320), toPixels(315));
    makeGrey(Combo1);

    picPlayers = new QGroupBox(this);
    picPlayers->setGeometry(panel);
    Label1 = new QLabel(QStringLiteral("Players:"), picPlayers);
    Label1->setGeometry(toPixels(60), toPixels(60), toPixels(900), toPixels(255));
    LblPlayers = new QLabel(picPlayers);
    LblPlayers->setFrameStyle(QFrame::Box | QFrame::Plain);
    LblPlayers->setGeometry(toPixels(960), toPixels(60), toPixels(3420), toPixels(255));
    ListPlayers = new QListWidget(picPlayers);
    ListPlayers->setGeometry(toPixels(60), toPixels(375), toPixels(4320), toPixels(1950));
    makeGrey(ListPlayers);
    picPlayers->hide();

    ZephButton4 = new QPushButton(QStringLiteral("Ok"), this);
    ZephButton4->setGeometry(toPixels(3045), toPixels(2985), toPixels(1455), toPixels(375));
    ZephButton1 = new QPushButton(QStringLiteral("&Ok"), this);
    ZephButton1->setGeometry(ZephButton4->geometry());
    ZephButton1->hide();

    Timer1 = new QTimer(this);
    Timer1->setInterval(1000);

    connect(ZephButton1, &QPushButton::clicked, this, &frmGame::ZephButton1_Click);
    connect(ZephButton2, &QPushButton::clicked, this, &frmGame::ZephButton2_Click);
    connect(ZephButton3, &QPushButton::clicked, this, &frmGame::ZephButton3_Click);
    connect(ZephButton4, &QPushButton::clicked, this, &frmGame::ZephButton4_Click);
    connect(Combo1, &QComboBox::activated, this, [this](int) { Combo1_Click(); });
    connect(Timer1, &QTimer::timeout, this, &frmGame::Timer1_Timer);
}

void frmGame::Form_Load()
{
    ServerSend(QStringLiteral("t"), QStringLiteral("0"));
    DoEvents();
    // It opens in a corner of the main window, clear of the map's centre
    // where the player stands and of the tool windows that open centred;
    // from then on it stays where the player puts it.
    PlaceTopRightOfWorkArea(this);
    SetOnTop(this, -1);
}

void frmGame::StartTimer()
{
    // A further Connect finds the poll running and leaves it in step.
    if (!Timer1->isActive())
        Timer1->start();
}

void frmGame::Combo1_Click()
{
    const QString text = Combo1->currentText();
    for (const auto& [item, sent] : kReadyStates)
        if (text == QLatin1String(item))
            ServerSend(QStringLiteral("R"), QLatin1String(sent));
}

void frmGame::Timer1_Timer() { ServerSend(QStringLiteral("C"), QStringLiteral("Game Chat")); }

void frmGame::ZephButton1_Click() { Hide(); }
void frmGame::ZephButton4_Click() { Hide(); }

void frmGame::ZephButton2_Click()
{
    picGame->show();
    picPlayers->hide();
}

void frmGame::ZephButton3_Click()
{
    picGame->hide();
    picPlayers->show();
}

void frmGame::Form_QueryUnload(int&, int) { Hide(); }
void frmGame::Form_Unload(int&) { Hide(); }

void frmGame::closeEvent(QCloseEvent* event) { event->ignore(); }
