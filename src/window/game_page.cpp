// The "Game" page: the board and the play controls.
#include "window/game_page.h"

#include "platform/look.h"
#include "platform/picture_area.h"

namespace tarvo {

using look::makeButton;
using look::makeDisplay;

GamePage::GamePage(const SpriteSheets& sheets, QWidget* parent)
    : Page(parent),
      BTchoisiHouse(makeButton(this, QStringLiteral("House: Easy One"), QStringLiteral("Choose a House"), {32, 32, 192, 32})),
      BTrecommence(makeButton(this, QStringLiteral("Room"), QStringLiteral("Restart this Room"), {32, 96, 64, 32})),
      BTmoins(makeButton(this, QStringLiteral("<"), QStringLiteral("Previous Room"), {128, 96, 16, 32})),
      BTnumPiece(makeDisplay(this, QStringLiteral("1/1"), {144, 96, 64, 32})),
      BTplus(makeButton(this, QStringLiteral(">"), QStringLiteral("Next Room"), {208, 96, 16, 32})),
      BTtime(makeDisplay(this, QStringLiteral("Time"), {32, 160, 64, 32})),
      BTtimeValue(makeDisplay(this, QStringLiteral("00'00''"), {128, 160, 96, 32})),
      BTmove(makeDisplay(this, QStringLiteral("Move"), {32, 224, 64, 32})),
      BTmoinsMove(makeButton(this, QStringLiteral("<"), QStringLiteral("Undo one move"), {128, 224, 16, 32})),
      BTmoveValue(makeDisplay(this, QStringLiteral("0000"), {144, 224, 64, 32})),
      BTplusMove(makeButton(this, QStringLiteral(">"), QStringLiteral("Redo one move"), {208, 224, 16, 32})),
      BTgoal(makeDisplay(this, QStringLiteral("Goal:"), {32, 288, 64, 32})),
      BTgoalValue(makeDisplay(this, QStringLiteral("00/00"), {128, 288, 96, 32})),
      PICroom(new PictureArea(sheets, {320, 320}, this)) {
  PICroom->move(256, 64);
}

}  // namespace tarvo
