// The 8-pixel tiles for the room previews, drawn pixel by pixel to stay readable that small.
#include "art/colours.h"
#include "art/pixel_art.h"
#include "art/tiles.h"

#include <array>

namespace art::small {
namespace {

constexpr int size = 8;

constexpr std::array<std::string_view, 8> wallRows{{
    "lllmllll",
    "sssmssss",
    "dddmdddd",
    "mmmmmmmm",
    "lllllllm",
    "sssssssm",
    "dddddddm",
    "mmmmmmmm",
}};

constexpr std::array<Ink, 4> wallInks{{
    {'m', colours::mortar},
    {'l', colours::stoneLight},
    {'s', colours::stone},
    {'d', colours::stoneDark},
}};

// A plate with a bright rim and a dark, light-centred middle, inside a rim of floor. The
// bright ring is what still shows beside the man standing on it.
constexpr std::array<std::string_view, 8> goalRows{{
    "........",
    ".pppppp.",
    ".peeeep.",
    ".pellep.",
    ".pellep.",
    ".peeeep.",
    ".pppppp.",
    "........",
}};

constexpr std::array<Ink, 3> goalInks{{
    {'e', colours::plateDark},
    {'p', colours::plate},
    {'l', colours::plateLight},
}};

// Left halves of the man, mirrored: hair, face, red jumper with hands out, legs, shoes.
// He stays four pixels wide so the ground he stands on shows on both sides.
constexpr std::array<std::string_view, 8> manHalves{{
    "..hh",
    "..ss",
    "..rr",
    ".srr",
    "..RR",
    "..bb",
    "..b.",
    "..k.",
}};

constexpr std::array<Ink, 6> manInks{{
    {'h', colours::hair},
    {'s', colours::skin},
    {'r', colours::jumper},
    {'R', colours::jumperDark},
    {'b', colours::trousers},
    {'k', colours::outline},
}};

constexpr std::array<std::string_view, 8> crateRows{{
    "........",
    ".eeeeee.",
    ".elllde:",
    ".ewwdwe:",
    ".ewdwwe:",
    ".edwwwe:",
    ".eeeeee:",
    "..::::::",
}};

std::array<Ink, 4> crateInks(bool onGoal) {
  using namespace colours;
  if (onGoal) return {{{'e', leafEdge}, {'d', leafDark}, {'w', leaf}, {'l', leafLight}}};
  return {{{'e', woodEdge}, {'d', woodDark}, {'w', wood}, {'l', woodLight}}};
}

}  // namespace

QImage outside() {
  QImage tile = solidTile(size, colours::outside);
  for (int i = 0; i < size; ++i) tile.setPixel(i, i, colours::outsideLine);
  return tile;
}

QImage wall() {
  QImage tile = solidTile(size, colours::stone);
  stamp(tile, 0, 0, wallRows, wallInks);
  return tile;
}

QImage ground(bool goal, bool marked) {
  QImage tile = solidTile(size, colours::sand);
  fillRect(tile, 0, size - 1, size, 1, colours::sandDark);
  fillRect(tile, size - 1, 0, 1, size, colours::sandDark);
  if (goal) stamp(tile, 0, 0, goalRows, goalInks);
  if (marked) darken(tile, colours::markFactor);
  return tile;
}

void drawMan(QImage& tile) { stampSymmetric(tile, 0, 0, manHalves, manInks); }

void drawBox(QImage& tile, bool onGoal) {
  const auto inks = crateInks(onGoal);
  stamp(tile, 0, 0, crateRows, inks);
}

}  // namespace art::small
