#include "foundation/Forms.h"

#include "foundation/KeyboardBack.h"
#include "foundation/Twips.h"
#include "foundation/WindowUtil.h"

#include <QPointer>
#include <vector>

namespace {
struct Entry {
    std::type_index type;
    FormBase* form;
};
std::vector<Entry>& registry()
{
    static std::vector<Entry> r;
    return r;
}
} // namespace

namespace Forms {
namespace detail {
FormBase* find(std::type_index type)
{
    for (const Entry& e : registry())
        if (e.type == type)
            return e.form;
    return nullptr;
}

void add(std::type_index type, FormBase* form) { registry().push_back({type, form}); }

void remove(FormBase* form)
{
    auto& r = registry();
    for (auto it = r.begin(); it != r.end(); ++it) {
        if (it->form == form) {
            r.erase(it);
            return;
        }
    }
}
} // namespace detail

bool unload(FormBase* form, UnloadMode mode)
{
    if (!form || form->unloading_)
        return true;
    int cancel = 0;
    form->Form_QueryUnload(cancel, mode);
    if (cancel)
        return false;
    form->Form_Unload(cancel);
    if (cancel)
        return false;
    form->unloading_ = true;
    detail::remove(form);
    QWidget* w = form->formWidget();
    w->hide();
    // Deleted once control is back in the event loop: the unload may come
    // from one of the form's own handlers.
    w->deleteLater();
    return true;
}

void destroyAll()
{
    // A window may own others (an MDI parent its children), so each is
    // tracked and deleted only while it still exists.
    std::vector<QPointer<QWidget>> widgets;
    for (const Entry& e : registry()) {
        e.form->unloading_ = true;
        widgets.emplace_back(e.form->formWidget());
    }
    registry().clear();
    for (auto it = widgets.rbegin(); it != widgets.rend(); ++it)
        delete it->data();
}
} // namespace Forms

QFont FormFont()
{
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSizeF(8.25);
    return font;
}

FormBase::~FormBase()
{
    // A form destroyed by its parent widget leaves the registry too.
    Forms::detail::remove(this);
}

void FormBase::runLoad() { Form_Load(); }

void FormBase::handleCloseEvent(QCloseEvent* event)
{
    if (unloading_) {
        event->accept();
        return;
    }
    if (!unloadOnClose()) {
        event->ignore();
        formWidget()->hide();
        return;
    }
    event->ignore();
    Forms::unload(this, Forms::vbFormControlMenu);
}

QString FormBase::Caption() const { return const_cast<FormBase*>(this)->formWidget()->windowTitle(); }
void FormBase::setCaption(const QString& caption) { formWidget()->setWindowTitle(caption); }

void FormBase::Show()
{
    QWidget* w = formWidget();
    BelongToMainWindow(w);
    w->show();
    w->raise();
    // A form that is shown becomes the active window and takes the
    // keyboard. Window managers do not give it to every new window by
    // themselves (tool windows, for one), nor to one that was already open.
    if (w->isWindow()) {
        KeyboardGivenAway();
        w->activateWindow();
    }
}

void FormBase::Hide() { formWidget()->hide(); }

bool FormBase::Visible() const { return !const_cast<FormBase*>(this)->formWidget()->isHidden(); }

int FormBase::Left() const { return toTwips(const_cast<FormBase*>(this)->formWidget()->x()); }
int FormBase::Top() const { return toTwips(const_cast<FormBase*>(this)->formWidget()->y()); }
int FormBase::Width() const { return toTwips(const_cast<FormBase*>(this)->formWidget()->frameGeometry().width()); }
int FormBase::Height() const { return toTwips(const_cast<FormBase*>(this)->formWidget()->frameGeometry().height()); }

void FormBase::setLeft(int twips)
{
    QWidget* w = formWidget();
    w->move(toPixels(twips), w->y());
}

void FormBase::setTop(int twips)
{
    QWidget* w = formWidget();
    w->move(w->x(), toPixels(twips));
}

void FormBase::setWidth(int twips)
{
    QWidget* w = formWidget();
    const int frame = w->frameGeometry().width() - w->width();
    w->resize(std::max(0, toPixels(twips) - frame), w->height());
}

void FormBase::setHeight(int twips)
{
    QWidget* w = formWidget();
    const int frame = w->frameGeometry().height() - w->height();
    w->resize(w->width(), std::max(0, toPixels(twips) - frame));
}
