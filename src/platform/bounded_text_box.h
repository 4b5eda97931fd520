// A plain text box that holds at most a given number of characters: a paste beyond it is cut.
#pragma once

#include <QPlainTextEdit>

namespace tarvo {

class BoundedTextBox : public QPlainTextEdit {
  Q_OBJECT

 public:
  BoundedTextBox(qsizetype maxCharacters, QWidget* parent);

 signals:
  // A paste or a drop of `offered` characters was cut to the `kept` that fit.
  void pasteCut(qsizetype offered, qsizetype kept);

 protected:
  void insertFromMimeData(const QMimeData* source) override;

 private:
  qsizetype maxCharacters_;
};

}  // namespace tarvo
