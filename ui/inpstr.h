// The borderless input-string dialog, created at start-up and kept hidden.
#pragma once

#include <QDialog>

class TFinpstr : public QDialog {
  Q_OBJECT
 public:
  explicit TFinpstr(QWidget* parent = nullptr);
};
