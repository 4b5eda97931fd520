// The two sprite sheets, embedded in the program.
#pragma once

#include <QPixmap>

#include "rules/drawing.h"

namespace tarvo {

class SpriteSheets {
 public:
  SpriteSheets();
  const QPixmap& sheet(SpriteSheet which) const { return which == SpriteSheet::Large ? large_ : small_; }

 private:
  QPixmap large_;  // 6 x 3 tiles of 32 pixels
  QPixmap small_;  // 6 x 3 tiles of 8 pixels
};

}  // namespace tarvo
