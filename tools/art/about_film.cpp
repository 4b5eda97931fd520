// The About window's film: the man pushes a box onto its goal, drawn with the game's own
// 32-pixel tiles so it looks like a room of the game.
#include "art/about_art.h"
#include "art/colours.h"
#include "art/pixel_art.h"
#include "art/tiles.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <utility>

namespace art {
namespace {

constexpr int tile = 32;

// The room: four slabs across and two down, a wall all round of which only the inner
// edge shows. Slab (column, row) has its top-left corner at (left + 32 column, top + 32 row).
constexpr int columns = 4;
constexpr int rows = 2;
constexpr int left = (filmFrameWidth - columns * tile) / 2;  // 16
constexpr int top = 10;

// The box that gets pushed starts at slab 1 of row 0 and goes two slabs right onto the
// goal at slab 3; the other box already stands on its goal at slab 3 of row 1.
constexpr int startColumn = 1;
constexpr int goalColumn = 3;

// The man stands this far into his slab towards the box, so his hands are on it.
constexpr int manLean = 7;

// A light, warm white the goals glow towards when the room is finished.
constexpr QRgb glowColour = qRgb(236, 255, 214);

QImage wallBand() {
  QImage band(filmFrameWidth, filmFrameHeight, QImage::Format_RGB32);
  const QImage wall = large::wall();
  QPainter painter(&band);
  for (int y = top - tile; y < filmFrameHeight; y += tile) {
    for (int x = left - tile; x < filmFrameWidth; x += tile) painter.drawImage(x, y, wall);
  }
  return band;
}

// A goal plate glowing by amount (0 dark, 1 fully lit): the plate turns pale and the slab
// round it catches some of the light, most near the plate.
QImage litGoal(double amount) {
  const QImage slab = large::ground(false, false);
  QImage goal = large::ground(true, false);
  if (amount <= 0) return goal;
  constexpr double centre = (tile - 1) / 2.0;
  for (int y = 0; y < tile; ++y) {
    for (int x = 0; x < tile; ++x) {
      const QRgb pixel = goal.pixel(x, y);
      if (pixel != slab.pixel(x, y)) {
        goal.setPixel(x, y, mixed(pixel, glowColour, 0.55 * amount));
      } else {
        const double distance = std::max(std::abs(x - centre), std::abs(y - centre));
        const double halo = std::clamp((distance - 12.5) / 3.5, 0.0, 1.0);  // 0 at the rim
        goal.setPixel(x, y, mixed(pixel, glowColour, 0.45 * amount * (1 - halo)));
      }
    }
  }
  return goal;
}

// Light spilling from a goal at (cx, cy) over the frame, strongest at the goal and gone
// by reach pixels from it.
void shine(QImage& frame, double cx, double cy, double amount) {
  constexpr double reach = 48;
  for (int y = 0; y < frame.height(); ++y) {
    for (int x = 0; x < frame.width(); ++x) {
      const double falloff = 1 - std::hypot(x + 0.5 - cx, y + 0.5 - cy) / reach;
      if (falloff > 0) frame.setPixel(x, y, mixed(frame.pixel(x, y), glowColour, 0.7 * amount * falloff * falloff));
    }
  }
}

// A four-pointed twinkle centred on (x, y): a white heart, glowing arms.
void twinkle(QImage& frame, int x, int y, int arm) {
  frame.setPixel(x, y, qRgb(255, 255, 255));
  for (int i = 1; i <= arm; ++i) {
    const QRgb colour = i == arm ? mixed(glowColour, frame.pixel(x + i, y), 0.5) : glowColour;
    for (const auto& [dx, dy] : {std::pair{i, 0}, std::pair{-i, 0}, std::pair{0, i}, std::pair{0, -i}})
      frame.setPixel(x + dx, y + dy, colour);
  }
  for (const int dx : {-1, 1}) {
    for (const int dy : {-1, 1}) frame.setPixel(x + dx, y + dy, mixed(glowColour, frame.pixel(x + dx, y + dy), 0.4));
  }
}

// Draws a figure (the man or a box) as the tile drawing does, but at any pixel position:
// the figure is painted onto a copy of what lies beneath, which keeps its cast shadow.
template <typename Draw>
void drawFigure(QImage& frame, int x, int y, Draw draw) {
  QImage patch = frame.copy(x, y, tile, tile);
  draw(patch);
  QPainter(&frame).drawImage(x, y, patch);
}

struct Scene {
  double push = 0;  // how far the box has gone, in slabs (0..2)
  double glow = 0;  // how brightly the goals shine (0..1)
  int bob = 0;      // the man's step: 1 lifts him a pixel
};

QImage drawScene(const Scene& scene) {
  QImage frame = wallBand();
  QPainter painter(&frame);
  const bool placed = scene.push >= goalColumn - startColumn;
  for (int row = 0; row < rows; ++row) {
    for (int column = 0; column < columns; ++column) {
      const bool goal = column == goalColumn;
      // While a box is still to come the goals only shine faintly; placed, they blaze.
      const double glow = placed ? scene.glow : scene.glow * 0.5;
      painter.drawImage(left + column * tile, top + row * tile, goal ? litGoal(glow) : large::ground(false, false));
    }
  }
  painter.end();
  if (scene.glow > 0) {
    const double amount = placed ? scene.glow : scene.glow * 0.5;
    for (int row = 0; row < rows; ++row)
      shine(frame, left + goalColumn * tile + tile / 2.0, top + row * tile + tile / 2.0, amount);
  }

  const int offset = static_cast<int>(std::lround(scene.push * tile));
  const int boxX = left + startColumn * tile + offset;
  drawFigure(frame, boxX, top, [placed](QImage& t) { large::drawBox(t, placed); });
  drawFigure(frame, boxX - tile + manLean, top - scene.bob, [](QImage& t) { large::drawMan(t); });
  drawFigure(frame, left + goalColumn * tile, top + tile, [](QImage& t) { large::drawBox(t, true); });
  if (placed && scene.glow >= 1) {
    const int x = left + goalColumn * tile;
    twinkle(frame, x + 27, top + 5, 4);
    twinkle(frame, x + 5, top + 25, 3);
    twinkle(frame, x + 26, top + tile + 25, 3);
  }
  return frame;
}

// Darkens everything outside a circle of the given radius round (cx, cy): the closing
// circle of an old film's ending. A radius of 0 leaves the frame all dark.
void closeIn(QImage& frame, double cx, double cy, double radius) {
  for (int y = 0; y < frame.height(); ++y) {
    for (int x = 0; x < frame.width(); ++x) {
      const double distance = std::hypot(x + 0.5 - cx, y + 0.5 - cy);
      if (distance > radius)
        frame.setPixel(x, y, colours::outline);
      else if (distance > radius - 1.5)
        frame.setPixel(x, y, mixed(frame.pixel(x, y), colours::outline, 0.5));
    }
  }
}

QImage drawFrame(int index) {
  // Frames 0-4 and 5-9 each push the box one slab: the pause, then four steps of a fifth.
  // Frame 10 is the finished room; 11-14 close in on the placed box.
  Scene scene;
  if (index <= 10) {
    const int move = std::min(index / 5, 2);
    const int step = index % 5;
    scene.push = move + step / 5.0;
    scene.bob = (step == 1 || step == 3) ? 1 : 0;
    scene.glow = step == 0 ? 1.0 : 0.0;
  } else {
    scene.push = 2;
    scene.glow = 1.0;
  }
  QImage frame = drawScene(scene);
  if (index > 10) {
    constexpr std::array<double, 4> radii{64, 40, 18, 0};
    const double cx = left + goalColumn * tile + tile / 2.0;
    const double cy = top + tile / 2.0;
    closeIn(frame, cx, cy, radii[static_cast<std::size_t>(index - 11)]);
  }
  return frame;
}

}  // namespace

QImage makeAboutFilm() {
  QImage film(filmFrameWidth, filmFrameHeight * filmFrameCount, QImage::Format_RGB32);
  QPainter painter(&film);
  for (int index = 0; index < filmFrameCount; ++index) painter.drawImage(0, index * filmFrameHeight, drawFrame(index));
  return film;
}

}  // namespace art
