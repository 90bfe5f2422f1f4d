#include "foundation/Controls.h"

#include "foundation/Twips.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QTextDocument>
#include <QTextOption>
#include <QTreeWidget>

RichTextBox::RichTextBox(QWidget* parent)
    : QTextEdit(parent)
{
    setReadOnly(true);
    setUndoRedoEnabled(false);
    setAcceptRichText(true);
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    // Tab moves on to the next control, as from any box of a form, even where
    // the player may type into the box.
    setTabChangesFocus(true);
    // Every paragraph runs left to right, as in the game's rich-text boxes.
    // Said once for the whole box, it also spares the layout a look through
    // each paragraph's text for its direction, which grew dearer with every
    // line a long chat had added to the box.
    QTextOption option = document()->defaultTextOption();
    option.setTextDirection(Qt::LeftToRight);
    document()->setDefaultTextOption(option);
}

PictureBox::PictureBox(QWidget* parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::ClickFocus);
}

void PictureBox::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    if (image_.isNull())
        p.fillRect(rect(), palette().window());
    else
        p.drawPixmap(0, 0, image_);
}

void PictureBox::resizeEvent(QResizeEvent*)
{
    if (image_.size() == size() || width() <= 0 || height() <= 0)
        return;
    QPixmap next(size());
    next.fill(palette().color(backgroundRole()));
    if (!image_.isNull()) {
        QPainter p(&next);
        p.drawPixmap(0, 0, image_);
    }
    image_ = next;
}

void PictureBox::mousePressEvent(QMouseEvent* event)
{
    if (onMouseDown)
        onMouseDown(event->button(), event->modifiers(), event->position().toPoint().x(), event->position().toPoint().y());
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event)
{
    if (onMouseUp)
        onMouseUp(event->button(), event->modifiers(), event->position().toPoint().x(), event->position().toPoint().y());
}

StatusBar::StatusBar(const std::vector<int>& panelWidths, QWidget* parent)
    : QWidget(parent)
{
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    for (std::size_t i = 0; i < panelWidths.size(); ++i) {
        auto* panel = new QLabel(this);
        // Texts from the server are shown as they are, never as markup.
        panel->setTextFormat(Qt::PlainText);
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        panel->setMinimumWidth(panelWidths[i]);
        layout->addWidget(panel, i + 1 == panelWidths.size() ? 0 : 1);
        panels_.push_back(panel);
    }
    simple_ = new QLabel(this);
    simple_->setTextFormat(Qt::PlainText);
    simple_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    simple_->hide();
    layout->addWidget(simple_, 1);
}

QString StatusBar::Panel(int index) const
{
    if (index < 1 || index > PanelCount())
        return QString();
    return panels_[index - 1]->text();
}

void StatusBar::setPanel(int index, const QString& text)
{
    if (index >= 1 && index <= PanelCount())
        panels_[index - 1]->setText(text);
}

void StatusBar::setPanelToolTip(int index, const QString& tip)
{
    if (index >= 1 && index <= PanelCount())
        panels_[index - 1]->setToolTip(tip);
}

void StatusBar::setSimpleText(const QString& text)
{
    simple_->setText(text);
    simple_->show();
    for (QLabel* p : panels_)
        p->hide();
}

namespace {
// Tells a click that changed the selection, whose change already ran the
// handler, from a click on the item already selected.
class ListBoxClicks : public QObject {
public:
    ListBoxClicks(QListWidget* list, std::function<void()> handler)
        : QObject(list)
        , handler_(std::move(handler))
    {
        list->viewport()->installEventFilter(this);
        connect(list, &QListWidget::itemSelectionChanged, this, [this] {
            changedByPress_ = true;
            handler_();
        });
        connect(list, &QListWidget::itemClicked, this, [this] {
            if (!changedByPress_)
                handler_();
        });
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::MouseButtonPress)
            changedByPress_ = false;
        return false;
    }

private:
    std::function<void()> handler_;
    bool changedByPress_ = false;
};
} // namespace

void OnListBoxClick(QListWidget* list, std::function<void()> handler) { new ListBoxClicks(list, std::move(handler)); }

void SetColumnWidths(QTreeWidget* list, const std::vector<int>& twips)
{
    QHeaderView* header = list->header();
    header->setStretchLastSection(false);
    header->setMinimumSectionSize(0);
    for (std::size_t c = 0; c < twips.size(); ++c)
        list->setColumnWidth(static_cast<int>(c), toPixels(twips[c]));
}

bool ListViewRow::operator<(const QTreeWidgetItem& other) const
{
    const int column = treeWidget() ? treeWidget()->sortColumn() : 0;
    return text(column).compare(other.text(column), Qt::CaseInsensitive) < 0;
}
