#include "ui/frmMain.h"

// The frame timer, the overview and lightning timers and the map's mouse input.

#include "connection/ConnectionState.h"
#include "foundation/OptionsState.h"
#include "foundation/RuntimeError.h"
#include "ui/Focus.h"
#include "ui/InputCodes.h"
#include "ui/StaffMenus.h"
#include "ui/frmBack.h"
#include "world/Lightning.h"
#include "world/MapViewCore.h"
#include "world/Renderer.h"
#include "world/Viewport.h"
#include "world/WorldState.h"
#include "world/frmOverview.h"

namespace {
// The keyboard goes back to the input line, when it can take it.
void focusInputLine() { SetFocusIfAble(Forms::get<frmBack>().txtSend); }
} // namespace

void frmMain::connectMapView()
{
    connect(DXTimer, &QTimer::timeout, this, [this] { DXTimer_Timer(); });
    connect(Timer1, &QTimer::timeout, this, [this] { Timer1_Timer(); });
    connect(LightningTimer, &QTimer::timeout, this, [this] { LightningTimer_Timer(); });
    picMap->onMouseDown = [this](Qt::MouseButton b, Qt::KeyboardModifiers m, int x, int y) {
        picMap_MouseDown(MouseButtonCode(b), ShiftState(m), x, y);
    };
    picMap->onMouseUp = [this](Qt::MouseButton b, Qt::KeyboardModifiers m, int x, int y) {
        picMap_MouseUp(MouseButtonCode(b), ShiftState(m), x, y);
    };
    // The overview runs from start-up.
    Timer1->start();
}

void frmMain::DXTimer_Timer()
{
    if (Wsk->state() == QAbstractSocket::ConnectedState && !connection().RecvBuffer.isEmpty())
        ProcessData();
    DrawMap();
    Forms::get<frmBack>().StatBar->setPanel(3, QStringLiteral("Frames:") + QString::number(GetFPS()));
    DrawSatellite();
}

void frmMain::Timer1_Timer() { Forms::get<frmOverview>().PaintTerrain(); }

void frmMain::LightningTimer_Timer()
{
    if (!connection().Lightning)
        return;
    LightenTerrain();
    DoEvents();
    const qint32 time = connection().TimeOfDay;
    if (time >= 1 && time <= 3)
        LightningReset();
}

void frmMain::picMap_MouseDown(int, int, float, float) { focusInputLine(); }

void frmMain::picMap_MouseUp(int Button, int, float X, float Y)
{
    if (Wsk->state() != QAbstractSocket::ConnectedState)
        return;
    World& w = world();
    if (w.TileSize <= 0 || w.MapWidth <= 0 || w.MapHeight <= 0)
        return;
    const Point2 cell = ClickedCell(X, Y, w.TileSize, w.OriginX, w.OriginY, w.MapWidth, w.MapHeight);
    if (Button == 1) {
        if (cell.X == w.Pos.X && cell.Y == w.Pos.Y) {
            w.ViewCenterX = cell.X;
            w.ViewCenterY = cell.Y;
            UpdateViewport();
            return;
        }
        ShowStaffMenus(connection().UserLevel);
        FollowCamera(w.ViewCenterX, cell.X, w.MaxX);
        FollowCamera(w.ViewCenterY, cell.Y, w.MaxY);
        Server(QStringLiteral("m"), GetDirections(w.Pos, cell) + QLatin1Char('&'));
        if (options().AutoScreenCenter == 255)
            UpdateViewport();
    } else {
        Server(QStringLiteral("C"),
               QStringLiteral("fire ") + QString::number(cell.X) + QLatin1Char(' ') + QString::number(cell.Y));
    }
    focusInputLine();
}
