// The smallest Qt program to hold the game's start-up against: a window of the game's size
// with one label, printing "ready" once the label has first been painted.
#include <QApplication>
#include <QLabel>
#include <QPaintEvent>
#include <QTimer>
#include <QWidget>

#include <cstdio>

namespace {

class ReadyLabel : public QLabel {
 public:
  using QLabel::QLabel;

 protected:
  void paintEvent(QPaintEvent* event) override {
    QLabel::paintEvent(event);
    if (reported_) return;
    reported_ = true;
    // After this paint and the flush to the screen that follows it.
    QTimer::singleShot(0, [] {
      std::puts("ready");
      std::fflush(stdout);
    });
  }

 private:
  bool reported_ = false;
};

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QWidget window;
  window.setWindowTitle(QStringLiteral("Bare window"));
  window.setFixedSize(618, 453);
  ReadyLabel label(QStringLiteral("A bare window"), &window);
  label.setGeometry(32, 32, 200, 32);
  window.show();
  return QApplication::exec();
}
