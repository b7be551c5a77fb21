#include "figures.h"

#include "drawing.h"
#include "library_parameters.h"

namespace {
constexpr double CelsiusOffset = 273.15;
}

void PaintSodiumChlorideFigure(QPainter& p) {
  Chart chart;
  chart.xMin = 200, chart.xMax = 1000, chart.xStep = 100;
  chart.yMin = 0, chart.yMax = 24, chart.yStep = 4;
  chart.title = "<i>a</i>(NaCl) of the perturbation term";
  chart.xTitle = "temperature (˚C)";
  chart.yTitle = "<i>a</i>(NaCl) (10<sup>6</sup> bar·cm<sup>6</sup>·mol<sup>−2</sup>)";
  chart.curves.push_back({[](double celsius) { return SodiumChlorideA(celsius + CelsiusOffset) / 1e6; },
                          QColor(20, 70, 160), Qt::SolidLine, "this software", {}});
  chart.curves.push_back({[](double celsius) { return SodiumChlorideAWithoutLowTemperatureTerm(celsius + CelsiusOffset) / 1e6; },
                          QColor(190, 60, 40), Qt::DashLine, "without the 0.7501 term", {}});
  DrawChart(p, QRectF(0, 0, 400, 356), chart);
}

void PaintWaterMethaneFigure(QPainter& p) {
  Chart chart;
  chart.xMin = 200, chart.xMax = 1000, chart.xStep = 200;
  chart.yMin = 0, chart.yMax = 8, chart.yStep = 2;
  chart.title = "<i>a</i>(H<sub>2</sub>O) and <i>a</i>(CH<sub>4</sub>)";
  chart.xTitle = "temperature (˚C)";
  chart.yTitle = "<i>a</i> (10<sup>6</sup> bar·cm<sup>6</sup>·mol<sup>−2</sup>)";
  chart.curves.push_back({[](double celsius) { return WaterA(celsius + CelsiusOffset) / 1e6; },
                          QColor(20, 70, 160), Qt::SolidLine, "H<sub>2</sub>O", {}});
  chart.curves.push_back({[](double celsius) { return MethaneA(celsius + CelsiusOffset) / 1e6; },
                          QColor(40, 140, 60), Qt::DashLine, "CH<sub>4</sub>", {}});
  // The top band stays empty: the label of the comment above shows through.
  DrawChart(p, QRectF(0, 22, 300, 248), chart);
}
