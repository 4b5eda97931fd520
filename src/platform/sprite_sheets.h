// The two sprite sheets, embedded in the program.
#pragma once

#include <QPixmap>

#include "platform/decoded_picture.h"
#include "rules/drawing.h"

namespace tarvo {

class SpriteSheets {
 public:
  // The large sheet is decoded on a worker thread from here on; the small one, which only the
  // previews use and the first frame does not show, is read the first time it is asked for.
  SpriteSheets();
  const QPixmap& sheet(SpriteSheet which) const;

 private:
  mutable DecodedPicture large_;  // 6 x 3 tiles of 32 pixels
  mutable QPixmap small_;         // 6 x 3 tiles of 8 pixels
};

}  // namespace tarvo
