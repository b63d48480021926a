#include "ui/display/see_form.h"

#include <QTest>

#include "common/error_box_catcher.h"
#include "common/scratch_folder.h"
#include "model/arena_drawing.h"
#include "model/fakes.h"
#include "model/sweep.h"

namespace zelmora {
namespace {

using testing::ErrorBoxCatcher;
using testing::FakeHost;
using testing::ScratchFolder;

constexpr Rgb kMaroon{128, 0, 0};
constexpr Rgb kAqua{0, 255, 255};

QRgb PixelOf(Rgb colour) {
  return qRgb(colour.red, colour.green, colour.blue);
}

// A viewer with everything it refers to.
struct Viewer {
  SimParams params;
  RandomGenerator random;
  FakeHost host{params};
  TSeeForm form{params, random, host};

  QRgb At(int x, int y) const { return form.Drawing().pixel(x, y); }
  QRgb Background() const { return form.palette().color(QPalette::Window).rgb(); }
};

// Counts the paint events a widget receives.
struct PaintCounter : QObject {
  explicit PaintCounter(QWidget& widget) { widget.installEventFilter(this); }
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++count;
    return false;
  }
  int count = 0;
};

}  // namespace

class SeeFormTest : public QObject {
  Q_OBJECT

 private slots:
  void theWindow() {
    Viewer viewer;
    const TSeeForm& form = viewer.form;
    QCOMPARE(form.windowTitle(), QStringLiteral("Bycatch Viewer"));
    QCOMPARE(form.size(), QSize(601, 544));
    QCOMPARE(form.pos(), QPoint(-1, 1));
    QVERIFY(!form.windowIcon().isNull());
    QCOMPARE(form.Drawing().size(), QSize(601, 544));
    QCOMPARE(viewer.At(0, 0), viewer.Background());
    QCOMPARE(viewer.At(600, 543), viewer.Background());
  }

  // Lines leave out their end point; the pixels in between follow the nearest-pixel rule.
  void lines_data() {
    QTest::addColumn<QPoint>("from");
    QTest::addColumn<QPoint>("to");
    QTest::addColumn<QList<QPoint>>("drawn");
    QTest::newRow("to the right") << QPoint(10, 10) << QPoint(14, 10)
                                  << QList<QPoint>{{10, 10}, {11, 10}, {12, 10}, {13, 10}};
    QTest::newRow("upwards") << QPoint(5, 8) << QPoint(5, 5)
                             << QList<QPoint>{{5, 8}, {5, 7}, {5, 6}};
    QTest::newRow("diagonal") << QPoint(3, 3) << QPoint(0, 0)
                              << QList<QPoint>{{3, 3}, {2, 2}, {1, 1}};
    QTest::newRow("shallow, halves rounded away from the start")
        << QPoint(0, 0) << QPoint(4, 2) << QList<QPoint>{{0, 0}, {1, 1}, {2, 1}, {3, 2}};
    QTest::newRow("one pixel long draws its start")
        << QPoint(7, 7) << QPoint(8, 7) << QList<QPoint>{{7, 7}};
    QTest::newRow("within one pixel draws nothing")
        << QPoint(7, 7) << QPoint(7, 7) << QList<QPoint>{};
    QTest::newRow("cut off at the left edge")
        << QPoint(-5, 3) << QPoint(2, 3) << QList<QPoint>{{0, 3}, {1, 3}};
    QTest::newRow("cut off at the bottom edge")
        << QPoint(20, 541) << QPoint(20, 600) << QList<QPoint>{{20, 541}, {20, 542}, {20, 543}};
  }
  void lines() {
    QFETCH(QPoint, from);
    QFETCH(QPoint, to);
    QFETCH(QList<QPoint>, drawn);
    Viewer viewer;
    viewer.form.SetPenColour(kMaroon);
    viewer.form.MoveTo(from.x(), from.y());
    viewer.form.LineTo(to.x(), to.y());
    const QImage& image = viewer.form.Drawing();
    int maroon_pixels = 0;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x)
        maroon_pixels += image.pixel(x, y) == PixelOf(kMaroon);
    QCOMPARE(maroon_pixels, drawn.size());
    for (const QPoint& pixel : drawn) QCOMPARE(viewer.At(pixel.x(), pixel.y()), PixelOf(kMaroon));
  }

  // Each line starts where the last one ended, so the legs of a track join up.
  void aLineStartsAtTheEndOfTheLast() {
    Viewer viewer;
    viewer.form.SetPenColour(kAqua);
    viewer.form.MoveTo(10, 10);
    viewer.form.LineTo(12, 10);
    viewer.form.LineTo(12, 12);
    QCOMPARE(viewer.At(11, 10), PixelOf(kAqua));
    QCOMPARE(viewer.At(12, 10), PixelOf(kAqua));
    QCOMPARE(viewer.At(12, 11), PixelOf(kAqua));
    QCOMPARE(viewer.At(12, 12), viewer.Background());
    QCOMPARE(viewer.form.PenColour(), kAqua);
  }

  void aLineFarBeyondTheImageDrawsOnlyWhatLiesOnIt() {
    Viewer viewer;
    viewer.form.SetPenColour(kMaroon);
    viewer.form.MoveTo(-2000000000, 5);
    viewer.form.LineTo(2000000000, 5);
    for (int x : {0, 300, 600}) QCOMPARE(viewer.At(x, 5), PixelOf(kMaroon));
    QCOMPARE(viewer.At(300, 4), viewer.Background());
    QCOMPARE(viewer.At(300, 6), viewer.Background());
  }

  // Fills cover the first corner's column and row, not the second's, whichever way they lie.
  void fills_data() {
    QTest::addColumn<QRect>("corners");  // x1, y1 as the top-left, x2, y2 as the bottom-right
    QTest::addColumn<QRect>("covered");  // inclusive pixels; empty for none
    QTest::newRow("the arena, cut at the bottom")
        << QRect(QPoint(0, 0), QPoint(601, 600)) << QRect(QPoint(0, 0), QPoint(600, 543));
    QTest::newRow("corners reversed")
        << QRect(QPoint(10, 10), QPoint(5, 5)) << QRect(QPoint(6, 6), QPoint(10, 10));
    QTest::newRow("same column fills nothing") << QRect(QPoint(3, 3), QPoint(3, 9)) << QRect();
    QTest::newRow("same row fills nothing") << QRect(QPoint(3, 3), QPoint(9, 3)) << QRect();
    QTest::newRow("same column at the far left fills nothing")
        << QRect(QPoint(INT32_MIN, 0), QPoint(INT32_MIN, 5)) << QRect();
    QTest::newRow("partly off the image")
        << QRect(QPoint(-4, -4), QPoint(2, 2)) << QRect(QPoint(0, 0), QPoint(1, 1));
  }
  void fills() {
    QFETCH(QRect, corners);
    QFETCH(QRect, covered);
    Viewer viewer;
    viewer.form.SetBrushColour(kArenaColour);
    viewer.form.FillRect(corners.left(), corners.top(), corners.right(), corners.bottom());
    const QImage& image = viewer.form.Drawing();
    for (int y = 0; y < 20; ++y) {
      for (int x = 0; x < 20; ++x) {
        const bool inside = covered.contains(x, y);
        QCOMPARE(image.pixel(x, y), inside ? PixelOf(kArenaColour) : viewer.Background());
      }
    }
    if (!covered.isEmpty())
      QCOMPARE(viewer.At(covered.right(), covered.bottom()), PixelOf(kArenaColour));
  }

  // What was drawn is what the window paints, also when it was drawn while hidden.
  void theWindowPaintsItsDrawing() {
    Viewer viewer;
    viewer.form.SetBrushColour(kArenaColour);
    viewer.form.FillRect(0, 0, 601, 600);
    viewer.form.SetPenColour(kMaroon);
    viewer.form.MoveTo(100, 50);
    viewer.form.LineTo(200, 50);
    viewer.form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&viewer.form));
    const QImage shown = viewer.form.grab().toImage();
    QCOMPARE(shown.pixel(150, 50), PixelOf(kMaroon));
    QCOMPARE(shown.pixel(150, 51), PixelOf(kArenaColour));
  }

  // A sweep draws thousands of legs between two deliveries of events; the window paints them
  // once, not once per leg.
  void drawingIsPaintedInOneUpdate() {
    Viewer viewer;
    viewer.form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&viewer.form));
    PaintCounter paints(viewer.form);
    viewer.form.SetPenColour(kMaroon);
    for (int leg = 0; leg < 2000; ++leg) {
      viewer.form.MoveTo(leg % 600, leg / 600);
      viewer.form.LineTo(leg % 600 + 1, leg / 600 + 1);
    }
    QCOMPARE(paints.count, 0);
    QTRY_COMPARE(paints.count, 1);
    QTest::qWait(100);
    QCOMPARE(paints.count, 1);
  }

  void enlargingTheWindowKeepsTheDrawing() {
    Viewer viewer;
    viewer.form.SetPenColour(kMaroon);
    viewer.form.MoveTo(0, 0);
    viewer.form.LineTo(3, 0);
    viewer.form.show();
    viewer.form.resize(700, 650);
    QCOMPARE(viewer.form.Drawing().size(), QSize(700, 650));
    QCOMPARE(viewer.At(2, 0), PixelOf(kMaroon));
    QCOMPARE(viewer.At(650, 600), viewer.Background());
    viewer.form.resize(300, 300);
    QCOMPARE(viewer.form.Drawing().size(), QSize(700, 650));
  }

  void theCloseBoxOnlyHides() {
    Viewer viewer;
    viewer.form.show();
    QVERIFY(viewer.form.close());
    QVERIFY(!viewer.form.isVisible());
    viewer.form.show();
    QVERIFY(viewer.form.isVisible());
  }

  // A click runs a sweep on the params as they stand: with no steps, one that writes the header
  // and finishes.
  void aClickRunsASweep() {
    ScratchFolder folder;
    Viewer viewer;
    viewer.params.Steps = -1;
    viewer.form.show();
    QTest::mouseClick(&viewer.form, Qt::LeftButton, {}, QPoint(300, 300));
    QCOMPARE(folder.LinesOf(kResultsFileName), QStringList{kResultsHeader});
    QCOMPARE(viewer.host.run_labels.back(), " Finished ");
  }

  // Before any field is set every parameter is zero: the sweep fails at its first soak step,
  // and the failure is shown, not raised through the window's event handling.
  void aFailingSweepStartedByAClickIsReported() {
    ScratchFolder folder;
    ErrorBoxCatcher catcher;
    Viewer viewer;
    viewer.form.show();
    QTest::mouseClick(&viewer.form, Qt::LeftButton, {}, QPoint(300, 300));
    QCOMPARE(catcher.boxes.size(), 1u);
    QCOMPARE(catcher.boxes.front().text, QStringLiteral("Invalid floating point operation."));
    QCOMPARE(folder.LinesOf(kResultsFileName), QStringList{kResultsHeader});
    QCOMPARE(viewer.host.viewer, "hidden");
  }

  void onlyTheLeftButtonClicks() {
    ScratchFolder folder;
    Viewer viewer;
    viewer.form.show();
    QTest::mouseClick(&viewer.form, Qt::RightButton, {}, QPoint(300, 300));
    QVERIFY(!folder.Holds(kResultsFileName));
  }
};

}  // namespace zelmora

QTEST_MAIN(zelmora::SeeFormTest)
#include "see_form_test.moc"
