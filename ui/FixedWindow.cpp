#include "ui/FixedWindow.h"

#include "foundation/Twips.h"
#include "foundation/WindowUtil.h"
#include "ui/frmBack.h"
#include "ui/frmMain.h"

#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QScreen>
#include <algorithm>

void SetFixedSingle(QWidget* window, int widthTwips, int heightTwips)
{
    window->setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    window->setFixedSize(toPixels(widthTwips), toPixels(heightTwips));
}

void CentreOnOwner(QWidget* window)
{
    if (const frmBack* owner = Forms::find<frmBack>())
        CentreOnOwner(window, owner);
}

void PlaceTopRightOfWorkArea(QWidget* window)
{
    const frmBack* owner = Forms::find<frmBack>();
    if (!owner)
        return;
    const QRect work(owner->mdiArea->mapToGlobal(QPoint(0, 0)), owner->mdiArea->size());
    // A window not yet on screen has no frame; the window manager will give
    // it borders as wide as the main window's.
    const QRect ownerFrame = owner->frameGeometry();
    const QRect ownerInside = owner->geometry();
    const int borders = (ownerInside.left() - ownerFrame.left()) + (ownerFrame.right() - ownerInside.right());
    QRect frame(QPoint(0, 0), QSize(window->width() + borders, window->height()));
    frame.moveTopRight(work.topRight());
    if (const QScreen* screen = owner->screen()) {
        const QRect available = screen->availableGeometry();
        frame.moveRight(std::min(frame.right(), available.right()));
        frame.moveLeft(std::max(frame.left(), available.left()));
        frame.moveTop(std::max(frame.top(), available.top()));
    }
    window->move(frame.topLeft());
}

void ShowProgramIcon(QLabel* image)
{
    const QIcon icon = QGuiApplication::windowIcon();
    if (!icon.isNull())
        image->setPixmap(icon.pixmap(image->size()));
}

void TakeGameWindowIcon(QWidget* window) { window->setWindowIcon(Forms::get<frmMain>().windowIcon()); }
