// The two sprite sheets, embedded in the program.
#include "platform/sprite_sheets.h"

namespace tarvo {

SpriteSheets::SpriteSheets()
    : large_(QStringLiteral(":/art/sprites32.png")), small_(QStringLiteral(":/art/sprites8.png")) {}

}  // namespace tarvo
