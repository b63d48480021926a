#include "ui/app/program.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <functional>
#include <memory>
#include <vector>

#include "common/error_box_catcher.h"
#include "common/scratch_folder.h"
#include "model/arena_drawing.h"
#include "model/run_preparation.h"
#include "model/sweep.h"
#include "support/number_text.h"
#include "ui/app/application_title.h"

namespace zelmora {
namespace {

using testing::ErrorBoxCatcher;
using testing::ScratchFolder;

// Runs action in the n-th delivery of events from now (n >= 1). Qt leaves an event posted while
// events are delivered to the next delivery, so each link of the chain waits for one; a sweep
// delivers events after every trial. The chain ends when context is destroyed.
void AtDelivery(QObject& context, int n, std::function<void()> action) {
  QMetaObject::invokeMethod(
      &context,
      [&context, n, action = std::move(action)] {
        if (n == 1) {
          action();
        } else {
          AtDelivery(context, n - 1, action);
        }
      },
      Qt::QueuedConnection);
}

// The captions of the windows in the order they were shown.
class WindowsShown : public QObject {
 public:
  WindowsShown() { QCoreApplication::instance()->installEventFilter(this); }
  QStringList captions;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    auto* widget = qobject_cast<QWidget*>(watched);
    if (event->type() == QEvent::Show && widget != nullptr && widget->isWindow())
      captions << widget->windowTitle();
    return false;
  }
};

bool AllZero(const SimParams& p) {
  return p.Travel == 0 && p.Speed == 0 && p.Density == 0 && p.Length == 0 && p.TurnInt == 0 &&
         p.TurnRange == 0 && p.Compass == 0 && p.Steps == 0 && p.Risk == 0 && p.Safe == 0 &&
         p.NofTrials == 0 && p.SoakMins == 0;
}

// One column of the result lines of a results file's lines (the header left out).
QStringList Column(const QStringList& lines, int column) {
  QStringList values;
  for (qsizetype i = 1; i < lines.size(); ++i) values << lines[i].split(',').value(column);
  return values;
}
constexpr int kTurnRangeColumn = 3;
constexpr int kSoakMinsColumn = 6;
constexpr int kDensityColumn = 7;
constexpr int kSpeedColumn = 8;

// What the run's displays showed at one moment.
struct Displays {
  QString catch_text;
  bool file_label_shown = false;
  QString run_label;
  int32_t stop_requested = -1;
};

}  // namespace

class ProgramTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<Program> program_;
  std::unique_ptr<ScratchFolder> folder_;
  bool delivered_after_sweep_ = false;

  TSettingsform& Form() { return program_->Settingsform; }
  template <class Control>
  Control& Get(const char* name) {
    auto* control = Form().findChild<Control*>(QString::fromLatin1(name));
    if (control == nullptr) qFatal("no control %s", name);
    return *control;
  }
  // Near the left edge, where a radio item or a check box has its mark.
  void Click(const char* button) {
    QAbstractButton& control = Get<QAbstractButton>(button);
    QTest::mouseClick(&control, Qt::LeftButton, {}, QPoint(5, control.height() / 2));
  }
  void ClickViewer() {
    QTest::mouseClick(&program_->SeeForm, Qt::LeftButton, {}, QPoint(300, 300));
  }
  void Type(const char* field, const QString& text) {
    QLineEdit& edit = Get<QLineEdit>(field);
    edit.setFocus();
    edit.selectAll();
    QTest::keyClicks(&edit, text);
  }
  Displays DisplaysNow() {
    return {Get<QLineEdit>("CatchEdit").text(), !Get<QLabel>("FileLabel").isHidden(),
            Get<QLabel>("RunLabel").text(), Form().StopRequested()};
  }
  QStringList Results() const { return folder_->LinesOf(kResultsFileName); }
  bool Finished() {
    return Get<QLabel>("RunLabel").text() == " Finished " && !Get<QLabel>("FileLabel").isHidden();
  }

  // A short sweep: 2 × 2 combinations of 3 trials each, 12 trials in all, on a soak of one hour
  // (60 and 120 minutes) and turn percentages from 10 (10 and 15).
  void UseShortSweep(bool tracks) {
    Get<QLineEdit>("SoakHrsEdit").setText("1");
    Get<QLineEdit>("StepsEdit").setText("1");
    Get<QLineEdit>("NofTrialsEdit").setText("3");
    Get<QLineEdit>("TurnRangeEdit").setText("10");
    Get<QCheckBox>("DisplayOnBox").setChecked(tracks);
  }

  struct Scripted {
    int after_trial;  // counted through the whole sweep, from 1
    std::function<void()> action;
  };
  // Runs the program's event loop: Run is clicked once the loop has shown the main window, each
  // scripted action runs in the delivery of events after its trial, and Close is clicked in the
  // loop's next delivery after the sweep's handler has returned. Returns the loop's exit code.
  int RunSweepWith(std::vector<Scripted> script) {
    delivered_after_sweep_ = false;
    AtDelivery(Form(), 2, [this] {
      Click("RunBtn");
      AtDelivery(Form(), 1, [this] {
        delivered_after_sweep_ = true;
        Click("CloseBtn");
      });
    });
    for (Scripted& step : script) AtDelivery(Form(), 2 + step.after_trial, std::move(step.action));
    return RunEventLoop(*program_);
  }

 private slots:
  void initTestCase() { SetUpApplication(); }
  void init() {
    folder_ = std::make_unique<ScratchFolder>();
    program_ = std::make_unique<Program>();
  }
  void cleanup() {
    program_.reset();
    folder_.reset();
  }

  // The viewer first, on its own; then the loop shows the settings window, which is active with
  // the focus in its first field. No handler has run: every parameter is 0, no display has been
  // written, no file touched.
  void startUp() {
    program_.reset();
    WindowsShown shown;
    program_ = std::make_unique<Program>();
    QVERIFY(program_->SeeForm.isVisible());
    QVERIFY(!Form().isVisible());
    QVERIFY(!program_->AboutForm.isVisible());
    QCOMPARE(shown.captions, QStringList{"Bycatch Viewer"});

    bool active = false;
    QWidget* focus = nullptr;
    bool notes_visible = true;
    bool untouched = false;
    AtDelivery(Form(), 2, [&] {
      active = QTest::qWaitForWindowActive(&Form());
      focus = QApplication::focusWidget();
      notes_visible = program_->AboutForm.isVisible();
      untouched = AllZero(program_->params) && !folder_->Holds(kResultsFileName) &&
                  Get<QLineEdit>("CatchEdit").text() == "#####";
      Click("CloseBtn");
    });
    QCOMPARE(RunEventLoop(*program_), 0);
    QCOMPARE(shown.captions, (QStringList{"Bycatch Viewer", "Settings"}));
    QVERIFY(active);
    QCOMPARE(focus, &Get<QLineEdit>("SpeedEdit"));
    QVERIFY(!notes_visible);
    QVERIFY(untouched);
    QCOMPARE(QCoreApplication::applicationName(),
             ApplicationTitle(QCoreApplication::applicationFilePath()));
  }

  // Stop ends the sweep after the current trial; a quit request lets it run on, and the loop
  // ends as soon as the sweep's handler has returned, with no window closed. A Stop between
  // sweeps has no effect.
  void stopAndCloseDuringASweep_data() {
    QTest::addColumn<int>("close_after");  // 0: no quit request
    QTest::addColumn<bool>("close_box");   // the main window's close box instead of Close
    QTest::addColumn<int>("stop_after");   // 0: no Stop, -1: Stop before Run
    QTest::addColumn<int>("lines");
    QTest::newRow("Stop") << 0 << false << 5 << 2;
    QTest::newRow("Stop before the sweep has no effect") << 0 << false << -1 << 5;
    QTest::newRow("Close") << 5 << false << 0 << 5;
    QTest::newRow("close box") << 5 << true << 0 << 5;
    QTest::newRow("Close, then Stop") << 5 << false << 8 << 3;
    QTest::newRow("close box, then Stop") << 5 << true << 8 << 3;
  }
  void stopAndCloseDuringASweep() {
    QFETCH(int, close_after);
    QFETCH(bool, close_box);
    QFETCH(int, stop_after);
    QFETCH(int, lines);
    UseShortSweep(true);
    std::vector<Scripted> script;
    if (stop_after == -1) Click("StopBtn");
    if (stop_after > 0) script.push_back({stop_after, [this] { Click("StopBtn"); }});
    if (close_after > 0) {
      script.push_back({close_after, [this, close_box] {
                          if (close_box) {
                            Form().close();
                          } else {
                            Click("CloseBtn");
                          }
                        }});
    }
    QCOMPARE(RunSweepWith(std::move(script)), 0);
    QCOMPARE(Results().size(), lines);
    QCOMPARE(Finished(), lines == 5);
    QCOMPARE(delivered_after_sweep_, close_after == 0);
    QVERIFY(Form().isVisible());
    QVERIFY(program_->SeeForm.isVisible());
  }

  // A second start inside a running sweep resets the displays and fails at the results file
  // that the first sweep holds; then the first sweep goes on and writes every line. Run re-reads
  // the fields, so the soak time restarts from its field (60 minutes instead of 120); a viewer
  // click takes the parameters as they stand. A Stop in the same pause is lost.
  void aSecondStartDuringASweep_data() {
    QTest::addColumn<bool>("by_run");  // else by a click on the viewer
    QTest::addColumn<bool>("stop_first");
    QTest::addColumn<QStringList>("soak_minutes");
    const QStringList re_read{"60", "60", "60", "60"};
    const QStringList as_they_stand{"60", "60", "120", "120"};
    QTest::newRow("Run") << true << false << re_read;
    QTest::newRow("viewer click") << false << false << as_they_stand;
    QTest::newRow("Stop, then Run") << true << true << re_read;
    QTest::newRow("Stop, then viewer click") << false << true << as_they_stand;
  }
  void aSecondStartDuringASweep() {
    QFETCH(bool, by_run);
    QFETCH(bool, stop_first);
    QFETCH(QStringList, soak_minutes);
    UseShortSweep(true);
    ErrorBoxCatcher catcher;
    Displays at_the_box;
    catcher.while_shown = [&] { at_the_box = DisplaysNow(); };
    QCOMPARE(RunSweepWith({{8,
                            [&] {
                              if (stop_first) Click("StopBtn");
                              // As a catch and an earlier finish would have left them.
                              Form().ShowCatchText("7    ");
                              Form().ShowFileLabel(true);
                              if (by_run) {
                                Click("RunBtn");
                              } else {
                                ClickViewer();
                              }
                            }}}),
             0);
    QCOMPARE(catcher.boxes.size(), 1u);
    QCOMPARE(catcher.boxes.front().text, QStringLiteral("I/O error 32."));
    QCOMPARE(catcher.boxes.front().caption, QCoreApplication::applicationName());
    QCOMPARE(at_the_box.catch_text, QStringLiteral("0    "));
    QVERIFY(!at_the_box.file_label_shown);
    QCOMPARE(at_the_box.run_label, QStringLiteral("0/4"));
    QCOMPARE(at_the_box.stop_requested, 0);
    const QStringList lines = Results();
    QCOMPARE(lines.size(), 5);
    QCOMPARE(lines.front(), QString(kResultsHeader));
    QCOMPARE(Column(lines, kSoakMinsColumn), soak_minutes);
    QVERIFY(Finished());
  }

  // A field's handler stores its value at once; the sweep uses it from its next read: the turn
  // percentage at the next combination and again from the field at the next soak step, the
  // speed in the line of the current combination.
  void aFieldEditedDuringASweep() {
    UseShortSweep(false);
    RunSweepWith({{2, [this] {
                     Type("TurnRangeEdit", "20");
                     Type("SpeedEdit", "2");
                   }}});
    const QStringList lines = Results();
    QCOMPARE(Column(lines, kTurnRangeColumn), (QStringList{"20", "25", "20", "25"}));
    QCOMPARE(Column(lines, kSpeedColumn), (QStringList{"2", "2", "2", "2"}));
    QVERIFY(Finished());
  }

  // A failure in a handler that the sweep's delivery of events runs is shown there, while the
  // sweep waits; the parameter keeps its value, and the sweep then goes on to its end.
  void aFailureInAHandlerDuringASweep() {
    UseShortSweep(false);
    ErrorBoxCatcher catcher;
    Displays at_the_box;
    catcher.while_shown = [&] { at_the_box = DisplaysNow(); };
    RunSweepWith({{2, [this] { Get<QLineEdit>("SpeedEdit").setText("9e99"); }}});
    QCOMPARE(catcher.boxes.size(), 1u);
    QCOMPARE(catcher.boxes.front().text, QStringLiteral("Floating point overflow."));
    QCOMPARE(at_the_box.run_label, QStringLiteral("0/4"));  // in the first combination
    QCOMPARE(Get<QLineEdit>("SpeedEdit").text(), QStringLiteral("9e99"));
    QCOMPARE(Column(Results(), kSpeedColumn), (QStringList{"1", "1", "1", "1"}));
    QVERIFY(Finished());
  }

  // Notes shows the notes window and the viewer's close box hides the viewer; the sweep goes on
  // drawing on it, and the next Run shows it again.
  void notesAndTheViewersCloseBoxDuringASweep() {
    UseShortSweep(true);
    RunSweepWith({{2, [this] {
                     Click("InfoBtn");
                     program_->SeeForm.close();
                   }}});
    QVERIFY(program_->AboutForm.isVisible());
    QVERIFY(!program_->SeeForm.isVisible());
    QCOMPARE(Results().size(), 5);
    QVERIFY(Finished());
    Click("RunBtn");
    QVERIFY(program_->SeeForm.isVisible());
  }

  // The algorithm and "Display Tracks" are read at their next use: unticked, the viewer is
  // hidden at the next soak step; ticked, the next combination draws its arena on the viewer,
  // hidden since the first soak step.
  void displayTracksChangedDuringASweep_data() {
    QTest::addColumn<bool>("ticked_at_start");
    QTest::newRow("unticked") << true;
    QTest::newRow("ticked") << false;
  }
  void displayTracksChangedDuringASweep() {
    QFETCH(bool, ticked_at_start);
    UseShortSweep(ticked_at_start);
    bool viewer_visible_before = !ticked_at_start;
    RunSweepWith({{2, [&] {
                     viewer_visible_before = program_->SeeForm.isVisible();
                     Click("DisplayOnBox");
                     Click("RandomItem");
                   }}});
    QCOMPARE(viewer_visible_before, ticked_at_start);
    QVERIFY(!program_->SeeForm.isVisible());
    const QRgb arena = qRgb(kArenaColour.red, kArenaColour.green, kArenaColour.blue);
    QCOMPARE(program_->SeeForm.Drawing().pixel(0, 0), arena);
    QCOMPARE(Form().SelectedTurnAlgorithm(), int32_t{TurnRandom});
    QCOMPARE(Results().size(), 5);
  }

  // Right after start-up every parameter is 0: the sweep that a viewer click starts writes the
  // header, hides the viewer ("Display Tracks" is unticked) and fails at its first soak step.
  // A Run afterwards works normally.
  void theViewerClickedRightAfterStartUp() {
    ErrorBoxCatcher catcher;
    QStringList lines_after_click;
    Displays after_click;
    bool viewer_visible = true;
    AtDelivery(Form(), 2, [&] {
      ClickViewer();
      lines_after_click = Results();
      after_click = DisplaysNow();
      viewer_visible = program_->SeeForm.isVisible();
      UseShortSweep(false);
      Click("RunBtn");
      Click("CloseBtn");
    });
    QCOMPARE(RunEventLoop(*program_), 0);
    QCOMPARE(catcher.boxes.size(), 1u);
    QCOMPARE(catcher.boxes.front().text, QStringLiteral("Invalid floating point operation."));
    QCOMPARE(catcher.boxes.front().caption, QCoreApplication::applicationName());
    QCOMPARE(lines_after_click, QStringList{kResultsHeader});
    QCOMPARE(after_click.catch_text, QStringLiteral("0    "));
    QCOMPARE(after_click.run_label, QStringLiteral("0/1"));
    QVERIFY(!after_click.file_label_shown);
    QVERIFY(!viewer_visible);
    QCOMPARE(Results().size(), 5);
    QVERIFY(Finished());
  }

  // Read at start-up from the regional settings: the density field shows their separator, the
  // results file keeps ".".
  void theRegionalDecimalSeparator() {
    if (program_->decimal_separator.Text() != ",")
      QSKIP("needs a comma-decimal locale, as ctest gives it (LC_ALL=de_DE.UTF-8)");
    UseShortSweep(false);
    RunSweepWith({});
    const float density = DensityFor(2500, 3600);
    QCOMPARE(Get<QLineEdit>("DensityEdit").text().toStdString(), RealText(density, ","));
    QCOMPARE(Column(Results(), kDensityColumn).front().toStdString(), RealText(density, "."));
  }
};

}  // namespace zelmora

QTEST_MAIN(zelmora::ProgramTest)
#include "program_test.moc"
