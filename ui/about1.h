// The About window: the game's name, where the program lies and when it was written.
#pragma once

#include <QDateTime>
#include <QDialog>
#include <QString>

class QFrame;
class QLabel;
class QPushButton;
class QTextEdit;

// Letters A to Z become a to z; every other character stays as it is.
QString LowerCaseAsciiLetters(const QString& text);
// The date in the program's short date format; then a blank and the time in longTimeFormat,
// unless the stamp (taken in whole seconds) is exactly midnight.
QString FileStampText(const QDateTime& stamp, const QString& longTimeFormat);
// The client width that keeps a label starting at labelLeft fully inside the window, with
// the same margin on its right as on its left when the window has to grow.
int AboutClientWidth(int labelLeft, int labelWidth, int clientWidth);

class TFAbout1 : public QDialog {
  Q_OBJECT
 public:
  explicit TFAbout1(QWidget* parent = nullptr);

  static constexpr int kClientWidth = 302;
  static constexpr int kClientHeight = 292;

  // Fills Label2 and Label3 from a program path and its last-write time, widening the
  // window when the path needs it.
  void ShowProgramFile(const QString& path, const QDateTime& lastWritten);

  QFrame* Panel1;
  QFrame* Panel2;
  QFrame* Panel3;
  QLabel* Image1;
  QLabel* Label1;
  QLabel* Label2;
  QLabel* Label3;
  QPushButton* OKBtn;
  QTextEdit* Memo1;

 public slots:
  // Esc and the close box press OK too.
  void reject() override;

 private:
  void FormCreate();
  void OKBtnClick();
};
