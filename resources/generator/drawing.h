// Drawing helpers of the picture generator: rich text fitted into a box, and
// a line chart with axes, ticks and units.
#pragma once

#include <QColor>
#include <QPointF>
#include <QPainter>
#include <QRectF>
#include <QString>

#include <functional>
#include <vector>

// Draws an HTML fragment (sub- and superscripts allowed) in the box, in the
// given family, at the largest pixel size up to `pixelSize` whose text fits.
void DrawRichText(QPainter& painter, const QRectF& box, const QString& html, const QString& family,
                  int pixelSize, Qt::Alignment alignment);

struct Curve {
  std::function<double(double)> y;  // y as a function of x, in axis units
  QColor colour;
  Qt::PenStyle style = Qt::SolidLine;
  QString label;                    // legend entry, HTML; empty for none
  std::vector<QPointF> points;      // when given, drawn as a polyline instead of y
};

struct Chart {
  double xMin, xMax, xStep;  // axis range and tick spacing
  double yMin, yMax, yStep;
  QString xTitle, yTitle;    // HTML, with units
  QString title;             // HTML, above the plot area
  std::vector<Curve> curves;
  bool legendTopLeft = false;  // otherwise bottom right
};

void DrawChart(QPainter& painter, const QRectF& area, const Chart& chart);
