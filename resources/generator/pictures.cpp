#include "pictures.h"

#include "drawing.h"
#include "equilibria_figures.h"
#include "figures.h"

#include <QPainterPath>

#include <algorithm>

namespace {
const QString Sans = "DejaVu Sans";
const QString Serif = "DejaVu Serif";

std::function<void(QPainter&)> Formula(const QString& html, int width, int height, int pixelSize) {
  return [=](QPainter& p) {
    p.setPen(Qt::black);
    DrawRichText(p, QRectF(0, 0, width, height), html, Sans, pixelSize, Qt::AlignLeft | Qt::AlignVCenter);
  };
}

// Five discs, one per component, around a drop: the program's emblem, then
// its name and subject.
void PaintLogo(QPainter& p) {
  p.setRenderHint(QPainter::Antialiasing);
  const QPointF centre(44, 44);
  QPainterPath drop;
  drop.moveTo(centre.x(), 8);
  drop.cubicTo(centre.x() + 8, 24, centre.x() + 30, 40, centre.x() + 30, 56);
  drop.cubicTo(centre.x() + 30, 74, centre.x() + 16, 82, centre.x(), 82);
  drop.cubicTo(centre.x() - 16, 82, centre.x() - 30, 74, centre.x() - 30, 56);
  drop.cubicTo(centre.x() - 30, 40, centre.x() - 8, 24, centre.x(), 8);
  QLinearGradient water(0, 8, 0, 82);
  water.setColorAt(0, QColor(140, 190, 235));
  water.setColorAt(1, QColor(30, 90, 170));
  p.setPen(QPen(QColor(20, 60, 120), 1.5));
  p.setBrush(water);
  p.drawPath(drop);
  const QColor discs[5] = {QColor(255, 255, 255), QColor(230, 120, 40), QColor(120, 190, 80),
                           QColor(240, 210, 60), QColor(200, 80, 160)};
  const QPointF places[5] = {{44, 60}, {32, 50}, {56, 50}, {36, 70}, {52, 70}};
  p.setPen(QPen(QColor(20, 60, 120), 1));
  for (int i = 0; i < 5; ++i) {
    p.setBrush(discs[i]);
    p.drawEllipse(places[i], 5, 5);
  }
  p.setPen(QColor(20, 60, 120));
  DrawRichText(p, QRectF(90, 12, 270, 40), "<b>FluidCalc</b>", Serif, 34, Qt::AlignLeft | Qt::AlignVCenter);
  p.setPen(QColor(60, 60, 60));
  DrawRichText(p, QRectF(92, 54, 270, 22),
               "properties of H<sub>2</sub>O–CO<sub>2</sub>–CH<sub>4</sub>–NaCl–KCl fluids", Sans, 13,
               Qt::AlignLeft | Qt::AlignVCenter);
}

void PaintHelmholtzEquation(QPainter& p) {
  p.setPen(Qt::black);
  DrawRichText(p, QRectF(0, 0, 542, 28),
               "<i>A</i><sup>res</sup>(<i>T</i>, <i>V</i>, <i>x</i>) = <i>A</i><sub>rep</sub> + "
               "<i>A</i><sub>dip</sub> + <i>A</i><sub>per</sub> ;&nbsp;&nbsp; <i>Z</i> = 1 + "
               "<i>Z</i><sub>rep</sub> + <i>Z</i><sub>dip</sub> + <i>Z</i><sub>per</sub>, &nbsp;"
               "<i>Z</i><sub>i</sub> = −<i>V</i> ∂(<i>A</i><sub>i</sub>/<i>RT</i>)/∂<i>V</i>",
               Serif, 16, Qt::AlignLeft | Qt::AlignVCenter);
}

void PaintSodiumChlorideEquation(QPainter& p) {
  p.setPen(Qt::black);
  const Qt::Alignment left = Qt::AlignLeft | Qt::AlignVCenter;
  DrawRichText(p, QRectF(0, 0, 420, 22),
               "<i>a</i>(NaCl) = 13332237 · [1.081 + 0.4233 · exp(−0.4817 (<i>t</i> − 8.959)<sup>2</sup>)",
               Serif, 13, left);
  DrawRichText(p, QRectF(112, 22, 308, 22), "− 0.7501 · exp(−0.6154 (<i>t</i> − 5.403)<sup>3.206</sup>)]",
               Serif, 13, left);
  DrawRichText(p, QRectF(0, 44, 420, 22),
               "<i>t</i> = <i>T</i> / 100 K,&nbsp; <i>T</i> &gt; 540.3 K;&nbsp; <i>a</i> in "
               "bar·cm<sup>6</sup>·mol<sup>−2</sup>",
               Serif, 13, left);
}
}  // namespace

std::vector<WindowPicture> WindowPictures() {
  std::vector<WindowPicture> pictures = {
      {168, "Logo10", 368, 87, PaintLogo},
      {185, "Duzoror0", 542, 28, PaintHelmholtzEquation},
      {190, "aNaClx", 400, 356, PaintSodiumChlorideFigure},
      {191, "aNaCl_eq", 420, 66, PaintSodiumChlorideEquation},
      {192, "aH2OCH4x", 300, 270, PaintWaterMethaneFigure},
      {194, "H2O", 31, 20, Formula("H<sub>2</sub>O", 31, 20, 14)},
      {195, "CO2", 33, 20, Formula("CO<sub>2</sub>", 33, 20, 14)},
      {196, "CH4", 32, 20, Formula("CH<sub>4</sub>", 32, 20, 14)},
      {197, "NaCl", 38, 16, Formula("NaCl", 38, 16, 14)},
      {198, "KCl", 28, 16, Formula("KCl", 28, 16, 14)},
      {199, "fluidsystem", 313, 20,
       Formula("H<sub>2</sub>O – CO<sub>2</sub> – CH<sub>4</sub> – NaCl – KCl", 313, 20, 16)},
      {188, "Liquid2", 120, 45, PaintLiquidBulk},
      {189, "Vapour2", 120, 45, PaintVapourBulk},
      {200, "Fig2last", 250, 185, PaintSLVPressureFigure},
      {201, "Fig4last", 250, 183, PaintSLVLiquidFigure},
      {205, "DuzororLV1o", 300, 344, PaintCoexistenceFigure},
      {206, "DuzororLV2o", 300, 344, PaintCoexistenceLogFigure},
      {207, "DuzororLV3o", 300, 312, PaintCoexistenceHotFigure},
      {208, "Zozareri1o", 300, 270, PaintVapourPressureFigure},
      {209, "Zozareri2o", 300, 271, PaintPseudoCriticalFigure},
      {210, "intersectA0", 300, 255, [](QPainter& p) { PaintIntersection(p, 0, 255); }},
      {211, "intersectB0", 300, 255, [](QPainter& p) { PaintIntersection(p, 1, 255); }},
      {212, "intersectC0", 300, 254, [](QPainter& p) { PaintIntersection(p, 2, 254); }},
  };
  std::sort(pictures.begin(), pictures.end(),
            [](const WindowPicture& a, const WindowPicture& b) { return a.id < b.id; });
  return pictures;
}
