// The cross-slope diagram drawn with QPainter: on the window, into images, on any paint device.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPointF>
#include <QRectF>
#include <QSize>
#include <QWidget>

#include "output/diagram_model.h"

// The diagram's colours and its one font (9 pt).
QColor DiagramBackground();
QColor DiagramLeftColour();
QColor DiagramRightColour();
QFont DiagramFont();

// Where the plot lies within an area, and where a station and slope of the model land in it.
class DiagramMapping {
 public:
  DiagramMapping(const QRectF& area, const DiagramModel& model);

  const QRectF& plot() const { return plot_; }
  // The point of (station, slope) in the area's coordinates: the station range spans the plot's
  // width, the slope range its height less a small inset at top and bottom.
  QPointF Map(double station, double slope) const;
  double X(double station) const;
  double Y(double slope) const;

 private:
  QRectF plot_;
  double station_min_;
  double station_scale_;  // pixels per metre
  double slope_max_;
  double slope_scale_;  // pixels per percent
};

// Draws the model into `area`: the hint alone for an empty model, otherwise the whole diagram.
void PaintDiagram(QPainter& painter, const QRectF& area, const DiagramModel& model);

// The model drawn on an image of logical_size × scale pixels (for PNG export at 2×).
QImage RenderDiagramImage(const DiagramModel& model, QSize logical_size, qreal scale);

// The diagram band of the window: shows its model, takes no focus.
class DiagramView : public QWidget {
  Q_OBJECT

 public:
  explicit DiagramView(QWidget* parent = nullptr);

  // Shows `model` from the next paint on.
  void setModel(DiagramModel model);
  const DiagramModel& model() const { return model_; }

  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  DiagramModel model_;
};
