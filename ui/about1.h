// The About window: the game's name, where the program lies and when it was written.
#pragma once

#include <QDialog>

class TFAbout1 : public QDialog {
  Q_OBJECT
 public:
  explicit TFAbout1(QWidget* parent = nullptr);
};
