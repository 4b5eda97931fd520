// Picture files decoded one after the other on a worker thread from the moment they are named,
// so that the decoding overlaps the window's start; the first use of a picture waits for it.
#pragma once

#include <QImage>
#include <QPixmap>
#include <QStringList>

#include <future>
#include <thread>
#include <vector>

namespace tarvo {

class DecodedPictures {
 public:
  explicit DecodedPictures(const QStringList& paths);
  ~DecodedPictures();
  DecodedPictures(const DecodedPictures&) = delete;
  DecodedPictures& operator=(const DecodedPictures&) = delete;

  // Picture `index` of the paths, waiting for it on the first call; null for a file that cannot
  // be read. On the thread of the application object only, as every pixmap.
  const QPixmap& pixmap(qsizetype index);

 private:
  std::vector<std::future<QImage>> images_;
  std::vector<QPixmap> pixmaps_;
  std::thread worker_;
};

}  // namespace tarvo
