#include "ui/display/see_form.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <chrono>
#include <cstdlib>

#include "model/sweep.h"
#include "ui/app/failure_report.h"
#include "ui_display.h"

namespace zelmora {
namespace {

// The window's outer top-left corner on the screen; the settings window stands beside it.
constexpr QPoint kScreenPosition{-1, 1};

// About 30 updates a second while a sweep draws.
constexpr std::chrono::milliseconds kRefreshInterval{33};

QRgb PixelOf(Rgb colour) {
  return qRgb(colour.red, colour.green, colour.blue);
}

// Wide enough for the products of the line's coordinate differences, which need 64 bits each.
__extension__ using WideInt = __int128;

// The half-open pixel range that a fill from edge a (included) to edge b (excluded) covers,
// whichever way they lie, as [first, last).
std::pair<int64_t, int64_t> FillRange(int64_t a, int64_t b) {
  return a <= b ? std::pair{a, b} : std::pair{b + 1, a + 1};
}

}  // namespace

TSeeForm::TSeeForm(SimParams& params, RandomGenerator& random, SweepHost& host)
    : ui_(std::make_unique<Ui::TSeeForm>()), params_(params), random_(random), host_(host) {
  ui_->setupUi(this);
  move(kScreenPosition);
  image_ = QImage(size(), QImage::Format_RGB32);
  image_.fill(palette().color(QPalette::Window));
  // What a sweep draws reaches the screen in one update per refresh interval, however many
  // legs it draws meanwhile: painting at every delivery of events would cost the sweep more
  // than its drawing does.
  refresh_.setSingleShot(true);
  refresh_.setInterval(kRefreshInterval);
  connect(&refresh_, &QTimer::timeout, this, [this] {
    update(undrawn_);
    undrawn_ = QRect();
  });
}

TSeeForm::~TSeeForm() = default;

void TSeeForm::FormActivate() {
  SweepEnvironment sweep{.params = params_,
                         .host = host_,
                         .canvas = *this,
                         .random = random_,
                         .seed = std::nullopt};  // the generator seeded from the clock
  RunSweep(sweep);
}

void TSeeForm::SetPenColour(Rgb colour) {
  pen_ = colour;
  pen_pixel_ = PixelOf(colour);
}

void TSeeForm::LineTo(int32_t x, int32_t y) {
  const QPoint from = pen_position_;
  pen_position_ = {x, y};
  const int64_t dx = int64_t{x} - from.x();
  const int64_t dy = int64_t{y} - from.y();
  const int64_t steps = std::max(std::abs(dx), std::abs(dy));
  if (steps == 0) return;
  if (steps == 1) {  // most legs: the start pixel alone, the end point left out
    if (from.x() >= 0 && from.x() < image_.width() && from.y() >= 0 && from.y() < image_.height()) {
      reinterpret_cast<QRgb*>(image_.scanLine(from.y()))[from.x()] = pen_pixel_;
      MarkDrawn(QRect(from, from));
    }
    return;
  }

  // One pixel per step along the major axis, the end point left out; at step i the minor
  // coordinate has moved i × |minor| / steps to the nearest pixel, halves away from the start.
  // Only the steps whose major coordinate lies on the image are visited, so a line far beyond
  // it costs nothing.
  const bool x_major = std::abs(dx) >= std::abs(dy);
  const int64_t major_start = x_major ? from.x() : from.y();
  const int64_t minor_start = x_major ? from.y() : from.x();
  const int64_t major_step = (x_major ? dx : dy) > 0 ? 1 : -1;
  const int64_t minor_step = (x_major ? dy : dx) < 0 ? -1 : 1;
  const int64_t minor_run = std::abs(x_major ? dy : dx);
  const int64_t major_extent = x_major ? image_.width() : image_.height();
  const int64_t minor_extent = x_major ? image_.height() : image_.width();
  const int64_t first =
      std::max<int64_t>(0, major_step > 0 ? -major_start : major_start - major_extent + 1);
  const int64_t last =
      std::min<int64_t>(steps, major_step > 0 ? major_extent - major_start : major_start + 1);
  if (first >= last) return;

  // The rounding as a running remainder: offset = (2 i minor_run + steps) div (2 steps). A line
  // that starts on the image, as nearly every leg does, begins at offset 0 without a division.
  int64_t offset = 0;
  int64_t remainder = steps;
  if (first > 0) {
    const WideInt start_numerator = WideInt{2} * first * minor_run + steps;
    offset = static_cast<int64_t>(start_numerator / (2 * steps));
    remainder = static_cast<int64_t>(start_numerator % (2 * steps));
  }

  uchar* const bits = image_.bits();
  const qsizetype bytes_per_line = image_.bytesPerLine();
  int min_x = image_.width(), min_y = image_.height(), max_x = -1, max_y = -1;
  for (int64_t i = first; i < last; ++i) {
    const int64_t major = major_start + major_step * i;
    const int64_t minor = minor_start + minor_step * offset;
    if (minor >= 0 && minor < minor_extent) {
      const int px = static_cast<int>(x_major ? major : minor);
      const int py = static_cast<int>(x_major ? minor : major);
      reinterpret_cast<QRgb*>(bits + py * bytes_per_line)[px] = pen_pixel_;
      min_x = std::min(min_x, px);
      max_x = std::max(max_x, px);
      min_y = std::min(min_y, py);
      max_y = std::max(max_y, py);
    }
    remainder += 2 * minor_run;
    if (remainder >= 2 * steps) {
      remainder -= 2 * steps;
      ++offset;
    }
  }
  if (max_x >= 0) MarkDrawn(QRect(QPoint(min_x, min_y), QPoint(max_x, max_y)));
}

void TSeeForm::FillRect(int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
  const auto [left, right] = FillRange(x1, x2);
  const auto [top, bottom] = FillRange(y1, y2);
  // Cut to the image while still in 64 bits, where the ranges' ends cannot overflow.
  const int64_t first_column = std::max<int64_t>(left, 0);
  const int64_t end_column = std::min<int64_t>(right, image_.width());
  const int64_t first_row = std::max<int64_t>(top, 0);
  const int64_t end_row = std::min<int64_t>(bottom, image_.height());
  if (first_column >= end_column || first_row >= end_row) return;
  const QRect area(QPoint(static_cast<int>(first_column), static_cast<int>(first_row)),
                   QPoint(static_cast<int>(end_column - 1), static_cast<int>(end_row - 1)));
  const QRgb pixel = PixelOf(brush_);
  for (int row = area.top(); row <= area.bottom(); ++row) {
    QRgb* line = reinterpret_cast<QRgb*>(image_.scanLine(row));
    std::fill(line + area.left(), line + area.right() + 1, pixel);
  }
  MarkDrawn(area);
}

void TSeeForm::MarkDrawn(const QRect& area) {
  if (undrawn_.isEmpty()) {
    undrawn_ = area;
    refresh_.start();
  } else if (!undrawn_.contains(area)) {
    undrawn_ |= area;
  }
}

void TSeeForm::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  painter.drawImage(event->rect(), image_, event->rect());
}

void TSeeForm::resizeEvent(QResizeEvent*) {
  const QSize grown = image_.size().expandedTo(size());
  if (grown == image_.size()) return;
  QImage image(grown, QImage::Format_RGB32);
  image.fill(palette().color(QPalette::Window));
  QPainter(&image).drawImage(0, 0, image_);
  image_ = std::move(image);
}

void TSeeForm::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
    RunGuarded([this] { FormActivate(); });
}

}  // namespace zelmora
