// Draws the diagram model: axes, the two edge curves, sections, zeros, the steepest-rate line.
#include "app/window/diagram_view.h"

#include <QFontMetricsF>
#include <QPaintEvent>
#include <QPen>
#include <QPolygonF>
#include <QString>
#include <algorithm>
#include <tuple>
#include <utility>

namespace {

// Room around the plot for the labels, in logical pixels: slope labels and the turned title on
// the left, the steepest-rate line and the legend on top, station labels and title below.
constexpr double kLeftMargin = 58;
constexpr double kTopMargin = 24;
constexpr double kRightMargin = 14;
constexpr double kBottomMargin = 36;
// The slope range ends this far inside the frame, so curves at the limits stay clear of it.
constexpr double kSlopeInset = 8;
constexpr double kMarkRadius = 2.6;
constexpr double kCurveWidth = 1.8;
constexpr double kLegendSwatch = 18;

const QColor kFrame(150, 120, 60);
const QColor kGrid(232, 226, 160);
const QColor kZeroLine(110, 90, 50);
const QColor kText(40, 40, 40);
const QColor kHintText(110, 110, 110);
const QColor kDashed(120, 120, 120);
const QColor kShownLine(70, 70, 70);
const QColor kBand(110, 110, 110, 90);

QString Text(const std::string& text) {
  return QString::fromStdString(text);
}

enum Anchor { Left = 1, Right = 2, HCentre = 4, Top = 8, Bottom = 16, VCentre = 32 };

// Draws `text` with the given point of its box at (x, y).
void DrawText(QPainter& painter, double x, double y, int anchor, const QString& text) {
  const QFontMetricsF metrics(painter.font(), painter.device());
  const double width = metrics.horizontalAdvance(text);
  const double height = metrics.height();
  const double left = anchor & Left ? x : anchor & Right ? x - width : x - width / 2;
  const double top = anchor & Top ? y : anchor & Bottom ? y - height : y - height / 2;
  painter.drawText(QRectF(left, top, width + 1, height), Qt::AlignLeft | Qt::AlignVCenter, text);
}

double TextWidth(const QPainter& painter, const QString& text) {
  return QFontMetricsF(painter.font(), painter.device()).horizontalAdvance(text);
}

void PaintHint(QPainter& painter, const QRectF& area, const DiagramModel& model) {
  painter.setPen(kHintText);
  painter.drawText(area, Qt::AlignCenter, Text(model.hint));
}

void PaintGridAndAxes(QPainter& painter, const DiagramMapping& map, const DiagramModel& model) {
  const QRectF& plot = map.plot();
  painter.setPen(QPen(kGrid, 1));
  for (const DiagramTick& tick : model.station_ticks) {
    painter.drawLine(QPointF(map.X(tick.value), plot.top()),
                     QPointF(map.X(tick.value), plot.bottom()));
  }
  for (const DiagramTick& tick : model.slope_ticks) {
    painter.drawLine(QPointF(plot.left(), map.Y(tick.value)),
                     QPointF(plot.right(), map.Y(tick.value)));
  }
  painter.setPen(QPen(kZeroLine, 1));
  painter.drawLine(map.Map(model.station_min, 0), map.Map(model.station_max, 0));

  painter.setPen(QPen(kFrame, 1));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(plot);
  painter.setPen(kText);
  for (const DiagramTick& tick : model.station_ticks) {
    const double x = map.X(tick.value);
    painter.setPen(QPen(kFrame, 1));
    painter.drawLine(QPointF(x, plot.bottom()), QPointF(x, plot.bottom() + 3));
    painter.setPen(kText);
    DrawText(painter, x, plot.bottom() + 3, HCentre | Top, Text(tick.label));
  }
  for (const DiagramTick& tick : model.slope_ticks) {
    const double y = map.Y(tick.value);
    painter.setPen(QPen(kFrame, 1));
    painter.drawLine(QPointF(plot.left() - 3, y), QPointF(plot.left(), y));
    painter.setPen(kText);
    DrawText(painter, plot.left() - 5, y, Right | VCentre, Text(tick.label));
  }
  DrawText(painter, plot.center().x(), plot.bottom() + 18, HCentre | Top,
           Text(model.station_title));
  painter.save();
  painter.translate(plot.left() - 44, plot.center().y());
  painter.rotate(-90);
  DrawText(painter, 0, 0, HCentre | VCentre, Text(model.slope_title));
  painter.restore();
}

void PaintTransitionEnds(QPainter& painter, const DiagramMapping& map, const DiagramModel& model) {
  const QRectF& plot = map.plot();
  QPen dashed(kDashed, 1, Qt::DashLine);
  for (const auto& [station, label] :
       {std::pair{model.k1, &model.k1_label}, std::pair{model.k2, &model.k2_label}}) {
    const double x = map.X(station);
    painter.setPen(dashed);
    painter.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
    painter.setPen(kText);
    DrawText(painter, x + 3, plot.top() + 1, Left | Top, Text(*label));
  }
}

void PaintCurve(QPainter& painter, const DiagramMapping& map, const DiagramEdge& edge,
                const QColor& colour) {
  QPolygonF line;
  line.reserve(static_cast<qsizetype>(edge.samples.size()));
  for (const DiagramSample& sample : edge.samples) {
    line.append(map.Map(sample.station, sample.slope));
  }
  painter.setPen(QPen(colour, kCurveWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter.setBrush(Qt::NoBrush);
  painter.drawPolyline(line);
}

void PaintSections(QPainter& painter, const DiagramMapping& map, const DiagramModel& model) {
  if (model.band) {
    const QRectF& plot = map.plot();
    const double from = map.X(std::min(model.band->from, model.band->to));
    const double to = map.X(std::max(model.band->from, model.band->to));
    painter.setPen(Qt::NoPen);
    painter.setBrush(kBand);
    painter.drawRect(QRectF(from, plot.bottom() - 7, std::max(1.0, to - from), 6));
  }
  painter.setPen(QPen(Qt::white, 0.8));
  for (const auto& [colour, left] :
       {std::pair{DiagramLeftColour(), true}, std::pair{DiagramRightColour(), false}}) {
    painter.setBrush(colour);
    for (const DiagramSectionMark& mark : model.marks) {
      painter.drawEllipse(map.Map(mark.station, left ? mark.left : mark.right), kMarkRadius,
                          kMarkRadius);
    }
  }
}

void PaintZeros(QPainter& painter, const DiagramMapping& map, const DiagramModel& model) {
  const QRectF& plot = map.plot();
  for (const auto& [edge, colour, above] :
       {std::tuple{&model.left, DiagramLeftColour(), true},
        std::tuple{&model.right, DiagramRightColour(), false}}) {
    for (const DiagramZero& zero : edge->zeros) {
      const QPointF at = map.Map(zero.station, 0);
      painter.setPen(QPen(colour, 1.2));
      painter.setBrush(DiagramBackground());
      painter.drawPolygon(QPolygonF(
          {at + QPointF(0, -4), at + QPointF(4, 0), at + QPointF(0, 4), at + QPointF(-4, 0)}));
      const QString label = Text(zero.label);
      const double half = TextWidth(painter, label) / 2;
      const double x = std::clamp(at.x(), plot.left() + half + 2, plot.right() - half - 2);
      painter.setPen(colour);
      DrawText(painter, x, above ? at.y() - 5 : at.y() + 5, HCentre | (above ? Bottom : Top),
               label);
    }
  }
}

void PaintShownSection(QPainter& painter, const DiagramMapping& map, const DiagramModel& model) {
  if (!model.shown) {
    return;
  }
  const DiagramShownSection& shown = *model.shown;
  const QRectF& plot = map.plot();
  const double x = map.X(shown.station);
  painter.setPen(QPen(kShownLine, 1.2));
  painter.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
  // The texts go on the side with more room, kept apart when the two points are close.
  const bool on_right = x < plot.center().x();
  const double tx = on_right ? x + 6 : x - 6;
  const int side = on_right ? Left : Right;
  double y_left = map.Y(shown.left);
  double y_right = map.Y(shown.right);
  const double gap = QFontMetricsF(painter.font(), painter.device()).height();
  if (std::abs(y_left - y_right) < gap) {
    const double middle = (y_left + y_right) / 2;
    const double upper = middle - gap / 2;
    const double lower = middle + gap / 2;
    y_left = shown.left >= shown.right ? upper : lower;
    y_right = shown.left >= shown.right ? lower : upper;
  }
  painter.setPen(DiagramLeftColour());
  DrawText(painter, tx, y_left, side | VCentre, Text(shown.left_text));
  painter.setPen(DiagramRightColour());
  DrawText(painter, tx, y_right, side | VCentre, Text(shown.right_text));
  painter.setPen(kShownLine);
  DrawText(painter, tx, plot.bottom() - 9, side | Bottom, Text(shown.station_text));
}

void PaintHeader(QPainter& painter, const DiagramMapping& map, const DiagramModel& model) {
  const QRectF& plot = map.plot();
  const double y = plot.top() - kTopMargin / 2;
  painter.setPen(kText);
  DrawText(painter, plot.left(), y, Left | VCentre, Text(model.steepest_text));
  double x = plot.right();
  for (const auto& [edge, colour] : {std::pair{&model.right, DiagramRightColour()},
                                     std::pair{&model.left, DiagramLeftColour()}}) {
    const QString legend = Text(edge->legend);
    painter.setPen(kText);
    DrawText(painter, x, y, Right | VCentre, legend);
    x -= TextWidth(painter, legend) + 4;
    painter.setPen(QPen(colour, kCurveWidth, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(x - kLegendSwatch, y), QPointF(x, y));
    x -= kLegendSwatch + 14;
  }
}

}  // namespace

QColor DiagramBackground() {
  return QColor(255, 255, 192);
}

QColor DiagramLeftColour() {
  return QColor(0, 80, 200);
}

QColor DiagramRightColour() {
  return QColor(210, 40, 30);
}

QFont DiagramFont() {
  QFont font(QStringLiteral("Noto Sans CJK SC"));
  font.setPointSizeF(9);
  return font;
}

DiagramMapping::DiagramMapping(const QRectF& area, const DiagramModel& model)
    : plot_(area.adjusted(kLeftMargin, kTopMargin, -kRightMargin, -kBottomMargin)),
      station_min_(model.station_min),
      station_scale_(model.station_max > model.station_min
                         ? plot_.width() / (model.station_max - model.station_min)
                         : 0),
      slope_max_(model.slope_max),
      slope_scale_(model.slope_max > model.slope_min
                       ? (plot_.height() - 2 * kSlopeInset) / (model.slope_max - model.slope_min)
                       : 0) {}

double DiagramMapping::X(double station) const {
  return plot_.left() + (station - station_min_) * station_scale_;
}

double DiagramMapping::Y(double slope) const {
  return plot_.top() + kSlopeInset + (slope_max_ - slope) * slope_scale_;
}

QPointF DiagramMapping::Map(double station, double slope) const {
  return QPointF(X(station), Y(slope));
}

void PaintDiagram(QPainter& painter, const QRectF& area, const DiagramModel& model) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  painter.setFont(DiagramFont());
  painter.fillRect(area, DiagramBackground());
  if (model.empty) {
    PaintHint(painter, area, model);
    painter.restore();
    return;
  }
  const DiagramMapping map(area, model);
  PaintGridAndAxes(painter, map, model);
  PaintTransitionEnds(painter, map, model);
  painter.save();
  painter.setClipRect(map.plot().adjusted(-1, -1, 1, 1));
  PaintCurve(painter, map, model.left, DiagramLeftColour());
  PaintCurve(painter, map, model.right, DiagramRightColour());
  PaintSections(painter, map, model);
  painter.restore();
  PaintZeros(painter, map, model);
  PaintShownSection(painter, map, model);
  PaintHeader(painter, map, model);
  painter.restore();
}

QImage RenderDiagramImage(const DiagramModel& model, QSize logical_size, qreal scale) {
  QImage image(logical_size * scale, QImage::Format_ARGB32_Premultiplied);
  image.setDevicePixelRatio(scale);
  // 96 dots per inch, as on a desktop at 100 %: 9 pt texts are 12 logical pixels whatever the
  // screen of the machine that exports.
  image.setDotsPerMeterX(3780);
  image.setDotsPerMeterY(3780);
  QPainter painter(&image);
  PaintDiagram(painter, QRectF(QPointF(0, 0), QSizeF(logical_size)), model);
  return image;
}

DiagramView::DiagramView(QWidget* parent) : QWidget(parent) {
  setFocusPolicy(Qt::NoFocus);
  // The paint fills every pixel itself: no erase first, so no flash between two pictures.
  setAttribute(Qt::WA_OpaquePaintEvent);
  setAutoFillBackground(false);
}

void DiagramView::setModel(DiagramModel model) {
  model_ = std::move(model);
  update();
}

QSize DiagramView::sizeHint() const {
  return QSize(672, 280);
}

void DiagramView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  PaintDiagram(painter, QRectF(rect()), model_);
}
