// Assembles the tiles into the sprite sheets the game copies its cells from.
#include "art/sheets.h"

#include "art/colours.h"
#include "art/tiles.h"

#include <QPainter>

namespace art {
namespace {

void place(QImage& sheet, const QImage& tile, int column, int row)
{
    QPainter painter(&sheet);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(column * tile.width(), row * tile.height(), tile);
}

}  // namespace

QImage makeSpriteSheet(int tileSize)
{
    const QImage outside = outsideTile(tileSize);  // rejects sizes we have not drawn
    QImage sheet(sheetColumns * tileSize, sheetRows * tileSize, QImage::Format_RGB32);
    sheet.fill(colours::page);

    place(sheet, outside, 0, 0);
    place(sheet, wallTile(tileSize), 1, 0);
    for (const Ground ground : {Ground::Floor, Ground::Goal, Ground::MarkedFloor, Ground::MarkedGoal}) {
        for (const Occupant occupant : {Occupant::Nobody, Occupant::Man, Occupant::Box})
            place(sheet, cellTile(ground, occupant, tileSize), 2 + static_cast<int>(ground),
                  static_cast<int>(occupant));
    }
    return sheet;
}

}  // namespace art
