// The borderless input-string dialog, created at start-up and kept hidden: two prompts, an
// edit box and OK/Cancel on a framed panel that also serves as the handle to drag it by.
#pragma once

#include <QDialog>
#include <QFrame>

class QLabel;
class QLineEdit;
class QPushButton;

// A silver panel with a raised outer and a lowered inner bevel, two pixels each.
class TFinpstrPanel : public QFrame {
 public:
  explicit TFinpstrPanel(QWidget* parent) : QFrame(parent) {}

 protected:
  void paintEvent(QPaintEvent* event) override;
};

class TFinpstr : public QDialog {
  Q_OBJECT
 public:
  explicit TFinpstr(QWidget* parent = nullptr);

  // Modal results of the two buttons.
  static constexpr int kResultOk = 1;
  static constexpr int kResultCancel = 2;

  TFinpstrPanel* Panel1;
  QLabel* Label1;
  QLabel* Label2;
  QLineEdit* Edit1;
  QPushButton* Button1;
  QPushButton* Button2;

 public slots:
  // Esc and closing the window press Cancel.
  void reject() override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void Panel1MouseDown();
  void Panel1MouseMove();
  void Button1Click();
  void Button2Click();
};
