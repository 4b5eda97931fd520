// The program's message boxes and the name prompt: plain text, and wide enough for their titles.
#include "platform/message_box.h"

#include <QApplication>
#include <QDialog>
#include <QFontMetrics>
#include <QGridLayout>
#include <QSpacerItem>

namespace tarvo {

namespace {

constexpr int kTitleBarButtons = 120;

}  // namespace

int widthForTitle(const QString& title) {
  return QFontMetrics(QApplication::font()).horizontalAdvance(title) + kTitleBarButtons;
}

void fitTitle(QDialog& dialog) {
  const int width = widthForTitle(dialog.windowTitle());
  // A message box sizes itself from its text and ignores a minimum width; a spacer across its
  // grid is what it honours.
  if (auto* grid = qobject_cast<QGridLayout*>(dialog.layout()); grid != nullptr && qobject_cast<QMessageBox*>(&dialog)) {
    grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Fixed), grid->rowCount(), 0, 1,
                  grid->columnCount());
  } else {
    dialog.setMinimumWidth(width);
  }
}

QMessageBox* makeMessageBox(QMessageBox::Icon icon, const QString& title, const QString& text, QWidget* parent) {
  auto* box = new QMessageBox(icon, title, text, QMessageBox::Ok, parent);
  box->setTextFormat(Qt::PlainText);
  fitTitle(*box);
  return box;
}

}  // namespace tarvo
