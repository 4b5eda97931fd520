// Picture files decoded one after the other on a worker thread.
#include "platform/decoded_picture.h"

namespace tarvo {

DecodedPictures::DecodedPictures(const QStringList& paths) : pixmaps_(static_cast<std::size_t>(paths.size())) {
  std::vector<std::promise<QImage>> promises(pixmaps_.size());
  for (std::promise<QImage>& promise : promises) images_.push_back(promise.get_future());
  worker_ = std::thread([paths, promises = std::move(promises)]() mutable {
    for (qsizetype k = 0; k < paths.size(); ++k) {
      // In the form a pixmap keeps it, so that turning it into one copies nothing.
      const QImage image(paths[k]);
      promises[static_cast<std::size_t>(k)].set_value(
          image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32));
    }
  });
}

DecodedPictures::~DecodedPictures() { worker_.join(); }

const QPixmap& DecodedPictures::pixmap(qsizetype index) {
  const auto k = static_cast<std::size_t>(index);
  if (images_[k].valid()) pixmaps_[k] = QPixmap::fromImage(images_[k].get());
  return pixmaps_[k];
}

}  // namespace tarvo
