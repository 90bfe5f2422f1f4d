// Every window shows its whole texts whatever face the desktop gives the
// program: each label, button, check box, option button, frame title and tab
// caption is measured in its own font against the room its control has.

#include "support/ClientTest.h"

#include "community/frmGame.h"
#include "community/frmNews.h"
#include "community/frmRanks.h"
#include "community/frmShop.h"
#include "community/frmTeams.h"
#include "community/frmTop10.h"
#include "community/frmTourn.h"
#include "community/frmWho.h"
#include "connection/frmConnect.h"
#include "foundation/frmDebug.h"
#include "ui/frmAbout.h"
#include "ui/frmAlias.h"
#include "ui/frmBack.h"
#include "ui/frmBasic.h"
#include "ui/frmBtnEdit.h"
#include "ui/frmChat.h"
#include "ui/frmCmd.h"
#include "ui/frmIgnore.h"
#include "ui/frmMain.h"
#include "ui/frmOptions.h"
#include "ui/frmPM.h"
#include "ui/frmSound.h"
#include "ui/frmStats.h"
#include "world/frmMaps.h"
#include "world/frmOverview.h"
#include "world/frmSatellite.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QTabBar>
#include <QTabWidget>

namespace {

QString withoutMnemonics(QString text)
{
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    return text.replace(QChar(1), QLatin1Char('&'));
}

// What the control needs against what it has, when its text does not fit.
QString cut(const QWidget* w)
{
    const QFontMetrics fm(w->font());
    QString text;
    QSize need;
    QRect room;
    if (const auto* label = qobject_cast<const QLabel*>(w)) {
        if (label->text().isEmpty() || label->textFormat() == Qt::RichText)
            return QString();
        text = label->text();
        room = label->contentsRect().adjusted(label->margin(), label->margin(), -label->margin(), -label->margin());
        need = label->wordWrap() ? QSize(0, label->heightForWidth(label->width()) - (label->height() - room.height()))
                                 : QSize(fm.horizontalAdvance(text) + label->indent(), fm.height());
    } else if (const auto* frame = qobject_cast<const QGroupBox*>(w)) {
        if (frame->title().isEmpty())
            return QString();
        text = withoutMnemonics(frame->title());
        // The title sits between the frame's corners.
        room = frame->rect().adjusted(8, 0, -8, 0);
        need = QSize(fm.horizontalAdvance(text), fm.height());
    } else if (const auto* button = qobject_cast<const QAbstractButton*>(w)) {
        if (button->text().isEmpty())
            return QString();
        QStyle::SubElement contents = QStyle::SE_PushButtonContents;
        if (qobject_cast<const QCheckBox*>(button))
            contents = QStyle::SE_CheckBoxContents;
        else if (qobject_cast<const QRadioButton*>(button))
            contents = QStyle::SE_RadioButtonContents;
        else if (!qobject_cast<const QPushButton*>(button))
            return QString();
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        option.icon = button->icon();
        option.iconSize = button->iconSize();
        text = withoutMnemonics(button->text());
        room = button->style()->subElementRect(contents, &option, button);
        const int icon = button->icon().isNull() ? 0 : button->iconSize().width() + 4;
        need = QSize(fm.horizontalAdvance(text) + icon, fm.height());
    } else if (const auto* bar = qobject_cast<const QTabBar*>(w)) {
        for (int i = 0; i < bar->count(); ++i)
            if (bar->isTabVisible(i) && fm.horizontalAdvance(withoutMnemonics(bar->tabText(i))) > bar->tabRect(i).width())
                return QStringLiteral("tab \"%1\"").arg(bar->tabText(i));
        return QString();
    } else {
        return QString();
    }
    if (need.width() <= room.width() && need.height() <= room.height())
        return QString();
    return QStringLiteral("%1 \"%2\" needs %3 x %4 px, has %5 x %6")
        .arg(QLatin1String(w->metaObject()->className()), text)
        .arg(need.width())
        .arg(need.height())
        .arg(room.width())
        .arg(room.height());
}

// The controls of the window that are shown, on every tab of its tab controls.
void checkShown(QWidget* window, const QString& name, QStringList& faults)
{
    const auto check = [&] {
        for (const QWidget* w : window->findChildren<QWidget*>())
            if (w->isVisibleTo(window))
                if (const QString fault = cut(w); !fault.isEmpty() && !faults.contains(name + QStringLiteral(": ") + fault))
                    faults << name + QStringLiteral(": ") + fault;
    };
    const QList<QTabWidget*> tabs = window->findChildren<QTabWidget*>();
    check();
    for (QTabWidget* tab : tabs) {
        for (int i = 0; i < tab->count(); ++i) {
            tab->setCurrentIndex(i);
            QApplication::processEvents();
            check();
        }
    }
}

template <class T>
void checkForm(QStringList& faults)
{
    QWidget* window = Forms::get<T>().formWidget();
    window->show();
    QApplication::processEvents();
    checkShown(window, QLatin1String(T::staticMetaObject.className()), faults);
}

class WindowFitTest : public ClientTest {
protected:
    void TearDown() override
    {
        QApplication::setFont(desktop_);
        ClientTest::TearDown();
    }
    const QFont desktop_ = QApplication::font();
};

} // namespace

TEST_F(WindowFitTest, EveryWindowShowsItsWholeTextsAtTheDesktopsUsualSizes)
{
    installAssets();
    for (const qreal points : {9.0, 11.0}) {
        QFont face(QStringLiteral("Sans Serif"));
        face.setPointSizeF(points);
        QApplication::setFont(face);
        QStringList faults;
        // The main window holds the game and chat windows.
        Forms::get<frmMain>();
        Forms::get<frmChat>();
        checkForm<frmBack>(faults);
        checkForm<frmConnect>(faults);
        checkForm<frmDebug>(faults);
        checkForm<frmMaps>(faults);
        checkForm<frmOverview>(faults);
        checkForm<frmSatellite>(faults);
        checkForm<frmBtnEdit>(faults);
        checkForm<frmAlias>(faults);
        checkForm<frmIgnore>(faults);
        checkForm<frmOptions>(faults);
        checkForm<frmSound>(faults);
        checkForm<frmAbout>(faults);
        checkForm<frmCmd>(faults);
        checkForm<frmStats>(faults);
        checkForm<frmBasic>(faults);
        checkForm<frmWho>(faults);
        checkForm<frmShop>(faults);
        checkForm<frmTeams>(faults);
        checkForm<frmTop10>(faults);
        checkForm<frmRanks>(faults);
        checkForm<frmTourn>(faults);
        checkForm<frmNews>(faults);
        checkForm<frmGame>(faults);
        frmPM& pm = PMWindow(kPMFirst);
        pm.show();
        QApplication::processEvents();
        checkShown(&pm, QStringLiteral("frmPM"), faults);
        EXPECT_TRUE(faults.isEmpty()) << points << " pt:\n" << faults.join(QLatin1Char('\n')).toStdString();
        delete &pm;
        resetClientState();
    }
}
