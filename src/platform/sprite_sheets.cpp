// The two sprite sheets, embedded in the program.
#include "platform/sprite_sheets.h"

namespace tarvo {

SpriteSheets::SpriteSheets() : large_(QStringLiteral(":/art/sprites32.png")) {}

const QPixmap& SpriteSheets::sheet(SpriteSheet which) const {
  if (which == SpriteSheet::Large) return large_.pixmap();
  if (small_.isNull()) small_.load(QStringLiteral(":/art/sprites8.png"));
  return small_;
}

}  // namespace tarvo
