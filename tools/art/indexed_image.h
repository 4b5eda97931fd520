// Turns a Qt image into palette indexes for the GIF encoder, keeping every colour exact.
#pragma once

#include <QImage>

#include "art/gif_writer.h"

namespace art {

// Lists the image's colours in order of first appearance and maps each pixel to its entry.
// No colour is approximated: throws std::invalid_argument when the image has more than 256
// colours or a pixel that is not fully opaque (our GIFs carry no transparency).
IndexedImage indexColours(const QImage& image);

}  // namespace art
