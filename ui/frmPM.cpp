#include "ui/frmPM.h"

#include "foundation/SettingsState.h"
#include "foundation/Twips.h"
#include "foundation/Utilities.h"
#include "ui/InputCodes.h"
#include "ui/ServerSend.h"
#include "ui/frmBack.h"

#include <QIcon>
#include <QKeyEvent>

namespace {
quint64 g_activityCount = 0;
} // namespace

frmPM::frmPM()
{
    // The conversation windows have an icon of their own.
    const QIcon icon(settings().GraphicsPath + QStringLiteral("Message.ico"));
    if (!icon.isNull())
        setWindowIcon(icon);
    QFont verdana(QStringLiteral("Verdana"));
    verdana.setPointSize(9);
    setFont(verdana);

    MessageTxt = new RichTextBox(this);
    MessageTxt->setFont(verdana);
    SendTxt = new QLineEdit(this);
    SendTxt->installEventFilter(this);
    PMIndex = new QLabel(QStringLiteral("0"), this);
    PMIndex->setGeometry(-toPixels(1000), -toPixels(1000), toPixels(500), toPixels(250));

    resize(toPixels(5400), toPixels(2730));
    MessageTxt->setGeometry(0, 0, toPixels(5400), toPixels(2730 - 350));
    SendTxt->setGeometry(0, toPixels(2730 - 400), toPixels(5400), toPixels(400));
}

void frmPM::noteActivity() { lastActivity_ = ++g_activityCount; }

bool frmPM::eventFilter(QObject* watched, QEvent* event)
{
    // A key goes up once however long it is held: the releases the desktop
    // sends with each repeat are not key-ups.
    if (watched == SendTxt && event->type() == QEvent::KeyRelease && !static_cast<QKeyEvent*>(event)->isAutoRepeat()) {
        auto* key = static_cast<QKeyEvent*>(event);
        int code = VirtualKeyCode(*key);
        SendTxt_KeyUp(code, ShiftState(*key));
        if (code == 0)
            return true;
    }
    return QWidget::eventFilter(watched, event);
}

void frmPM::SendTxt_KeyUp(int& KeyCode, int)
{
    if (KeyCode != vbKeyReturn)
        return;
    ServerSend(QStringLiteral("C"), QStringLiteral("TELL ") + Caption() + QLatin1Char(' ') + StripBadChars(SendTxt->text()));
    SendTxt->clear();
    KeyCode = 0;
}

void frmPM::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    Form_Resize();
}

void frmPM::Form_Resize()
{
    const int innerH = toTwips(height());
    const int innerW = toTwips(width());
    if (innerH < 100 || innerW < 100 || Height() < 100 || Width() < 100)
        return;
    // A step whose size would be negative is skipped; the next one still runs.
    MessageTxt->resize(toPixels(innerW), MessageTxt->height());
    if (innerH - 350 >= 0)
        MessageTxt->resize(MessageTxt->width(), toPixels(innerH - 350));
    SendTxt->move(SendTxt->x(), toPixels(innerH - 400));
    SendTxt->resize(toPixels(innerW), SendTxt->height());
}

void frmPM::Form_QueryUnload(int&, int)
{
    setCaption(QString());
    MessageTxt->clear();
    // A half-typed reply belongs to the conversation that is being closed.
    SendTxt->clear();
}

void frmPM::closeEvent(QCloseEvent* event)
{
    int cancel = 0;
    Form_QueryUnload(cancel, Forms::vbFormControlMenu);
    event->ignore();
    hide();
}

std::array<QPointer<frmPM>, kPMLast + 1>& PMForms()
{
    static std::array<QPointer<frmPM>, kPMLast + 1> table;
    return table;
}

frmPM& PMWindow(int index)
{
    QPointer<frmPM>& entry = PMForms().at(static_cast<std::size_t>(index));
    if (!entry) {
        auto* pm = new frmPM();
        pm->PMIndex->setText(QString::number(index));
        // The conversations belong to the running client: they go when the
        // main window goes.
        QObject::connect(&Forms::get<frmBack>(), &QObject::destroyed, pm, [pm] { delete pm; });
        entry = pm;
    }
    return *entry;
}

frmPM* PMWindowNamed(const QString& name)
{
    for (int i = kPMFirst; i <= kPMLast; ++i)
        if (frmPM* pm = PMForms()[i]; pm && pm->Caption() == name)
            return pm;
    return nullptr;
}

frmPM& PMWindowFor(const QString& name)
{
    if (frmPM* pm = PMWindowNamed(name))
        return *pm;
    auto& table = PMForms();
    for (int i = kPMFirst; i <= kPMLast; ++i) {
        if (!table[i] || table[i]->Caption().isEmpty()) {
            frmPM& pm = PMWindow(i);
            pm.setCaption(name);
            return pm;
        }
    }
    int quietest = kPMFirst;
    for (int i = kPMFirst + 1; i <= kPMLast; ++i)
        if (table[i]->LastActivity() < table[quietest]->LastActivity())
            quietest = i;
    frmPM& pm = *table[quietest];
    pm.MessageTxt->clear();
    pm.SendTxt->clear();
    pm.setCaption(name);
    return pm;
}
