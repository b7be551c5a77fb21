#include "equilibria_figures.h"

#include <QPainterPath>

#include <cmath>
#include <map>

#include "drawing.h"
#include "fluid/Globals.h"
#include "phase_envelope.h"

namespace {
constexpr double CelsiusOffset = 273.15;
const QString Sans = "DejaVu Sans";
const QColor Blue(20, 70, 160), Red(190, 60, 40), Green(40, 140, 60), Grey(110, 110, 110);

// The SLV pressure as the intersection window finds it: the curve chosen by
// the cotectic ratio, the saturated liquid on it, its pressure.
double SLVPressure(double T, double ratio) {
  const double cotectic = Globals::Sorvik_Cotectic(5, T);
  const int curve = cotectic > ratio ? 4 : 3;
  const double water = Globals::Sorvik_Molefraction(curve, T, ratio);
  const double sodium = (1 - water) * ratio;
  const double potassium = (1 - sodium) - water;
  const double P = Globals::Sorvik_Pressure(curve, water, sodium, potassium, T);
  return P > 0 ? P : NAN;
}

// Coexisting pairs by temperature (˚C), computed once per run.
const std::vector<CoexistingPair>& Coexistence(double celsius) {
  static std::map<double, std::vector<CoexistingPair>> computed;
  auto found = computed.find(celsius);
  if (found == computed.end())
    found = computed.emplace(celsius, SodiumChlorideBubblePoints(celsius + CelsiusOffset, 0.3, 1e-4)).first;
  return found->second;
}

// The liquid branch, then the vapour branch back, through the last pair
// (the edge of the critical region): one closed-looking loop per isotherm.
std::vector<QPointF> Loop(double celsius, bool logScale) {
  const auto& pairs = Coexistence(celsius);
  std::vector<QPointF> points;
  auto x = [&](double f) { return logScale ? std::log10(f) : f; };
  for (const CoexistingPair& pair : pairs) points.emplace_back(x(pair.xLiquid), pair.P);
  for (auto it = pairs.rbegin(); it != pairs.rend(); ++it) points.emplace_back(x(it->xVapour), it->P);
  return points;
}

void Tube(QPainter& p, const QColor& fill, bool liquid) {
  const QRectF glass(8, 4, 30, 37);
  p.setPen(Qt::NoPen);
  p.setBrush(fill);
  p.drawRoundedRect(glass, 5, 5);
  p.setBrush(Qt::white);
  p.setPen(QPen(Grey, 0.8));
  if (liquid) {
    p.drawEllipse(QPointF(23, 14), 4, 4);  // a first bubble of vapour
  } else {
    for (QPointF drop : {QPointF(16, 30), QPointF(28, 24), QPointF(20, 17)}) {
      p.setBrush(QColor(60, 120, 200));
      p.drawEllipse(drop, 1.8, 1.8);  // first droplets of liquid
    }
  }
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(Qt::black, 1.2));
  p.drawRoundedRect(glass, 5, 5);
}
}  // namespace

void PaintLiquidBulk(QPainter& p) {
  Tube(p, QColor(120, 170, 230), true);
  p.setPen(Qt::black);
  DrawRichText(p, QRectF(44, 4, 74, 18), "bulk: liquid", Sans, 11, Qt::AlignLeft | Qt::AlignVCenter);
  DrawRichText(p, QRectF(44, 23, 74, 18), "<i>bubble point</i>", Sans, 11, Qt::AlignLeft | Qt::AlignVCenter);
}

void PaintVapourBulk(QPainter& p) {
  Tube(p, QColor(225, 230, 238), false);
  p.setPen(Qt::black);
  DrawRichText(p, QRectF(44, 4, 74, 18), "bulk: vapour", Sans, 11, Qt::AlignLeft | Qt::AlignVCenter);
  DrawRichText(p, QRectF(44, 23, 74, 18), "<i>dew point</i>", Sans, 11, Qt::AlignLeft | Qt::AlignVCenter);
}

void PaintSLVPressureFigure(QPainter& p) {
  Chart chart;
  chart.xMin = 200, chart.xMax = 700, chart.xStep = 100;
  chart.yMin = 0, chart.yMax = 40, chart.yStep = 10;
  chart.title = "SLV curves, H<sub>2</sub>O–NaCl–KCl";
  chart.xTitle = "temperature (˚C)";
  chart.yTitle = "pressure (MPa)";
  chart.legendTopLeft = true;
  const struct { double ratio; QColor colour; Qt::PenStyle style; const char* label; } lines[] = {
      {1.0, Blue, Qt::SolidLine, "NaCl/(NaCl+KCl) = 1"},
      {0.5, Green, Qt::DashLine, "= 0.5"},
      {0.0, Red, Qt::DotLine, "= 0"}};
  for (const auto& line : lines) {
    const double ratio = line.ratio;
    chart.curves.push_back({[ratio](double celsius) { return SLVPressure(celsius + CelsiusOffset, ratio); },
                            line.colour, line.style, line.label, {}});
  }
  DrawChart(p, QRectF(0, 0, 250, 185), chart);
}

void PaintSLVLiquidFigure(QPainter& p) {
  Chart chart;
  chart.xMin = 0, chart.xMax = 1, chart.xStep = 0.25;
  chart.yMin = 0, chart.yMax = 1, chart.yStep = 0.25;
  chart.title = "salt-saturated liquid";
  chart.xTitle = "NaCl/(NaCl+KCl)";
  chart.yTitle = "<i>x</i>(H<sub>2</sub>O)";
  for (double celsius : {300.0, 500.0}) {
    const double T = celsius + CelsiusOffset;
    const QColor colour = celsius < 400 ? Blue : Red;
    chart.curves.push_back({[T](double r) { return Globals::Sorvik_Molefraction(3, T, r); }, colour,
                            Qt::SolidLine, QString("curve 3, %1 ˚C").arg(celsius), {}});
    chart.curves.push_back({[T](double r) { return Globals::Sorvik_Molefraction(4, T, r); }, colour,
                            Qt::DashLine, QString("curve 4, %1 ˚C").arg(celsius), {}});
  }
  DrawChart(p, QRectF(0, 0, 250, 183), chart);
}

namespace {
void CoexistenceChart(QPainter& p, const QRectF& area, const QString& title, double xMin, double xMax,
                      double xStep, double yMax, double yStep, const QString& xTitle,
                      std::initializer_list<double> temperatures, bool logScale) {
  Chart chart;
  chart.xMin = xMin, chart.xMax = xMax, chart.xStep = xStep;
  chart.yMin = 0, chart.yMax = yMax, chart.yStep = yStep;
  chart.title = title;
  chart.xTitle = xTitle;
  chart.yTitle = "pressure (MPa)";
  chart.legendTopLeft = true;
  const QColor colours[] = {Blue, Red};
  int n = 0;
  for (double celsius : temperatures) {
    Curve curve{nullptr, colours[n++ % 2], Qt::SolidLine, QString("%1 ˚C, this software").arg(celsius), {}};
    curve.points = Loop(celsius, logScale);
    chart.curves.push_back(curve);
  }
  DrawChart(p, area, chart);
}
}  // namespace

void PaintCoexistenceFigure(QPainter& p) {
  CoexistenceChart(p, QRectF(0, 0, 300, 344), "liquid + vapour, H<sub>2</sub>O–NaCl", 0, 0.3, 0.1, 140, 20,
                   "<i>x</i>(NaCl)", {400.0, 700.0}, false);
}

void PaintCoexistenceLogFigure(QPainter& p) {
  CoexistenceChart(p, QRectF(0, 0, 300, 344), "liquid + vapour, H<sub>2</sub>O–NaCl", -5, 0, 1, 140, 20,
                   "log<sub>10</sub> <i>x</i>(NaCl)", {400.0, 700.0}, true);
}

void PaintCoexistenceHotFigure(QPainter& p) {
  CoexistenceChart(p, QRectF(0, 0, 300, 312), "liquid + vapour at 800 and 900 ˚C", 0, 0.3, 0.1, 240, 40,
                   "<i>x</i>(NaCl)", {800.0, 900.0}, false);
}

void PaintVapourPressureFigure(QPainter& p) {
  Globals::CriticalValues();
  Chart chart;
  chart.xMin = -200, chart.xMax = 400, chart.xStep = 100;
  chart.yMin = 0, chart.yMax = 25, chart.yStep = 5;
  chart.title = "vapour pressure to the critical point";
  chart.xTitle = "temperature (˚C)";
  chart.yTitle = "pressure (MPa)";
  chart.legendTopLeft = true;
  const struct { int i; QColor colour; const char* label; } components[] = {
      {0, Blue, "H<sub>2</sub>O"}, {1, Red, "CO<sub>2</sub>"}, {2, Green, "CH<sub>4</sub>"}};
  for (const auto& c : components) {
    const int i = c.i;
    chart.curves.push_back({[i](double celsius) {
                              const double T = celsius + CelsiusOffset;
                              if (T < Globals::Ttrip[i] || T > Globals::Tcrit[i]) return double(NAN);
                              return Globals::SaturationPressure(i, T);
                            },
                            c.colour, Qt::SolidLine, c.label, {}});
  }
  DrawChart(p, QRectF(0, 0, 300, 270), chart);
  // The critical points, where the curves end.
  const double left = 46, right = 300 - 16, top = 26, bottom = 270 - 38;
  p.setPen(Qt::black);
  p.setBrush(Qt::black);
  for (const auto& c : components) {
    const double x = left + (Globals::Tcrit[c.i] - CelsiusOffset - chart.xMin) / (chart.xMax - chart.xMin) * (right - left);
    const double y = bottom - (Globals::Pcrit[c.i] - chart.yMin) / (chart.yMax - chart.yMin) * (bottom - top);
    p.drawEllipse(QPointF(x, y), 2.5, 2.5);
  }
}

void PaintPseudoCriticalFigure(QPainter& p) {
  Globals::CriticalValues();
  Chart chart;
  chart.xMin = 0, chart.xMax = 1, chart.xStep = 0.25;
  chart.yMin = 0, chart.yMax = 400, chart.yStep = 100;
  chart.title = "pseudo-critical temperature (Kay's rule)";
  chart.xTitle = "<i>x</i>(CO<sub>2</sub>) in H<sub>2</sub>O–CO<sub>2</sub>";
  chart.yTitle = "temperature (˚C)";
  chart.curves.push_back({[](double x) {
                            return (1 - x) * Globals::Tcrit[0] + x * Globals::Tcrit[1] - CelsiusOffset;
                          },
                          Blue, Qt::SolidLine, "mole-fraction mean", {}});
  DrawChart(p, QRectF(0, 0, 300, 271), chart);
}

void PaintIntersection(QPainter& p, int comparison, int height) {
  // A sketch in pressure against temperature: the SLV curve rising, the
  // isochore of the liquid-vapour window, and the selected temperature.
  const QRectF plot(46, 26, 300 - 62, height - 64);
  p.setPen(QPen(Qt::black, 1));
  p.drawRect(plot);
  p.setPen(Qt::black);
  DrawRichText(p, QRectF(plot.left(), 4, plot.width(), 18),
               comparison == 0 ? "<i>P</i> (iso) &gt; <i>P</i> (SLV)"
               : comparison == 1 ? "<i>P</i> (iso) &lt; <i>P</i> (SLV)" : "<i>P</i> (iso) = <i>P</i> (SLV)",
               Sans, 13, Qt::AlignHCenter | Qt::AlignVCenter);
  DrawRichText(p, QRectF(plot.left(), plot.bottom() + 4, plot.width(), 16), "temperature (sketch)", Sans, 11,
               Qt::AlignHCenter | Qt::AlignTop);
  p.save();
  p.translate(14, plot.bottom());
  p.rotate(-90);
  DrawRichText(p, QRectF(0, 0, plot.height(), 16), "pressure", Sans, 11, Qt::AlignHCenter | Qt::AlignTop);
  p.restore();

  auto at = [&](double u, double v) { return QPointF(plot.left() + u * plot.width(), plot.bottom() - v * plot.height()); };
  // The SLV curve rises ever more steeply with temperature.
  auto slvAt = [](double u) { return 0.06 + 0.85 * std::pow(u, 2.4); };
  QPainterPath slv;
  for (int k = 0; k <= 60; ++k) {
    const double u = 0.05 + 0.9 * k / 60;
    if (k == 0) slv.moveTo(at(u, slvAt(u))); else slv.lineTo(at(u, slvAt(u)));
  }
  p.setPen(QPen(QColor(190, 60, 40), 2));
  p.drawPath(slv);
  p.setPen(Qt::black);
  DrawRichText(p, QRectF(at(0.72, 0.9).x(), at(0.72, 0.9).y(), 60, 16), "SLV", Sans, 11, Qt::AlignLeft | Qt::AlignTop);

  const double u = 0.6, slvAtU = slvAt(u);
  const double isoAtU = comparison == 0 ? 0.62 : comparison == 1 ? 0.2 : slvAtU;
  // The isochore: a straight line of gentle slope through its point at T.
  constexpr double slope = 0.35;
  auto iso = [&](double v) { return isoAtU + slope * (v - u); };
  p.save();
  p.setClipRect(plot);
  p.setPen(QPen(QColor(20, 70, 160), 2));
  p.drawLine(at(0.05, iso(0.05)), at(0.95, iso(0.95)));
  p.restore();
  p.setPen(Qt::black);
  DrawRichText(p, QRectF(at(0.06, 0).x(), at(0, iso(0.06)).y() - 20, 70, 16), "isochore", Sans, 11,
               Qt::AlignLeft | Qt::AlignTop);
  p.setPen(QPen(Grey, 1, Qt::DashLine));
  p.drawLine(at(u, 0), at(u, 1));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(20, 70, 160));
  p.drawEllipse(at(u, isoAtU), 4, 4);
  p.setBrush(QColor(190, 60, 40));
  p.drawEllipse(at(u, slvAtU), comparison == 2 ? 2.5 : 4, comparison == 2 ? 2.5 : 4);
  p.setPen(Qt::black);
  DrawRichText(p, QRectF(at(u, 0).x() - 40, plot.bottom() - 16, 80, 14), "<i>T</i> selected", Sans, 10,
               Qt::AlignHCenter | Qt::AlignVCenter);
}
