#include "ui/InputCodes.h"

#include "foundation/Twips.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>

int VirtualKeyCode(const QKeyEvent& event)
{
    const int key = event.key();
    const bool keypad = event.modifiers() & Qt::KeypadModifier;
    if (key >= Qt::Key_0 && key <= Qt::Key_9)
        return (keypad ? vbKeyNumpad0 : 48) + (key - Qt::Key_0);
    if (key >= Qt::Key_A && key <= Qt::Key_Z)
        return 65 + (key - Qt::Key_A);
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24)
        return 112 + (key - Qt::Key_F1);
    switch (key) {
    case Qt::Key_Backspace: return 8;
    case Qt::Key_Tab: return 9;
    case Qt::Key_Clear: return 12;
    case Qt::Key_Return:
    case Qt::Key_Enter: return vbKeyReturn;
    case Qt::Key_Shift: return 16;
    case Qt::Key_Control: return 17;
    case Qt::Key_Alt: return 18;
    case Qt::Key_Escape: return 27;
    case Qt::Key_Space: return 32;
    case Qt::Key_PageUp: return 33;
    case Qt::Key_PageDown: return 34;
    case Qt::Key_End: return 35;
    case Qt::Key_Home: return 36;
    case Qt::Key_Left: return vbKeyLeft;
    case Qt::Key_Up: return vbKeyUp;
    case Qt::Key_Right: return vbKeyRight;
    case Qt::Key_Down: return vbKeyDown;
    case Qt::Key_Insert: return 45;
    case Qt::Key_Delete: return 46;
    // The ` key, which gives ~ with Shift on most layouts.
    case Qt::Key_QuoteLeft:
    case Qt::Key_AsciiTilde: return vbKeyBackquote;
    default: return 0;
    }
}

int ShiftState(Qt::KeyboardModifiers modifiers)
{
    return (modifiers & Qt::ShiftModifier ? 1 : 0) | (modifiers & Qt::ControlModifier ? 2 : 0) |
           (modifiers & Qt::AltModifier ? 4 : 0);
}

int ShiftState(const QKeyEvent& event)
{
    // Desktops differ in whether a modifier key's own press already counts
    // it as held; here it always does, as a key-down handler expects.
    int state = ShiftState(event.modifiers());
    switch (event.key()) {
    case Qt::Key_Shift: state |= 1; break;
    case Qt::Key_Control: state |= 2; break;
    case Qt::Key_Alt: state |= 4; break;
    case Qt::Key_AltGr: state |= 2 | 4; break;  // AltGr is Ctrl+Alt
    default: break;
    }
    return state;
}

int MouseButtonCode(Qt::MouseButton button)
{
    switch (button) {
    case Qt::LeftButton: return 1;
    case Qt::RightButton: return 2;
    case Qt::MiddleButton: return 4;
    default: return 0;
    }
}

namespace {
class MouseDownFilter : public QObject {
public:
    MouseDownFilter(QWidget* widget, std::function<void(int, int, float, float)> handler)
        : QObject(widget)
        , handler_(std::move(handler))
    {
        widget->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::MouseButtonPress) {
            auto* m = static_cast<QMouseEvent*>(event);
            const QPoint p = m->position().toPoint();
            handler_(MouseButtonCode(m->button()), ShiftState(m->modifiers()), toTwips(p.x()), toTwips(p.y()));
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void(int, int, float, float)> handler_;
};
} // namespace

void OnMouseDown(QWidget* widget, std::function<void(int Button, int Shift, float X, float Y)> handler)
{
    new MouseDownFilter(widget, std::move(handler));
}
