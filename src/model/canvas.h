// The surface the track viewer's drawing rules draw on: the viewer window implements it on a
// backing image, tests record the calls, the command line draws on nothing.
#pragma once

#include <cstdint>

namespace zelmora {

struct Rgb {
  uint8_t red = 0;
  uint8_t green = 0;
  uint8_t blue = 0;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

// Pixel coordinates of the view, origin at the top-left corner, y downwards. The canvas keeps
// its pen colour, brush colour and pen position from one call to the next; the pen is one
// pixel wide and solid. Drawing beyond the surface is cut off.
class Canvas {
 public:
  virtual ~Canvas() = default;
  virtual void SetPenColour(Rgb colour) = 0;
  virtual Rgb PenColour() const = 0;
  virtual void SetBrushColour(Rgb colour) = 0;
  virtual void MoveTo(int32_t x, int32_t y) = 0;
  // A line from the pen position to (x, y), which becomes the pen position.
  virtual void LineTo(int32_t x, int32_t y) = 0;
  // Fills with the brush the pixels from corner (x1, y1) included to corner (x2, y2) excluded,
  // whichever way the corners lie: the second corner's column and row are left out, so equal
  // columns or equal rows fill nothing.
  virtual void FillRect(int32_t x1, int32_t y1, int32_t x2, int32_t y2) = 0;
};

// A canvas that draws nothing, for running without a viewer.
class NullCanvas final : public Canvas {
 public:
  void SetPenColour(Rgb colour) override { pen_ = colour; }
  Rgb PenColour() const override { return pen_; }
  void SetBrushColour(Rgb) override {}
  void MoveTo(int32_t, int32_t) override {}
  void LineTo(int32_t, int32_t) override {}
  void FillRect(int32_t, int32_t, int32_t, int32_t) override {}

 private:
  Rgb pen_;
};

}  // namespace zelmora
