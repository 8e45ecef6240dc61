// The About window: the game's name, where the program lies and when it was written. Its
// panels and texts are made when it is first shown or asked for them, not at start-up.
#pragma once

#include <QDateTime>
#include <QDialog>
#include <QString>

class QLabel;
class QPushButton;
class QTextEdit;

namespace stonewick {

// Letters A to Z become a to z; every other character stays as it is.
QString LowerCaseAsciiLetters(const QString& text);
// The date in the program's short date format; then a blank and the time in longTimeFormat,
// unless the stamp is exactly midnight. The stamp is taken in two-second steps, rounded down:
// the seconds shown are always even.
QString FileStampText(const QDateTime& stamp, const QString& longTimeFormat);
// The client width that keeps a label starting at labelLeft fully inside the window, with
// the same margin on its right as on its left when the window has to grow.
int AboutClientWidth(int labelLeft, int labelWidth, int clientWidth);

class AboutWindow : public QDialog {
  Q_OBJECT
 public:
  explicit AboutWindow(QWidget* parent = nullptr);

  static constexpr int kClientWidth = 302;
  static constexpr int kClientHeight = 292;

  // Makes the panels, the labels, the credits and OK, with the running program's file shown,
  // and sizes the window to them; once. Showing the window does it first.
  void Build();
  // Fills the path and stamp labels from a program path and its last-write time, widening the
  // window when the path needs it.
  void ShowProgramFile(const QString& path, const QDateTime& lastWritten);

  QLabel& PathLabel();
  QLabel& StampLabel();
  QTextEdit& CreditsText();
  QPushButton& OkButton();

 public slots:
  // Esc and the close box press OK too.
  void reject() override;
  void setVisible(bool visible) override;

 private:
  void ShowOwnProgramFile();
  void OkClicked();

  QLabel* pathLabel_ = nullptr;
  QLabel* stampLabel_ = nullptr;
  QPushButton* okButton_ = nullptr;
  QTextEdit* creditsText_ = nullptr;
};

}  // namespace stonewick
