// The open and save dialogs of house files, sharing one remembered folder and name.
#include "house/file_dialogs_qt.h"

#include <QFileDialog>
#include <QFileInfo>

#include "house/dialog_filter.h"

namespace tarvo {

QStringList qtNameFilters(const QString& extensions) {
  const QStringList parts = QString::fromStdString(buildDialogFilter(extensions.toStdString())).split(QLatin1Char('|'));
  QStringList filters;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    const QString& pattern = parts[i + 1];
    const QString patterns = pattern == QLatin1String("*.*") ? pattern : pattern + QLatin1Char(' ') + pattern.toLower();
    // "Tous les fichiers (*.*)" already shows its pattern.
    filters << (parts[i].contains(QLatin1Char('(')) ? parts[i]
                                                    : parts[i] + QStringLiteral(" (") + patterns + QLatin1Char(')'));
  }
  return filters;
}

DialogChoice FileDialogs::showOpenDialog(const QString& extensions, const QString& title) {
  return show(extensions, title, false);
}

DialogChoice FileDialogs::showSaveDialog(const QString& extensions, const QString& title) {
  return show(extensions, title, true);
}

DialogChoice FileDialogs::show(const QString& extensions, const QString& title, bool save) {
  if (!title.isEmpty()) title_ = title;
  QFileDialog dialog(parent_, title_, directory_);
  dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
  dialog.setOption(QFileDialog::ReadOnly, false);
  const QStringList filters = qtNameFilters(extensions);
  dialog.setNameFilters(filters);
  dialog.selectNameFilter(filters.value(0));
  if (!fileName_.isEmpty()) dialog.selectFile(fileName_);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  const QString path = QFileInfo(dialog.selectedFiles().constFirst()).absoluteFilePath();
  directory_ = QFileInfo(path).absolutePath();
  fileName_ = QFileInfo(path).fileName();
  // "Fichiers TXT (*.TXT *.txt)": the word after "Fichiers".
  const QString filter = dialog.selectedNameFilter();
  const QString extension =
      filter.startsWith(QLatin1String("Fichiers ")) ? filter.section(QLatin1Char(' '), 1, 1) : QString();
  return {path, extension};
}

}  // namespace tarvo
