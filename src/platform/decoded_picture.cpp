// A picture file decoded on a worker thread from the moment it is named.
#include "platform/decoded_picture.h"

namespace tarvo {

DecodedPicture::DecodedPicture(const QString& path)
    : image_(std::async(std::launch::async, [path] {
        // In the form a pixmap keeps it, so that turning it into one copies nothing.
        const QImage image(path);
        return image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                                             : QImage::Format_RGB32);
      })) {}

const QPixmap& DecodedPicture::pixmap() {
  if (image_.valid()) pixmap_ = QPixmap::fromImage(image_.get());
  return pixmap_;
}

}  // namespace tarvo
