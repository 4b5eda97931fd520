// Turns a Qt image into palette indexes for the GIF encoder, keeping every colour exact.
#include "art/indexed_image.h"

#include <stdexcept>
#include <unordered_map>

namespace art {

IndexedImage indexColours(const QImage& image) {
  if (image.isNull()) throw std::invalid_argument("no image to index");
  const QImage argb = image.convertToFormat(QImage::Format_ARGB32);

  IndexedImage result;
  result.width = argb.width();
  result.height = argb.height();
  result.pixels.reserve(static_cast<std::size_t>(result.width) * static_cast<std::size_t>(result.height));

  std::unordered_map<QRgb, std::uint8_t> indexOf;
  for (int y = 0; y < argb.height(); ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
    for (int x = 0; x < argb.width(); ++x) {
      const QRgb pixel = line[x];
      if (qAlpha(pixel) != 255) throw std::invalid_argument("GIF output needs an opaque image");
      auto found = indexOf.find(pixel);
      if (found == indexOf.end()) {
        if (result.palette.size() == 256) throw std::invalid_argument("image has more than 256 colours");
        const auto index = static_cast<std::uint8_t>(result.palette.size());
        result.palette.push_back({static_cast<std::uint8_t>(qRed(pixel)), static_cast<std::uint8_t>(qGreen(pixel)),
                                  static_cast<std::uint8_t>(qBlue(pixel))});
        found = indexOf.emplace(pixel, index).first;
      }
      result.pixels.push_back(found->second);
    }
  }
  return result;
}

}  // namespace art
