// The pointer shown over a link: a pointing hand in a red cuff, the man's own sleeve.
#include "art/about_art.h"
#include "art/colours.h"

#include <array>
#include <utility>

namespace art {
namespace {

constexpr int size = 32;

// Rows of the hand's body (what is filled, before the outline), as [first, last] column
// runs. The raised finger is columns 8-11; the three bent fingers and the thumb are runs
// of their own, so the gaps between them come out as outline.
struct Run {
  int y, first, last;
};

constexpr auto handRuns = [] {
  std::array<Run, 64> runs{};
  std::size_t n = 0;
  auto add = [&](int y, int first, int last) { runs[n++] = {y, first, last}; };
  add(1, 9, 10);  // fingertip, corners cut
  for (int y = 2; y <= 15; ++y) add(y, 8, 11);
  add(9, 14, 14), add(10, 13, 15);  // bent fingers, tops rounded
  add(10, 18, 18), add(11, 17, 19);
  add(12, 22, 22), add(13, 21, 23);
  for (int y = 11; y <= 15; ++y) add(y, 13, 15);
  for (int y = 12; y <= 15; ++y) add(y, 17, 19);
  for (int y = 14; y <= 15; ++y) add(y, 21, 23);
  add(14, 4, 5), add(15, 3, 6), add(16, 3, 6);  // thumb, reaching up and out
  add(17, 4, 7), add(18, 5, 7), add(19, 6, 7), add(20, 7, 7);
  for (int y = 16; y <= 23; ++y) add(y, 8, 23);  // palm
  add(24, 9, 22), add(25, 10, 21);
  for (int y = 26; y <= 28; ++y) add(y, 10, 21);  // cuff
  return std::pair{runs, n};
}();

constexpr int cuffTop = 26;

}  // namespace

QImage makeLinkPointer() {
  std::array<std::array<bool, size>, size> body{};
  for (std::size_t i = 0; i < handRuns.second; ++i) {
    const Run& run = handRuns.first[i];
    for (int x = run.first; x <= run.last; ++x) body[run.y][x] = true;
  }
  auto inBody = [&body](int x, int y) { return x >= 0 && y >= 0 && x < size && y < size && body[y][x]; };

  QImage pointer(size, size, QImage::Format_ARGB32);
  pointer.fill(Qt::transparent);
  const QRgb white = qRgb(255, 255, 255);
  const QRgb shade = qRgb(190, 196, 206);
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      if (inBody(x, y)) {
        const bool cuff = y >= cuffTop;
        const bool edge = !inBody(x + 1, y) || !inBody(x, y + 1);  // lit from the top left
        QRgb colour = edge ? shade : white;
        if (cuff) colour = edge ? colours::jumperDark : colours::jumper;
        if (y == cuffTop) colour = colours::outline;  // the seam between hand and sleeve
        pointer.setPixel(x, y, colour);
        continue;
      }
      bool touches = false;
      for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) touches = touches || inBody(x + dx, y + dy);
      }
      if (touches) pointer.setPixel(x, y, colours::outline);
    }
  }
  return pointer;
}

}  // namespace art
