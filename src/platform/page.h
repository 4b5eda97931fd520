// A page of a tab strip: no border, the page grey, and the background picture from its corner.
#pragma once

#include <QPixmap>
#include <QWidget>

namespace tarvo {

class Page : public QWidget {
  Q_OBJECT

 public:
  explicit Page(QWidget* parent = nullptr);
  void setBackgroundPicture(const QPixmap& picture);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QPixmap background_;
};

}  // namespace tarvo
