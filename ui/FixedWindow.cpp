#include "ui/FixedWindow.h"

#include "foundation/Twips.h"
#include "foundation/WindowUtil.h"
#include "ui/frmBack.h"
#include "ui/frmMain.h"

#include <QGuiApplication>
#include <QIcon>
#include <QLabel>

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

void ShowProgramIcon(QLabel* image)
{
    const QIcon icon = QGuiApplication::windowIcon();
    if (!icon.isNull())
        image->setPixmap(icon.pixmap(image->size()));
}

void TakeGameWindowIcon(QWidget* window) { window->setWindowIcon(Forms::get<frmMain>().windowIcon()); }
