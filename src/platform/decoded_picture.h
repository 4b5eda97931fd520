// A picture file decoded on a worker thread from the moment it is named, so that the decoding
// overlaps the window's start; the first use waits for it.
#pragma once

#include <QImage>
#include <QPixmap>
#include <QString>

#include <future>

namespace tarvo {

class DecodedPicture {
 public:
  explicit DecodedPicture(const QString& path);
  // Waits for the decoding on the first call. A file that cannot be read gives a null pixmap.
  // On the thread of the application object only, as every pixmap.
  const QPixmap& pixmap();

 private:
  std::future<QImage> image_;
  QPixmap pixmap_;
};

}  // namespace tarvo
