// The About window: the game's name, where the program lies and when it was written.
#pragma once

#include <QDateTime>
#include <QDialog>
#include <QString>

class QFrame;
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

  // Fills pathLabel and stampLabel from a program path and its last-write time, widening the
  // window when the path needs it.
  void ShowProgramFile(const QString& path, const QDateTime& lastWritten);

  QFrame* buttonPanel;
  QFrame* headerPanel;
  QFrame* okHolder;
  QLabel* iconImage;
  QLabel* titleLabel;
  QLabel* pathLabel;
  QLabel* stampLabel;
  QPushButton* okButton;
  QTextEdit* creditsText;

 public slots:
  // Esc and the close box press OK too.
  void reject() override;

 private:
  void ShowOwnProgramFile();
  void OkClicked();
};

}  // namespace stonewick
