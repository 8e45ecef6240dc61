// The borderless input-string dialog, created at start-up and kept hidden: two prompts, an
// edit box and OK/Cancel on a framed panel that also serves as the handle to drag it by.
#pragma once

#include <QDialog>
#include <QFrame>

class QLabel;
class QLineEdit;
class QPushButton;

namespace stonewick {

// A silver panel with a raised outer and a lowered inner bevel, two pixels each.
class InputDialogPanel : public QFrame {
 public:
  explicit InputDialogPanel(QWidget* parent) : QFrame(parent) {}

 protected:
  void paintEvent(QPaintEvent* event) override;
};

class InputDialog : public QDialog {
  Q_OBJECT
 public:
  explicit InputDialog(QWidget* parent = nullptr);

  // Modal results of the two buttons.
  static constexpr int kResultOk = 1;
  static constexpr int kResultCancel = 2;

  InputDialogPanel* panel;
  QLabel* promptLabel;
  QLabel* questionLabel;
  QLineEdit* textEdit;
  QPushButton* okButton;
  QPushButton* cancelButton;

 public slots:
  // Esc and closing the window press Cancel.
  void reject() override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void PanelPressed();
  void PanelMouseMoved();
  void OkClicked();
  void CancelClicked();
};

}  // namespace stonewick
