#include "drawing.h"

#include <QAbstractTextDocumentLayout>
#include <QPainterPath>
#include <QTextDocument>

#include <cmath>

namespace {
QTextDocument* MakeDocument(const QString& html, const QString& family, int pixelSize) {
  auto* doc = new QTextDocument;
  QFont font(family);
  font.setPixelSize(pixelSize);
  doc->setDefaultFont(font);
  doc->setDocumentMargin(0);
  doc->setHtml(html);
  return doc;
}

QString Number(double value) {
  // Tick labels: plain decimals without trailing zeros.
  QString text = QString::number(value, 'f', 2);
  while (text.contains('.') && (text.endsWith('0') || text.endsWith('.'))) text.chop(1);
  return text == "-0" ? "0" : text;
}
}  // namespace

void DrawRichText(QPainter& painter, const QRectF& box, const QString& html, const QString& family,
                  int pixelSize, Qt::Alignment alignment) {
  for (int size = pixelSize; size >= 6; --size) {
    std::unique_ptr<QTextDocument> doc(MakeDocument(html, family, size));
    const QSizeF natural(doc->idealWidth(), doc->size().height());
    if (size > 6 && (natural.width() > box.width() || natural.height() > box.height())) continue;
    double x = box.left();
    if (alignment & Qt::AlignHCenter) x = box.center().x() - natural.width() / 2;
    if (alignment & Qt::AlignRight) x = box.right() - natural.width();
    double y = box.top();
    if (alignment & Qt::AlignVCenter) y = box.center().y() - natural.height() / 2;
    if (alignment & Qt::AlignBottom) y = box.bottom() - natural.height();
    doc->setTextWidth(natural.width() + 1);
    painter.save();
    painter.translate(x, y);
    QAbstractTextDocumentLayout::PaintContext context;
    context.palette.setColor(QPalette::Text, painter.pen().color());
    doc->documentLayout()->draw(&painter, context);
    painter.restore();
    return;
  }
}

void DrawChart(QPainter& painter, const QRectF& area, const Chart& chart) {
  const QString family = "DejaVu Sans";
  const double left = area.left() + 46, right = area.right() - 16;
  const double top = area.top() + (chart.title.isEmpty() ? 10 : 26), bottom = area.bottom() - 38;
  const QRectF plot(QPointF(left, top), QPointF(right, bottom));
  auto px = [&](double x) { return left + (x - chart.xMin) / (chart.xMax - chart.xMin) * plot.width(); };
  auto py = [&](double y) { return bottom - (y - chart.yMin) / (chart.yMax - chart.yMin) * plot.height(); };

  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(QColor(225, 225, 225), 0.6));
  for (double x = chart.xMin; x <= chart.xMax + 1e-9; x += chart.xStep) painter.drawLine(QPointF(px(x), top), QPointF(px(x), bottom));
  for (double y = chart.yMin; y <= chart.yMax + 1e-9; y += chart.yStep) painter.drawLine(QPointF(left, py(y)), QPointF(right, py(y)));

  painter.setPen(QPen(Qt::black, 1));
  painter.drawRect(plot);
  QFont tickFont(family);
  tickFont.setPixelSize(10);
  painter.setFont(tickFont);
  for (double x = chart.xMin; x <= chart.xMax + 1e-9; x += chart.xStep) {
    painter.drawLine(QPointF(px(x), bottom), QPointF(px(x), bottom - 4));
    painter.drawText(QRectF(px(x) - 30, bottom + 2, 60, 13), Qt::AlignHCenter | Qt::AlignTop, Number(x));
  }
  for (double y = chart.yMin; y <= chart.yMax + 1e-9; y += chart.yStep) {
    painter.drawLine(QPointF(left, py(y)), QPointF(left + 4, py(y)));
    painter.drawText(QRectF(area.left(), py(y) - 7, 40, 14), Qt::AlignRight | Qt::AlignVCenter, Number(y));
  }
  DrawRichText(painter, QRectF(left, bottom + 16, plot.width(), 20), chart.xTitle, family, 11, Qt::AlignHCenter | Qt::AlignTop);
  painter.save();
  painter.translate(area.left() + 1, bottom);
  painter.rotate(-90);
  DrawRichText(painter, QRectF(0, 0, plot.height(), 16), chart.yTitle, family, 11, Qt::AlignHCenter | Qt::AlignTop);
  painter.restore();
  if (!chart.title.isEmpty())
    DrawRichText(painter, QRectF(left, area.top() + 4, plot.width(), 18), chart.title, family, 12, Qt::AlignHCenter | Qt::AlignTop);

  painter.save();
  painter.setClipRect(plot);
  const int samples = 400;
  for (const Curve& curve : chart.curves) {
    QPainterPath path;
    bool started = false;
    for (const QPointF& point : curve.points) {
      if (!std::isfinite(point.x()) || !std::isfinite(point.y())) { started = false; continue; }
      if (started) path.lineTo(px(point.x()), py(point.y())); else path.moveTo(px(point.x()), py(point.y()));
      started = true;
    }
    for (int s = 0; s <= (curve.points.empty() ? samples : -1); ++s) {
      const double x = chart.xMin + (chart.xMax - chart.xMin) * s / samples;
      const double y = curve.y(x);
      if (!std::isfinite(y)) { started = false; continue; }
      const QPointF point(px(x), py(y));
      if (started) path.lineTo(point); else path.moveTo(point);
      started = true;
    }
    painter.setPen(QPen(curve.colour, 1.6, curve.style));
    painter.drawPath(path);
  }
  painter.restore();

  // Legend, bottom right inside the plot.
  int entries = 0;
  for (const Curve& curve : chart.curves) entries += curve.label.isEmpty() ? 0 : 1;
  double legendY = chart.legendTopLeft ? top + 4 : bottom - 6 - 16 * entries;
  const double legendX = chart.legendTopLeft ? left + 154 : right;
  for (const Curve& curve : chart.curves) {
    if (curve.label.isEmpty()) continue;
    painter.setPen(QPen(curve.colour, 1.6, curve.style));
    painter.drawLine(QPointF(legendX - 150, legendY + 7), QPointF(legendX - 128, legendY + 7));
    painter.setPen(Qt::black);
    DrawRichText(painter, QRectF(legendX - 124, legendY, 120, 15), curve.label, family, 10, Qt::AlignLeft | Qt::AlignVCenter);
    legendY += 16;
  }
}
