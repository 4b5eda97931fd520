// The "Game" page: the board and the play controls.
#pragma once

#include "platform/page.h"

class QPushButton;

namespace tarvo {

class PictureArea;
class SpriteSheets;

class GamePage : public Page {
  Q_OBJECT

 public:
  GamePage(const SpriteSheets& sheets, QWidget* parent);

  QPushButton* BTchoisiHouse;
  QPushButton* BTrecommence;
  QPushButton* BTmoins;
  QPushButton* BTnumPiece;
  QPushButton* BTplus;
  QPushButton* BTtime;
  QPushButton* BTtimeValue;
  QPushButton* BTmove;
  QPushButton* BTmoinsMove;
  QPushButton* BTmoveValue;
  QPushButton* BTplusMove;
  QPushButton* BTgoal;
  QPushButton* BTgoalValue;
  PictureArea* PICroom;
};

}  // namespace tarvo
