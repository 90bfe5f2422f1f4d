#include "world/frmOverview.h"

#include "foundation/SettingsState.h"
#include "world/MapViewCore.h"
#include "world/WorldState.h"

#include <QPainter>

// One colour per terrain class: the ground kinds 0 to 5 in clearly different
// hues and brightnesses, the walls (class 6, tiles 8 to 39) dark, so that the
// map's layout reads at one pixel per cell.
const std::array<quint32, 7> OverviewColours = {
    RGB(61, 164, 21),    // 0: the picture's background green
    RGB(124, 200, 76),   // 1: light green
    RGB(204, 178, 112),  // 2: sand
    RGB(64, 128, 216),   // 3: blue
    RGB(34, 96, 44),     // 4: dark green
    RGB(160, 160, 160),  // 5: grey
    RGB(64, 44, 30),     // 6: walls, dark brown
};

frmOverview::frmOverview()
{
    setWindowTitle(QStringLiteral("Overview Map"));
    // Fixed tool-window border, no control box.
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::MSWindowsFixedSizeDialogHint);
    picOverview = new PictureBox(this);
    // One pixel per cell of the 150 x 150 map.
    picOverview->setGeometry(4, 4, kMapCells, kMapCells);
    QPalette pal = picOverview->palette();
    pal.setColor(QPalette::Window, QColor(61, 164, 21));
    picOverview->setPalette(pal);
    picOverview->setAutoFillBackground(true);
    picOverview->Image() = QPixmap(picOverview->size());
    picOverview->Image().fill(QColor(61, 164, 21));
    ZephButton1 = new QPushButton(QStringLiteral("&Ok"), this);
    ZephButton1->setGeometry(4 + kMapCells / 2 - 40, kMapCells + 10, 80, 24);
    connect(ZephButton1, &QPushButton::clicked, this, [this] { ZephButton1_Click(); });
    setFixedSize(kMapCells + 8, kMapCells + 40);
}

void frmOverview::ZephButton1_Click() { Hide(); }

void frmOverview::PaintTerrain()
{
    const World& w = world();
    QImage image = picOverview->Image().toImage().convertToFormat(QImage::Format_RGB32);
    int k = 0;
    for (int x = 0; x < kMapCells; ++x) {
        for (int y = 0; y < kMapCells; ++y) {
            k = OverviewClass(k, w.MapTerrain.data()[x + kMapCells * y]);
            // Cells outside the picture are not seen.
            if (image.valid(x, y)) {
                const quint32 c = OverviewColours[k];
                image.setPixel(x, y, qRgb(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF));
            }
        }
    }
    QPainter p(&picOverview->Image());
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.drawImage(0, 0, image);
    p.end();
    picOverview->Refresh();
}
