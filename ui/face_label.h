// A label that lays out and draws its text in a face handed to it, sized to its text exactly
// as a plain label of its font would be. The main window hands its regular read-outs a face
// made from its own font at their size, so that the first frame asks the system's font
// matching for one font fewer.
#pragma once

#include <QLabel>
#include <QRawFont>

class QTextLayout;
class QTextLine;

namespace stonewick {

class FaceLabel : public QLabel {
  Q_OBJECT
 public:
  explicit FaceLabel(QWidget* parent = nullptr) : QLabel(parent) {}

  // Lays out and draws the text in `face` from now on; with an invalid face the label measures
  // and draws with its font as any label does.
  void SetFace(const QRawFont& face);
  // How far `text` advances in the label's face, as QFontMetrics::horizontalAdvance measures.
  int TextWidth(const QString& text) const;

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override { return sizeHint(); }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  // `layout` holding `text` as one line in the face.
  QTextLine LayOut(QTextLayout& layout) const;

  QRawFont face_;
};

}  // namespace stonewick
