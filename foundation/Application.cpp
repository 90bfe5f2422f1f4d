#include "foundation/Application.h"

#include "foundation/KeyboardBack.h"
#include "foundation/RuntimeError.h"
#include "foundation/WindowUtil.h"
#include "foundation/frmDebug.h"

#include <QAbstractButton>
#include <QDialog>
#include <QFont>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPushButton>
#include <QWidget>
#include <cstdio>

namespace {

// The toolkit gives the keyboard to a button on any press that the window
// system reports, and to the button's containers when the button takes
// none. A form button takes it from a left click or Tab only (and some only
// from Tab): any other press reaches the button as one the program sends,
// which moves no keyboard, so that the next space typed presses nothing the
// player did not choose.
bool PressMovesKeyboard(QWidget* widget, const QMouseEvent& press)
{
    const auto* button = qobject_cast<const QAbstractButton*>(widget);
    return !button || (press.button() == Qt::LeftButton && (button->focusPolicy() & Qt::ClickFocus));
}

// A form button that has the keyboard answers Return as it answers space;
// the toolkit's buttons do so only in dialogs, which keep their own rule
// (a default button). A key held down presses it once, as space does.
bool PressedByReturn(QWidget* widget, const QKeyEvent& key)
{
    auto* button = qobject_cast<QPushButton*>(widget);
    if (!button || (key.key() != Qt::Key_Return && key.key() != Qt::Key_Enter) ||
        (key.modifiers() & ~Qt::KeypadModifier) || qobject_cast<QDialog*>(button->window()) || button->autoDefault())
        return false;
    if (!key.isAutoRepeat())
        button->click();
    return true;
}

} // namespace

QuelvarApplication::QuelvarApplication(int& argc, char** argv)
    : QApplication(argc, argv)
{
    installFontSubstitutes();
}

void QuelvarApplication::installFontSubstitutes()
{
    QFont::insertSubstitutions(QStringLiteral("Arial"), {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(QStringLiteral("Verdana"), {QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans")});
    QFont::insertSubstitutions(QStringLiteral("Tahoma"), {QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans")});
    QFont::insertSubstitutions(QStringLiteral("Times New Roman"),
                               {QStringLiteral("Liberation Serif"), QStringLiteral("DejaVu Serif")});
    QFont::insertSubstitutions(QStringLiteral("Courier New"),
                               {QStringLiteral("Liberation Mono"), QStringLiteral("DejaVu Sans Mono")});
}

void RecordUntrappedError(QObject* receiver, qint32 number, const QString& description)
{
    QString form = QStringLiteral("Quelvar");
    for (QObject* o = receiver; o; o = o->parent()) {
        if (o->isWidgetType() && static_cast<QWidget*>(o)->isWindow()) {
            form = QString::fromLatin1(o->metaObject()->className());
            break;
        }
    }
    try {
        AddToLog(form, QStringLiteral("event"), ErrObject{number, description});
    } catch (const RuntimeError&) {
        std::fprintf(stderr, "Error #%d %s in %s\n", number, qPrintable(description), qPrintable(form));
    }
}

bool QuelvarApplication::notify(QObject* receiver, QEvent* event)
{
    // Once the program has ended no further handler runs; only the clean-up
    // of deleted windows goes on while the event loop winds down.
    if (ProgramHasEnded() && event->type() != QEvent::DeferredDelete)
        return false;
    try {
        try {
            if (receiver->isWidgetType()) {
                auto* widget = static_cast<QWidget*>(receiver);
                if (event->type() == QEvent::WindowStateChange)
                    UndoStateWithoutBox(widget);
                else
                    FollowKeyboard(widget, *event);
                const QEvent::Type type = event->type();
                if (type == QEvent::KeyPress && PressedByReturn(widget, *static_cast<QKeyEvent*>(event)))
                    return true;
                if ((type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick) && event->spontaneous() &&
                    !PressMovesKeyboard(widget, *static_cast<QMouseEvent*>(event))) {
                    const auto& press = *static_cast<QMouseEvent*>(event);
                    QMouseEvent sent(type, press.position(), press.scenePosition(), press.globalPosition(),
                                     press.button(), press.buttons(), press.modifiers(), press.pointingDevice());
                    sent.setTimestamp(press.timestamp());
                    const bool handled = QApplication::notify(receiver, &sent);
                    event->setAccepted(sent.isAccepted());
                    return handled;
                }
            }
            return QApplication::notify(receiver, event);
        } catch (const RuntimeError& e) {
            RecordUntrappedError(receiver, e.number(), e.description());
        } catch (const std::exception& e) {
            RecordUntrappedError(receiver, errInvalidProcedureCall, QString::fromLocal8Bit(e.what()));
        }
    } catch (const ProgramEnd&) {
        // From the handler or from recording its error.
        QCoreApplication::exit(0);
    }
    return false;
}
