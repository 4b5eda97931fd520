// The two sprite sheets, embedded in the program.
#include "platform/sprite_sheets.h"

namespace tarvo {

QString SpriteSheets::file(SpriteSheet which) {
  return which == SpriteSheet::Large ? QStringLiteral(":/art/sprites32.png") : QStringLiteral(":/art/sprites8.png");
}

void SpriteSheets::take(SpriteSheet which, const QPixmap& sheet) {
  (which == SpriteSheet::Large ? large_ : small_) = sheet;
}

const QPixmap& SpriteSheets::sheet(SpriteSheet which) const {
  QPixmap& sheet = which == SpriteSheet::Large ? large_ : small_;
  if (sheet.isNull()) sheet.load(file(which));
  return sheet;
}

}  // namespace tarvo
