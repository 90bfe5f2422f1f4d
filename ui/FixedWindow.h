#pragma once
// The look the small tool and information windows share: a fixed single
// border without minimise or maximise box, centred on the main window, and
// the program's icon as a picture.

class QLabel;
class QWidget;

// Fixed single border, no minimise or maximise box; the inner size in twips.
void SetFixedSingle(QWidget* window, int widthTwips, int heightTwips);
// Centres the window on the main window (frmBack) when it exists.
void CentreOnOwner(QWidget* window);
// Places the window's frame in the top-right corner of the main window's
// work area, where its game and chat windows lie: below the menus, clear of
// the centre of the map, and wholly on screen.
void PlaceTopRightOfWorkArea(QWidget* window);
// Shows the program's icon in an image control (nothing while it has none).
void ShowProgramIcon(QLabel* image);
// Gives the window the game window's icon.
void TakeGameWindowIcon(QWidget* window);
