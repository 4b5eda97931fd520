// The open and save dialogs of house files, sharing one remembered folder and name.
#pragma once

#include <QString>

class QWidget;

namespace tarvo {

struct DialogChoice {
  QString path;       // empty when nothing was chosen
  QString extension;  // of the file type chosen in the dialog: "HOU", "TXT"; empty for all files
};

class FileDialogs {
 public:
  explicit FileDialogs(QWidget* parent) : parent_(parent) {}

  // Accepts a typed name of a file that does not exist.
  DialogChoice showOpenDialog(const QString& extensions, const QString& title);
  // Replaces an existing file without a question and adds no extension.
  DialogChoice showSaveDialog(const QString& extensions, const QString& title);

 private:
  DialogChoice show(const QString& extensions, const QString& title, bool save);

  QWidget* parent_;
  QString title_;
  QString directory_;
  QString fileName_;
};

// The dialog's name filters: each "Fichiers E" lists *.E in both capitals and small letters.
QStringList qtNameFilters(const QString& extensions);

}  // namespace tarvo
