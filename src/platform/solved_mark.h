// The mark of a room the player has solved: a small green disc with a white tick, drawn in the
// corner of a room's picture without moving anything.
#pragma once

#include <QPixmap>
#include <QWidget>

namespace tarvo {

// The mark at 1x, with a transparent corner around the disc.
QPixmap solvedMarkPicture();

// The mark over the top right corner of a picture, inside it; shown or hidden with the room's
// progress. The picture's tooltip says what the player did.
class SolvedMark : public QWidget {
  Q_OBJECT

 public:
  explicit SolvedMark(QWidget* picture);

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace tarvo
