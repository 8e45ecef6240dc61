// The borderless input-string dialog, created at start-up and kept hidden: two prompts, an
// edit box and OK/Cancel on a framed panel that also serves as the handle to drag it by. Its
// panel and controls are made when it is first shown or asked for them, not at start-up.
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

  // Makes the panel, the prompts, the edit box and the buttons; once. Showing the dialog or
  // asking for one of them does it first.
  void Build();

  InputDialogPanel& Panel();
  QLabel& PromptLabel();
  QLineEdit& TextEdit();
  QPushButton& OkButton();
  QPushButton& CancelButton();

 public slots:
  // Esc and closing the window press Cancel.
  void reject() override;
  void setVisible(bool visible) override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void PanelPressed();
  void PanelMouseMoved();
  void OkClicked();
  void CancelClicked();

  InputDialogPanel* panel_ = nullptr;
  QLabel* promptLabel_ = nullptr;
  QLabel* questionLabel_ = nullptr;
  QLineEdit* textEdit_ = nullptr;
  QPushButton* okButton_ = nullptr;
  QPushButton* cancelButton_ = nullptr;
};

}  // namespace stonewick
