// The 32-pixel tiles: slabs, stone blocks, the goal plate, the crate and the man.
#include "art/colours.h"
#include "art/pixel_art.h"
#include "art/tiles.h"

#include <array>
#include <cstdlib>

namespace art::large {
namespace {

constexpr int size = 32;

QImage floorSlab() {
  using namespace colours;
  QImage tile = solidTile(size, sand);
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      const int grain = speckle(x, y, 1);
      if (grain < 16)
        tile.setPixel(x, y, mixed(sand, sandDark, 0.7));
      else if (grain > 242)
        tile.setPixel(x, y, mixed(sand, sandLight, 0.8));
    }
  }
  // Bevelled slab edges: lit from the top left, a dark joint at the bottom right.
  fillRect(tile, 0, 0, size, 1, sandLight);
  fillRect(tile, 0, 0, 1, size, sandLight);
  fillRect(tile, 1, size - 2, size - 2, 1, sandDark);
  fillRect(tile, size - 2, 1, 1, size - 2, sandDark);
  fillRect(tile, 0, size - 1, size, 1, sandGap);
  fillRect(tile, size - 1, 0, 1, size, sandGap);
  return tile;
}

// A teal plate sunk into the slab: dark rim, shadowed top-left inside, lit bottom-right,
// and a diamond in the middle. It is wider than the crate so its rim shows around a box.
void drawGoalPlate(QImage& tile) {
  using namespace colours;
  constexpr int first = 2;
  constexpr int last = size - 3;
  for (int y = first; y <= last; ++y) {
    for (int x = first; x <= last; ++x) {
      const bool cornerCut = (x == first || x == last) && (y == first || y == last);
      if (cornerCut) continue;
      QRgb colour = plate;
      if (x == first || x == last || y == first || y == last)
        colour = plateEdge;
      else if (x == first + 1 || y == first + 1)
        colour = plateDark;
      else if (x == last - 1 || y == last - 1)
        colour = plateLight;
      tile.setPixel(x, y, colour);
    }
  }
  // Diamond marker, measured in half pixels from the tile centre.
  for (int y = first + 2; y < last - 1; ++y) {
    for (int x = first + 2; x < last - 1; ++x) {
      const int distance = std::abs(2 * x - (size - 1)) + std::abs(2 * y - (size - 1));
      if (distance == 14 || distance == 16)
        tile.setPixel(x, y, plateLight);
      else if (distance <= 4)
        tile.setPixel(x, y, plateLight);
      else if (distance == 18)
        tile.setPixel(x, y, plateDark);
    }
  }
}

// Darker ground with faint diagonal hatching: the warning that a box must not stand here.
void applyMark(QImage& tile) {
  darken(tile, colours::markFactor);
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      if ((x + y) % 8 == 0) tile.setPixel(x, y, scaled(tile.pixel(x, y), 0.8));
    }
  }
}

struct CrateColours {
  QRgb edge, dark, body, light;
};

constexpr int crateFirst = 4;
constexpr int crateLast = size - 5;

void drawCrate(QImage& tile, const CrateColours& c) {
  constexpr int inner = crateFirst + 4;  // the panel inside the frame
  constexpr int innerLast = crateLast - 4;
  // Drop shadow to the bottom right, then the crate over it.
  for (int y = crateFirst + 2; y <= crateLast + 2; ++y) {
    for (int x = crateFirst + 2; x <= crateLast + 2; ++x) {
      if (x > crateLast || y > crateLast) tile.setPixel(x, y, scaled(tile.pixel(x, y), 0.7));
    }
  }
  for (int y = crateFirst; y <= crateLast; ++y) {
    for (int x = crateFirst; x <= crateLast; ++x) {
      const bool border = x == crateFirst || x == crateLast || y == crateFirst || y == crateLast;
      const bool frame = x < inner || x > innerLast || y < inner || y > innerLast;
      QRgb colour = c.body;
      if (border) {
        colour = c.edge;
      } else if (frame) {
        colour = c.body;
        if (x == crateFirst + 1 || y == crateFirst + 1)
          colour = c.light;
        else if (x == crateLast - 1 || y == crateLast - 1)
          colour = c.dark;
        else if (x == inner - 1 || y == inner - 1 || x == innerLast + 1 || y == innerLast + 1)
          colour = c.dark;  // the frame's inner lip
      } else {
        // Panel of planks, with a brace from bottom left to top right.
        colour = mixed(c.body, c.dark, 0.35);
        if ((y - inner) % 4 == 3) colour = mixed(c.body, c.dark, 0.7);
        const int brace = (x - inner) + (y - inner) - (innerLast - inner);
        if (brace >= -1 && brace <= 1) colour = c.body;
        if (brace == -2) colour = c.light;
        if (brace == 2) colour = c.dark;
      }
      tile.setPixel(x, y, colour);
    }
  }
  // Nails in the frame's corners.
  for (const int y : {crateFirst + 2, crateLast - 2}) {
    for (const int x : {crateFirst + 2, crateLast - 2}) tile.setPixel(x, y, c.edge);
  }
}

// The man, facing us; left halves, mirrored to the right.
constexpr std::array<std::string_view, 32> manHalves{{
    "................", "................", "...........kkkkk", ".........kkhhhhh", "........khhhHHhh",
    "........khhHhhhh", "........khhhhhhh", "........khhhhhss", "........khhsssss", "........khssssss",
    "........khsssess", "........kSsssess", "........kSssssss", ".........kSssssm", "..........kkSSSS",
    ".......kkrrrrrrr", "......krrrLrrrrr", "......krrkrrrrrr", "......kRrkrrrrrr", "......kRrkrrrrrr",
    "......kRrkRrrrrr", "......ksskRRRRRR", ".......kkkbbbbbb", ".........kbbbbbb", ".........kbbbbbk",
    ".........kBbbbbk", ".........kBbbbbk", ".........kBBbbbk", "........knnnnnk.", "........kkkkkkk.",
    ".......::::::::.", "........::::::..",
}};

constexpr std::array<Ink, 13> manInks{{
    {'k', colours::outline},
    {'e', colours::outline},
    {'h', colours::hair},
    {'H', colours::hairLight},
    {'s', colours::skin},
    {'S', colours::skinDark},
    {'r', colours::jumper},
    {'L', colours::jumperLight},
    {'R', colours::jumperDark},
    {'b', colours::trousers},
    {'B', colours::trousersDark},
    {'n', colours::shoe},
    {'m', colours::mouth},
}};

}  // namespace

QImage outside() {
  QImage tile = solidTile(size, colours::outside);
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      if ((x - y + size) % 8 == 0) tile.setPixel(x, y, colours::outsideLine);
    }
  }
  return tile;
}

QImage wall() {
  using namespace colours;
  QImage tile = solidTile(size, stone);
  constexpr int course = 8;   // block height, mortar included
  constexpr int length = 16;  // block length, mortar included
  for (int y = 0; y < size; ++y) {
    const int row = y / course;
    const int inY = y % course;
    const int shift = (row % 2) * (length / 2);
    for (int x = 0; x < size; ++x) {
      const int inX = (x + shift) % length;
      const int block = row * 4 + (x + shift) / length;
      QRgb colour = mixed(stone, stoneDark, (speckle(block, row, 7) % 4) * 0.1);
      if (inY == 0 || inX == 0)
        colour = mortar;
      else if (inY == 1 || inX == 1)
        colour = stoneLight;
      else if (inY == course - 1 || inX == length - 1)
        colour = stoneDark;
      else if (speckle(x, y, 3) < 20)
        colour = mixed(colour, stoneDark, 0.6);
      tile.setPixel(x, y, colour);
    }
  }
  return tile;
}

QImage ground(bool goal, bool marked) {
  QImage tile = floorSlab();
  if (goal) drawGoalPlate(tile);
  if (marked) applyMark(tile);
  return tile;
}

void drawMan(QImage& tile) { stampSymmetric(tile, 0, 0, manHalves, manInks); }

void drawBox(QImage& tile, bool onGoal) {
  using namespace colours;
  if (onGoal)
    drawCrate(tile, {leafEdge, leafDark, leaf, leafLight});
  else
    drawCrate(tile, {woodEdge, woodDark, wood, woodLight});
}

}  // namespace art::large
