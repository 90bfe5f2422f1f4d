#pragma once
// Forms: each window of the program exists at most once. It is created and
// loaded (its Form_Load runs) the first time anything reaches it, and can be
// unloaded; the next use then creates a fresh one and loads it again.
//
//   Forms::get<frmWho>()        the window, created and loaded on first use
//   Forms::isLoaded<frmWho>()   whether it exists, without creating it
//   Forms::unload<frmWho>()     query-unload, unload, then destroy it

#include <QCloseEvent>
#include <QFont>
#include <QString>
#include <QWidget>
#include <typeindex>
#include <typeinfo>

class FormBase;

namespace Forms {
namespace detail {
FormBase* find(std::type_index type);
void add(std::type_index type, FormBase* form);
void remove(FormBase* form);
} // namespace detail

// Reasons for an unload, as Form_QueryUnload receives them.
enum UnloadMode { vbFormControlMenu = 0, vbFormCode = 1, vbAppWindows = 2, vbAppTaskManager = 3 };

template <class T>
T& get()
{
    if (FormBase* f = detail::find(typeid(T)))
        return static_cast<T&>(*f);
    T* form = new T();
    // Registered before its load runs, so that the load handler and anything
    // it calls reach this same instance.
    detail::add(typeid(T), form);
    form->runLoad();
    return *form;
}

template <class T>
bool isLoaded()
{
    return detail::find(typeid(T)) != nullptr;
}

template <class T>
T* find()
{
    return static_cast<T*>(detail::find(typeid(T)));
}

// Unloads a form; false when its query-unload or unload handler cancelled.
bool unload(FormBase* form, UnloadMode mode = vbFormCode);

template <class T>
bool unload()
{
    if (FormBase* f = detail::find(typeid(T)))
        return unload(f, vbFormCode);
    return true;
}

// Destroys every form without running handlers (tests and program exit).
void destroyAll();
} // namespace Forms

// What every window of the program offers besides its widget.
class FormBase {
public:
    virtual ~FormBase();

    // The window's own widget (the top-level window or the MDI child).
    virtual QWidget* formWidget() = 0;

    virtual void Form_Load() {}
    virtual void Form_QueryUnload(int& Cancel, int UnloadMode) {}
    virtual void Form_Unload(int& Cancel) {}

    QString Caption() const;
    void setCaption(const QString& caption);
    virtual void Show();
    void Hide();
    bool Visible() const;

    // Position and size in twips (15 twips to the pixel).
    int Left() const;
    int Top() const;
    int Width() const;
    int Height() const;
    void setLeft(int twips);
    void setTop(int twips);
    void setWidth(int twips);
    void setHeight(int twips);

    // Runs Form_Load; called once by Forms::get.
    void runLoad();

protected:
    // Called from the widget's close event: the close box unloads the form.
    void handleCloseEvent(QCloseEvent* event);
    // Forms that only hide when closed (or never close) override this.
    virtual bool unloadOnClose() const { return true; }

private:
    friend bool Forms::unload(FormBase*, Forms::UnloadMode);
    friend void Forms::destroyAll();
    bool unloading_ = false;
};

// The face every window is laid out for: positions and widths in twips fit
// an 8-point sans serif, and the desktop's own face (often 9 to 11 points and
// wider) would cut texts. Controls that name a font of their own keep it.
QFont FormFont();

// A form on a given widget class: class frmWho : public Form<QWidget> { ... };
template <class Base>
class Form : public Base, public FormBase {
public:
    // The face is set before the form's own constructor places its controls,
    // so that every control starts from it.
    Form() { this->setFont(FormFont()); }
    QWidget* formWidget() override { return this; }

protected:
    void closeEvent(QCloseEvent* event) override { handleCloseEvent(event); }
};
