#include "world/Viewport.h"

#include "ui/frmMain.h"
#include "world/MapViewCore.h"
#include "world/WorldState.h"

void UpdateViewport()
{
    frmMain& game = Forms::get<frmMain>();
    World& w = world();
    ViewportFigures v;
    if (!ComputeViewport(game.picMap->ScaleWidth(), game.picMap->ScaleHeight(), w, v))
        return;
    w.TilesAcross = v.TilesAcross;
    w.TilesDown = v.TilesDown;
    w.OriginX = v.OriginX;
    w.OriginY = v.OriginY;
    game.Server(QStringLiteral("M"), ViewportText(v));
    w.ViewCenterX = w.Pos.X;
    w.ViewCenterY = w.Pos.Y;
}
