#include "app/framework/ExponentLabel.h"

#include <QFontMetricsF>
#include <QLabel>
#include <QtMath>

#include "app/framework/TextControls.h"

namespace fw {

namespace {

// Room between the exponent and the character after it, in pixels.
constexpr qreal kClearance = 1;

}  // namespace

void AttachExponent(StaticText& base, StaticText& exponent) {
  base.SetExponent(&exponent);
  exponent.SetExponentBase(&base);
  PlaceExponent(base, exponent);
}

void PlaceExponent(StaticText& base, StaticText& exponent) {
  QLabel* label = base.Label();
  QFont font = label->font();
  font.setWordSpacing(0);
  const QFontMetricsF metrics(font);
  const QString text = base.Text();
  const qsizetype blank = text.indexOf(QLatin1Char(' '));
  const qreal stemEnd =
      label->contentsRect().left() + metrics.horizontalAdvance(blank < 0 ? text : text.left(blank));
  const int offset = qCeil(stemEnd);
  exponent.SetLeft(base.Left() + offset);

  const QString raised = exponent.Text();
  if (blank >= 0 && !raised.isEmpty()) {
    const qreal raisedWidth = QFontMetricsF(exponent.Label()->font()).horizontalAdvance(raised);
    const qreal blankWidth = metrics.horizontalAdvance(QLatin1Char(' '));
    font.setWordSpacing(offset + raisedWidth + kClearance - stemEnd - blankWidth);
  }
  label->setFont(font);
}

}  // namespace fw
