// The program's message boxes and the name prompt: plain text, and wide enough for their titles.
#include "platform/message_box.h"

#include <QApplication>
#include <QDialog>
#include <QFontMetrics>
#include <QGridLayout>
#include <QSpacerItem>
#include <QStyle>

#include "platform/zoom.h"

namespace tarvo {

namespace {

constexpr int kTitleBarButtons = 120;

}  // namespace

int widthForTitle(const QString& title) {
  return QFontMetrics(QApplication::font()).horizontalAdvance(title) + kTitleBarButtons;
}

void fitTitle(QDialog& dialog) {
  const int width = widthForTitle(dialog.windowTitle());
  // Message boxes and input dialogs size themselves from their layouts and ignore a minimum
  // width; a spacer as wide as needed is what they honour.
  dialog.minimumSizeHint();  // an input dialog makes its layout only when first asked
  auto* spacer = new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Fixed);
  if (auto* grid = qobject_cast<QGridLayout*>(dialog.layout())) {
    grid->addItem(spacer, grid->rowCount(), 0, 1, grid->columnCount());
  } else if (dialog.layout() != nullptr) {
    dialog.layout()->addItem(spacer);
  } else {
    delete spacer;
    dialog.setMinimumWidth(width);
  }
}

QMessageBox* makeMessageBox(QMessageBox::Icon icon, const QString& title, const QString& text, QWidget* parent) {
  auto* box = new QMessageBox(icon, title, text, QMessageBox::Ok, parent);
  box->setTextFormat(Qt::PlainText);
  fitTitle(*box);
  // At the zoom of its window, its icon drawn anew at that size rather than enlarged.
  zoom::follow(box);
  const int factor = zoom::of(box);
  if (factor > 1 && !box->iconPixmap().isNull()) {
    const QStyle::StandardPixmap standard = icon == QMessageBox::Warning    ? QStyle::SP_MessageBoxWarning
                                            : icon == QMessageBox::Critical ? QStyle::SP_MessageBoxCritical
                                            : icon == QMessageBox::Question ? QStyle::SP_MessageBoxQuestion
                                                                            : QStyle::SP_MessageBoxInformation;
    box->setIconPixmap(box->style()->standardIcon(standard).pixmap(box->iconPixmap().size() * factor));
  }
  return box;
}

void openMessageBox(QMessageBox::Icon icon, const QString& title, const QString& text, QWidget* parent) {
  QMessageBox* box = makeMessageBox(icon, title, text, parent);
  box->setAttribute(Qt::WA_DeleteOnClose);
  box->open();
}

}  // namespace tarvo
