// Measuring and drawing a label's text in its face, the way a label lays out and draws one line of
// plain text: left-aligned, centred vertically, in the palette's foreground colour.
#include "ui/face_label.h"

#include <QPainter>
#include <QStyleOption>
#include <QTextLayout>
#include <cmath>

namespace stonewick {

void FaceLabel::SetFace(const QRawFont& face) {
  face_ = face;
  updateGeometry();
  update();
}

QTextLine FaceLabel::LayOut(QTextLayout& layout) const {
  layout.setFont(font());  // kerning and spacing; the face supplies the glyphs
  layout.setRawFont(face_);
  QTextOption option(Qt::AlignLeft);
  option.setWrapMode(QTextOption::ManualWrap);
  option.setTextDirection(layout.text().isRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight);
  layout.setTextOption(option);
  layout.beginLayout();
  QTextLine line = layout.createLine();
  line.setLineWidth(0x01000000);  // one line, however long the text
  layout.endLayout();
  return line;
}

int FaceLabel::TextWidth(const QString& text) const {
  if (!face_.isValid()) {
    return fontMetrics().horizontalAdvance(text);
  }
  QTextLayout layout(text);
  return static_cast<int>(std::lround(LayOut(layout).horizontalAdvance()));
}

QSize FaceLabel::sizeHint() const {
  if (!face_.isValid()) {
    return QLabel::sizeHint();
  }
  QTextLayout layout(text());
  const QTextLine line = LayOut(layout);
  const QSize textSize(static_cast<int>(std::ceil(line.naturalTextWidth())),
                       static_cast<int>(std::ceil(line.ascent() + line.descent())));
  const QMargins margins = contentsMargins();
  return (textSize + QSize(margins.left() + margins.right(), margins.top() + margins.bottom()))
      .expandedTo(minimumSize());
}

void FaceLabel::paintEvent(QPaintEvent* event) {
  if (!face_.isValid()) {
    QLabel::paintEvent(event);
    return;
  }
  if (text().isEmpty()) {
    return;
  }
  QStyleOption option;
  option.initFrom(this);
  QPainter painter(this);
  painter.setPen(option.palette.color(foregroundRole()));
  QTextLayout layout(text());
  const QTextLine line = LayOut(layout);
  // Centred in the height as a label centres its line, to the fraction of a pixel.
  const QRect area = contentsRect();
  const qreal top = area.top() + (area.height() - (line.ascent() + line.descent())) / 2;
  line.draw(&painter, QPointF(area.left(), top));
}

}  // namespace stonewick
