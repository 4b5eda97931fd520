// The two sprite sheets, embedded in the program.
#pragma once

#include <QPixmap>
#include <QString>

#include "rules/drawing.h"

namespace tarvo {

class SpriteSheets {
 public:
  // Where the sheet is embedded, for those who decode it beforehand.
  static QString file(SpriteSheet which);
  // The sheet as decoded beforehand, in place of reading it when it is first asked for.
  void take(SpriteSheet which, const QPixmap& sheet);
  // Each sheet is read the first time it is asked for unless it was given: the first frame
  // needs only the large one, and not before the window is on the screen.
  const QPixmap& sheet(SpriteSheet which) const;

 private:
  mutable QPixmap large_;  // 6 x 3 tiles of 32 pixels
  mutable QPixmap small_;  // 6 x 3 tiles of 8 pixels
};

}  // namespace tarvo
