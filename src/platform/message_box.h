// The program's message boxes and the name prompt: plain text, and wide enough for their titles.
#pragma once

#include <QMessageBox>
#include <QString>

class QDialog;
class QWidget;

namespace tarvo {

// The width a dialog needs so that a window manager shows its whole title: the title in the
// application font plus the title bar's own buttons.
int widthForTitle(const QString& title);

// Makes `dialog` at least as wide as its title needs.
void fitTitle(QDialog& dialog);

// A box whose text is shown as it stands (a file named "<b>x" is not rich text).
QMessageBox* makeMessageBox(QMessageBox::Icon icon, const QString& title, const QString& text, QWidget* parent);

// Such a box shown without waiting for the answer; it goes once closed.
void openMessageBox(QMessageBox::Icon icon, const QString& title, const QString& text, QWidget* parent);

}  // namespace tarvo
