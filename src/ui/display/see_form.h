// The track viewer: the window on which a running sweep draws the arena, the net and every
// track, and whose click starts a sweep on the parameters as they stand.
#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QTimer>
#include <QWidget>
#include <cstdint>
#include <memory>

#include "model/canvas.h"
#include "model/sim_params.h"
#include "model/sweep_host.h"
#include "support/random.h"

namespace Ui {
class TSeeForm;
}

namespace zelmora {

// The canvas is a backing image of the client area, painted in the paint event: a widget can
// draw only there, and the image keeps what was drawn when the window is covered or hidden.
// Drawing never paints at once; it schedules one update of what changed, which a delivery of
// events carries out a refresh interval later.
class TSeeForm final : public QWidget, public Canvas {
  Q_OBJECT

 public:
  // The window keeps references to params, random and host, which must outlive it. It is
  // created hidden; its image starts in the window's background colour.
  TSeeForm(SimParams& params, RandomGenerator& random, SweepHost& host);
  ~TSeeForm() override;

  // The click handler: a sweep on params exactly as they stand, drawing here. Returns when the
  // sweep has ended; its failures propagate.
  void FormActivate();

  // What has been drawn, one pixel per client-area pixel from the top-left corner. It is at
  // least as large as the client area has ever been.
  const QImage& Drawing() const { return image_; }

  // Canvas. Lines leave out their end point, as fills leave out their far column and row, so
  // that the legs of a track meet without overlapping and a leg within one pixel draws nothing.
  void SetPenColour(Rgb colour) override;
  Rgb PenColour() const override { return pen_; }
  void SetBrushColour(Rgb colour) override { brush_ = colour; }
  void MoveTo(int32_t x, int32_t y) override { pen_position_ = {x, y}; }
  void LineTo(int32_t x, int32_t y) override;
  void FillRect(int32_t x1, int32_t y1, int32_t x2, int32_t y2) override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  // A click of the left button runs FormActivate, its failures shown in the error box.
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  // Schedules an update of area, joined with everything drawn since the last update.
  void MarkDrawn(const QRect& area);

  std::unique_ptr<Ui::TSeeForm> ui_;
  SimParams& params_;
  RandomGenerator& random_;
  SweepHost& host_;
  QImage image_;
  Rgb pen_;
  QRgb pen_pixel_ = qRgb(0, 0, 0);
  Rgb brush_{255, 255, 255};
  QPoint pen_position_;
  QRect undrawn_;   // drawn on the image since the last update, not yet on the screen
  QTimer refresh_;  // runs from the first drawing after an update to the next update
};

}  // namespace zelmora
