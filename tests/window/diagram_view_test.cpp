// The diagram painted offscreen: both curves where the mapping puts their samples, the hint alone
// for an empty model, and the widget's focus and paint settings.
#include "app/window/diagram_view.h"

#include <gtest/gtest.h>

#include <QFontMetricsF>
#include <QImage>
#include <algorithm>
#include <cstdlib>
#include <string>

#include "app/calc_record.h"
#include "calc/section_slopes.h"

namespace {

const QSize kBand(672, 280);

// The example transition by 10 m: right turn, first curve, K1 100, K2 160, I1 2, I2 6.
CalcRecord Example() {
  CalcRecord record;
  record.TurnDirection = 1;
  record.CurvePosition = 1;
  record.K1 = 100;
  record.K2 = 160;
  record.I1 = 2;
  record.I2 = 6;
  record.L = 60;
  record.DL = 10;
  record.SectionCount = 6;
  record.ComputedSections = 7;
  record.Stations.assign(8, 100);
  record.LeftSlopes.assign(8, 0);
  record.RightSlopes.assign(8, 0);
  for (int i = 1; i <= 7; ++i) {
    record.Stations[i] = 100 + 10 * (i - 1);
    const SectionSlopes s = ComputeSectionSlopes(1, 1, 100, 60, 2, 6, record.Stations[i]);
    record.LeftSlopes[i] = s.left;
    record.RightSlopes[i] = s.right;
  }
  return record;
}

bool Near(QColor a, QColor b, int tolerance) {
  return std::abs(a.red() - b.red()) <= tolerance && std::abs(a.green() - b.green()) <= tolerance &&
         std::abs(a.blue() - b.blue()) <= tolerance;
}

// Whether a pixel of `colour` lies within `radius` device pixels of the logical point.
bool ColourNear(const QImage& image, QPointF logical, QColor colour, int radius = 2) {
  const qreal scale = image.devicePixelRatio();
  const int cx = qRound(logical.x() * scale);
  const int cy = qRound(logical.y() * scale);
  for (int y = cy - radius; y <= cy + radius; ++y) {
    for (int x = cx - radius; x <= cx + radius; ++x) {
      if (image.rect().contains(x, y) && Near(image.pixelColor(x, y), colour, 24)) {
        return true;
      }
    }
  }
  return false;
}

// The sample of an edge nearest to a station.
DiagramSample SampleAt(const DiagramEdge& edge, double station) {
  return *std::min_element(edge.samples.begin(), edge.samples.end(),
                           [&](const DiagramSample& a, const DiagramSample& b) {
                             return std::abs(a.station - station) < std::abs(b.station - station);
                           });
}

// The bounding box, in device pixels, of every pixel that is not the background.
QRect Drawn(const QImage& image) {
  QRect box;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (!Near(image.pixelColor(x, y), DiagramBackground(), 0)) {
        box |= QRect(x, y, 1, 1);
      }
    }
  }
  return box;
}

struct CurvePoint {
  double station;
  bool left;
};

class DiagramPixels : public testing::TestWithParam<CurvePoint> {};

TEST_P(DiagramPixels, EachCurveInItsColourWhereTheMappingPutsItsSamples) {
  const CurvePoint& c = GetParam();
  const DiagramModel model = BuildDiagram(Example(), 0);
  const QImage image = RenderDiagramImage(model, kBand, 2);
  ASSERT_EQ(kBand * 2, image.size());
  const DiagramMapping map(QRectF(QPointF(0, 0), QSizeF(kBand)), model);
  const DiagramEdge& edge = c.left ? model.left : model.right;
  const DiagramSample sample = SampleAt(edge, c.station);
  ASSERT_NEAR(c.station, sample.station, 0.5);
  const QPointF at = map.Map(sample.station, sample.slope);
  ASSERT_TRUE(map.plot().contains(at));
  const QColor own = c.left ? DiagramLeftColour() : DiagramRightColour();
  const QColor other = c.left ? DiagramRightColour() : DiagramLeftColour();
  EXPECT_TRUE(ColourNear(image, at, own)) << "no curve at " << at.x() << ", " << at.y();
  EXPECT_FALSE(ColourNear(image, at, other));
  // 12 logical pixels above and below, clear of either curve.
  EXPECT_FALSE(ColourNear(image, at + QPointF(0, 12), own));
  EXPECT_FALSE(ColourNear(image, at - QPointF(0, 12), own));
}

// Where the curves lie apart and away from the section marks and texts.
INSTANTIATE_TEST_SUITE_P(Stations, DiagramPixels,
                         testing::Values(CurvePoint{125, true}, CurvePoint{125, false},
                                         CurvePoint{145, true}, CurvePoint{145, false},
                                         CurvePoint{155, true}, CurvePoint{135, false}),
                         [](const auto& info) {
                           return std::string(info.param.left ? "Left" : "Right") +
                                  std::to_string(static_cast<int>(info.param.station));
                         });

TEST(DiagramView, MappingSpansThePlotWithTheModelsRanges) {
  const DiagramModel model = BuildDiagram(Example(), 0);
  const DiagramMapping map(QRectF(16, 8, 672, 280), model);
  const QRectF& plot = map.plot();
  EXPECT_TRUE(QRectF(16, 8, 672, 280).contains(plot));
  EXPECT_GT(plot.width(), 500);
  EXPECT_GT(plot.height(), 180);
  EXPECT_DOUBLE_EQ(plot.left(), map.X(model.station_min));
  EXPECT_DOUBLE_EQ(plot.right(), map.X(model.station_max));
  EXPECT_GT(map.Y(model.slope_max), plot.top());
  EXPECT_LT(map.Y(model.slope_min), plot.bottom());
  EXPECT_NEAR(plot.center().y(), map.Y((model.slope_min + model.slope_max) / 2), 1e-9);
}

TEST(DiagramView, EmptyModelShowsTheHintCentredAndNothingElse) {
  const DiagramModel model = BuildDiagram(CalcRecord(), 0);
  const QImage image = RenderDiagramImage(model, kBand, 2);
  const QRect drawn = Drawn(image);
  ASSERT_FALSE(drawn.isEmpty());
  const QFontMetricsF metrics(DiagramFont(), &image);
  const double width = metrics.horizontalAdvance(QString::fromStdString(model.hint)) * 2;
  EXPECT_NEAR(width, drawn.width(), width * 0.1);
  EXPECT_LT(drawn.height(), metrics.height() * 2 + 2);
  EXPECT_NEAR(image.width() / 2.0, drawn.center().x(), 4);
  EXPECT_NEAR(image.height() / 2.0, drawn.center().y(), 4);
  for (const QColor colour : {DiagramLeftColour(), DiagramRightColour()}) {
    EXPECT_FALSE(ColourNear(image, QPointF(kBand.width() / 2.0, kBand.height() / 2.0), colour,
                            image.width() / 2));
  }
}

TEST(DiagramView, ShownSectionAndBandAreDrawn) {
  // The shown line is grey; without it the same place is the background or the grid.
  const CalcRecord record = Example();
  const DiagramModel shown = BuildDiagram(record, 3);
  const DiagramModel none = BuildDiagram(record, 0);
  const DiagramMapping map(QRectF(QPointF(0, 0), QSizeF(kBand)), shown);
  // Between the curves' labels, above the left curve at K0+120.
  const QPointF on_line = map.Map(120, 5);
  const QImage with_line = RenderDiagramImage(shown, kBand, 2);
  const QImage without = RenderDiagramImage(none, kBand, 2);
  EXPECT_TRUE(ColourNear(with_line, on_line, QColor(70, 70, 70), 1));
  EXPECT_FALSE(ColourNear(without, on_line, QColor(70, 70, 70), 1));
}

TEST(DiagramView, WidgetTakesNoFocusPaintsItselfAndShowsItsModel) {
  DiagramView view;
  EXPECT_EQ(Qt::NoFocus, view.focusPolicy());
  EXPECT_TRUE(view.testAttribute(Qt::WA_OpaquePaintEvent));
  view.resize(kBand);
  const QImage empty = view.grab().toImage();
  EXPECT_EQ(DiagramBackground(), empty.pixelColor(5, 5));

  view.setModel(BuildDiagram(Example(), 0));
  const DiagramModel& model = view.model();
  EXPECT_FALSE(model.empty);
  const QImage image = view.grab().toImage();
  const DiagramMapping map(QRectF(view.rect()), model);
  const DiagramSample left = SampleAt(model.left, 125);
  const DiagramSample right = SampleAt(model.right, 125);
  EXPECT_TRUE(ColourNear(image, map.Map(left.station, left.slope), DiagramLeftColour()));
  EXPECT_TRUE(ColourNear(image, map.Map(right.station, right.slope), DiagramRightColour()));
}

}  // namespace
