#include "connection/frmConnect.h"

#include "community/frmGame.h"
#include "connection/ConnectionState.h"
#include "connection/Scramble.h"
#include "connection/Sockets.h"
#include "foundation/Ansi.h"
#include "foundation/Convert.h"
#include "foundation/OptionsState.h"
#include "foundation/RuntimeError.h"
#include "foundation/Utilities.h"
#include "foundation/frmDebug.h"
#include "platform/Endpoints.h"
#include "platform/TopMost.h"
#include "platform/Services.h"
#include "platform/SettingsStore.h"
#include "ui/frmChat.h"
#include "ui/frmMain.h"
#include "world/WorldReset.h"

#include <QEventLoop>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QProxyStyle>
#include <QScreen>
#include <QTcpSocket>
#include <QTimer>
#include <QVBoxLayout>

namespace {
const QString kSection = QStringLiteral("LASTUSER");
const QString kMasterServer = QStringLiteral("Master Server");
const QString kSlaveServer = QStringLiteral("Slave Server");
constexpr int kAddressTimeoutMs = 5000;

// The password field shows "*" for each character.
class StarPasswordStyle : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override
    {
        if (hint == SH_LineEdit_PasswordCharacter)
            return '*';
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

// Blanks trimmed at both ends (other white space stays).
QString TrimBlanks(const QString& text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text.at(first) == QLatin1Char(' '))
        ++first;
    while (last > first && text.at(last - 1) == QLatin1Char(' '))
        --last;
    return text.mid(first, last - first);
}

// Runs of blanks shrink to one. The collapsing works on single code-page
// bytes, so the text goes through the code page and keeps characters such
// as "€" and "Œ" instead of losing their high byte.
QString CollapseBlanks(const QString& text)
{
    const QString bytes = QString::fromLatin1(ToAnsi(text));
    return FromAnsi(CollapseRepeats(bytes, QStringLiteral(" "), false).toLatin1());
}

// The address of the server the choice names, for a connection.
QString ServerAddress(const QString& choice)
{
    if (choice == kMasterServer)
        return connection().MasterServer;
    return platform::endpoints().slaveServer;
}

void ConnectSocket(QTcpSocket* socket, const QString& host, int port)
{
    // A failed address fetch leaves the master server unknown.
    if (host.isEmpty())
        throw RuntimeError(10049, QStringLiteral("No address is known for this server"));
    socket->connectToHost(host, static_cast<quint16>(port));
}

QColor LevelColour(double level, bool& known)
{
    known = true;
    if (level >= 10 && level <= 79)
        return QColor(255, 128, 0);
    if (level == 80)
        return QColor(0, 192, 0);
    if (level == 85)
        return QColor(0, 128, 0);
    if (level == 90)
        return QColor(0, 0, 192);
    if (level == 95)
        return QColor(0, 0, 128);
    if (level == 99)
        return QColor(192, 0, 0);
    known = false;
    return QColor();
}
} // namespace

frmConnect::frmConnect()
{
    setWindowTitle(QStringLiteral("Quelvar [Connect]"));
    // A fixed tool window: no minimise or maximise box, not in the taskbar.
    setWindowFlags(Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setModal(false);

    Frame1 = new QGroupBox(QStringLiteral("Connection Information: "), this);
    Label1 = new QLabel(QStringLiteral("Handle:"), Frame1);
    txtUsername = new QComboBox(Frame1);
    txtUsername->setEditable(true);
    txtUsername->setInsertPolicy(QComboBox::NoInsert);
    // The fields hold what is typed: no completion from their lists.
    txtUsername->setCompleter(nullptr);
    Label2 = new QLabel(QStringLiteral("Password:"), Frame1);
    txtPassword = new QLineEdit(Frame1);
    txtPassword->setEchoMode(QLineEdit::Password);
    auto* stars = new StarPasswordStyle;
    stars->setParent(this);
    txtPassword->setStyle(stars);
    Label3 = new QLabel(QStringLiteral("Server:"), Frame1);
    cmdServer = new QComboBox(Frame1);
    cmdServer->setEditable(true);
    cmdServer->setInsertPolicy(QComboBox::NoInsert);
    cmdServer->setCompleter(nullptr);
    cmdServer->addItems({kMasterServer, kSlaveServer});
    cmdServer->setCurrentIndex(-1);
    cmdServer->setEditText(QStringLiteral("Select Server"));

    Server = new QTreeWidget(this);
    Server->setHeaderLabels({QStringLiteral("Name"), QStringLiteral("Level")});
    Server->setRootIsDecorated(false);
    Server->setSortingEnabled(false);
    Server->header()->setStretchLastSection(true);
    Label4 = new QLabel(QStringLiteral("Players Online:"), this);
    PlayersOnLbl = new QLabel(QStringLiteral("0"), this);

    Label5 = new QLabel(QStringLiteral("Matches:"), this);
    Text1 = new QLineEdit(
        QStringLiteral("Survival, Invaderz, Capture the Flag, Team Survival, Team Capture the Flag"), this);
    Text1->setReadOnly(true);
    Text1->setCursorPosition(0);

    cmdOkay = new QPushButton(QStringLiteral("&Connect"), this);
    cmdOkay->setToolTip(QStringLiteral("Connect"));
    cmdOkay->setDefault(true);
    cmdCancel = new QPushButton(QStringLiteral("&Close"), this);
    cmdCancel->setToolTip(QStringLiteral("Close Game"));
    cmdCancel->setAutoDefault(false);

    cmbserver = new QComboBox(this);
    cmbserver->setEditable(true);
    cmbserver->setEnabled(false);
    cmbserver->hide();
    imgDispose = new QLabel(this);
    imgDispose->hide();
    Inet = new QNetworkAccessManager(this);

    auto* fields = new QGridLayout(Frame1);
    fields->addWidget(Label1, 0, 0);
    fields->addWidget(txtUsername, 0, 1);
    fields->addWidget(Label2, 1, 0);
    fields->addWidget(txtPassword, 1, 1);
    fields->addWidget(Label3, 2, 0);
    fields->addWidget(cmdServer, 2, 1);

    auto* online = new QHBoxLayout;
    online->addWidget(Label4);
    online->addWidget(PlayersOnLbl, 1);
    auto* matches = new QHBoxLayout;
    matches->addWidget(Label5);
    matches->addWidget(Text1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdOkay);
    buttons->addWidget(cmdCancel);

    auto* left = new QVBoxLayout;
    left->addWidget(Frame1);
    left->addLayout(matches);
    left->addStretch(1);
    left->addLayout(buttons);
    auto* right = new QVBoxLayout;
    right->addWidget(Server, 1);
    right->addLayout(online);
    auto* main = new QHBoxLayout(this);
    main->addLayout(left, 3);
    main->addLayout(right, 2);
    setFixedSize(560, 260);

    connect(txtUsername, &QComboBox::editTextChanged, this, [this] { txtUsername_Change(); });
    connect(txtPassword, &QLineEdit::textChanged, this, [this] { txtPassword_Change(); });
    connect(cmdServer, &QComboBox::activated, this, [this] { cmdServer_Click(); });
    connect(cmdOkay, &QPushButton::clicked, this, [this] { cmdOkay_Click(); });
    connect(cmdCancel, &QPushButton::clicked, this, [this] { cmdCancel_Click(); });
}

void frmConnect::Form_Load()
{
    platform::services().requestDisplayMode(1024, 768);

    Connection& c = connection();
    const QString app = platform::programName();
    c.UserName = TrimBlanks(platform::GetSetting(app, kSection, QStringLiteral("Username"), QString()));
    c.Password = ScrambleText(platform::GetSetting(app, kSection, QStringLiteral("Password"), QString()), 0);
    cmbserver->setEditText(QStringLiteral("Server 1"));

    FetchMasterServer();

    options().AutoScreenCenter = 255;

    txtUsername->setEditText(c.UserName);
    txtPassword->setText(c.Password);

    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect r = frameGeometry();
        r.moveCenter(screen->availableGeometry().center());
        move(r.topLeft());
    }
}

void frmConnect::FetchMasterServer()
{
    // The address is needed before the user can pick the master server, so
    // the dialog waits for it (a few seconds at most); user input waits too.
    QNetworkRequest request(QUrl(platform::endpoints().webHost + QStringLiteral("/files/address.txt")));
    request.setTransferTimeout(kAddressTimeoutMs);
    QNetworkReply* reply = Inet->get(request);
    if (!reply->isFinished()) {
        QEventLoop wait;
        connect(reply, &QNetworkReply::finished, &wait, &QEventLoop::quit);
        // The transfer timeout only notices silence: a host that keeps
        // trickling bytes is cut off at the same limit.
        QTimer::singleShot(kAddressTimeoutMs, reply, &QNetworkReply::abort);
        wait.exec(QEventLoop::ExcludeUserInputEvents);
    }
    if (reply->error() == QNetworkReply::NoError) {
        connection().MasterServer = FromAnsi(reply->readAll());
    } else {
        connection().MasterServer.clear();
        AddToLog(QStringLiteral("frmConnect"), QStringLiteral("Form_Load"),
                 ErrObject{static_cast<qint32>(reply->error()), reply->errorString()});
    }
    reply->deleteLater();
}

void frmConnect::Form_Unload(int&)
{
    // Closing the login dialog ends the program.
    End();
}

void frmConnect::txtPassword_Change()
{
    const QString text = txtPassword->text();
    if (text.size() >= 21)
        txtPassword->setText(text.left(20));
}

void frmConnect::txtUsername_Change()
{
    const QString collapsed = CollapseBlanks(txtUsername->currentText());
    if (collapsed != txtUsername->currentText())
        txtUsername->setEditText(collapsed);
    const QString text = txtUsername->currentText();
    if (text.size() >= 16)
        txtUsername->setEditText(text.left(15));
    if (!StrEqual(txtUsername->currentText(), connection().UserName, 1))
        txtPassword->clear();
}

void frmConnect::cmdServer_Click()
{
    const QString choice = cmdServer->currentText();
    if (choice != kMasterServer && choice != kSlaveServer)
        return;
    frmMain& game = Forms::get<frmMain>();
    CloseSocketAtOnce(game.WskUsers);
    try {
        ConnectSocket(game.WskUsers, ServerAddress(choice), platform::endpoints().userListPort);
    } catch (const RuntimeError& e) {
        AddToLog(QStringLiteral("frmConnect"), QStringLiteral("cmdServer_Click"), e.err());
    }
}

void frmConnect::cmdOkay_Click()
{
    Connection& c = connection();
    try {
        c.UserName = txtUsername->currentText();
        c.Password = txtPassword->text();

        const QString title = QStringLiteral("Connect");
        QString problem;
        if (c.UserName.isEmpty())
            problem = QStringLiteral("Please enter in your username!");
        else if (c.Password.isEmpty())
            problem = QStringLiteral("Please enter in your user password!");
        else if (c.UserName.size() < 3)
            problem = QStringLiteral("The username you have entered is too short!");
        else if (c.Password.size() < 4)
            problem = QStringLiteral("The password you have entered is too short!");
        else if (cmdServer->currentText() != kMasterServer && cmdServer->currentText() != kSlaveServer)
            problem = QStringLiteral("Please select a server!");
        if (!problem.isEmpty()) {
            platform::MsgBox(problem, platform::vbOKOnly, title);
            return;
        }

        if (txtUsername->findText(c.UserName, Qt::MatchExactly | Qt::MatchCaseSensitive) < 0)
            txtUsername->addItem(c.UserName);
        ResetWorld();
        Forms::get<frmChat>().WhoList->clear();
        frmMain& game = Forms::get<frmMain>();
        CloseSocketAtOnce(game.WskUsers);
        CloseSocketAtOnce(game.Wsk);
        ConnectSocket(game.Wsk, ServerAddress(cmdServer->currentText()), platform::endpoints().gamePort);

        platform::SettingsSave save(platform::programName());
        save.put(kSection, QStringLiteral("Username"), c.UserName);
        save.put(kSection, QStringLiteral("Password"), ScrambleText(c.Password, 1));
        save.put(kSection, QStringLiteral("Server"), cmbserver->currentText());
        WriteSettingsSave(QStringLiteral("frmConnect"), QStringLiteral("cmdOkay_Click"), save);
        Hide();
        Forms::get<frmGame>().StartTimer();
    } catch (const RuntimeError& e) {
        platform::MsgBox(QStringLiteral("Error while connecting:\n") + e.description(),
                         platform::vbOKOnly | platform::vbCritical,
                         QStringLiteral("Error #") + QString::number(e.number()));
    }
}

void frmConnect::Show()
{
    StandOverTopMost(this);
    FormBase::Show();
}

void frmConnect::cmdCancel_Click()
{
    frmMain& game = Forms::get<frmMain>();
    CloseSocketAtOnce(game.WskUsers);
    CloseSocketAtOnce(game.Wsk);
    Forms::unload<frmConnect>();
}

void frmConnect::imgDispose_Click()
{
    const int answer = platform::MsgBox(QStringLiteral("Remove User: ") + connection().UserName + QStringLiteral("?"),
                                        platform::vbYesNo, QStringLiteral("Remove User"));
    if (answer == platform::vbNo)
        return;
    txtUsername->setEditText(QString());
    txtPassword->clear();
    Show();
}

void frmConnect::Update(const QString& RawData)
{
    Server->clear();
    QHash<QString, QTreeWidgetItem*> byName;
    for (const QString& row : RawData.split(QLatin1Char(';'))) {
        // An empty row has no fields, so it adds nothing.
        if (!row.isEmpty()) {
            const QStringList fields = row.split(QLatin1Char(':'));
            const QString& name = fields.at(0);
            QTreeWidgetItem* item = byName.value(name);
            if (!item) {
                item = new QTreeWidgetItem(Server, QStringList{name});
                byName.insert(name, item);
                if (fields.size() > 1) {
                    try {
                        bool known = false;
                        const QColor colour = LevelColour(CDbl(fields.at(1)), known);
                        if (known)
                            item->setForeground(0, colour);
                    } catch (const RuntimeError&) {
                        // A level that is no number keeps the list's colour.
                    }
                }
            } else {
                item = nullptr;  // the name is a key: its first row stays
            }
            if (item && fields.size() > 1)
                item->setText(1, fields.at(1));
        }
        PlayersOnLbl->setText(QString::number(Server->topLevelItemCount()));
    }
}
