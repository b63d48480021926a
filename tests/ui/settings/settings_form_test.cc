#include "ui/settings/settings_form.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <memory>

#include "common/error_box_catcher.h"
#include "common/scratch_folder.h"
#include "model/arena_drawing.h"
#include "model/run_preparation.h"
#include "model/sweep.h"
#include "support/failure.h"
#include "support/number_text.h"
#include "ui/app/program.h"
#include "ui_settings.h"

namespace zelmora {
namespace {

using testing::ErrorBoxCatcher;
using testing::ScratchFolder;

// The value of a SimParams field by its name.
double ParamValue(const SimParams& p, const QString& name) {
  const QMap<QString, double> values = {
      {"Speed", p.Speed},         {"TurnInt", p.TurnInt},   {"Compass", p.Compass},
      {"TurnRange", p.TurnRange}, {"Risk", p.Risk},         {"Safe", p.Safe},
      {"Length", p.Length},       {"SoakMins", p.SoakMins}, {"NofTrials", p.NofTrials},
      {"Steps", p.Steps},         {"Travel", p.Travel},     {"Density", p.Density},
  };
  return values.value(name, -12345);
}

// The text or caption a control shows.
QString TextOf(const QWidget& control) {
  if (auto* label = qobject_cast<const QLabel*>(&control)) return label->text();
  if (auto* edit = qobject_cast<const QLineEdit*>(&control)) return edit->text();
  if (auto* button = qobject_cast<const QAbstractButton*>(&control)) return button->text();
  if (auto* group = qobject_cast<const QGroupBox*>(&control)) return group->title();
  return QString();
}

}  // namespace

class SettingsFormTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<Program> program_;

  TSettingsform& Form() { return program_->Settingsform; }
  template <class Control>
  Control& Get(const char* name) {
    auto* control = Form().findChild<Control*>(QString::fromLatin1(name));
    if (control == nullptr) qFatal("no control %s", name);
    return *control;
  }
  QLineEdit& Edit(const char* name) { return Get<QLineEdit>(name); }
  QWidget& Client() { return Get<QWidget>("ClientArea"); }

  void ShowActive() {
    Form().show();
    Form().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&Form()));
  }

 private slots:
  void init() { program_ = std::make_unique<Program>(); }
  void cleanup() { program_.reset(); }

  // Every control: kind, place (in the client area), size, caption or text, read-only, tab
  // stop.
  void controls_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("read_only");
    QTest::addColumn<bool>("tab_stop");
    const auto row = [](const char* name, const char* kind, QRect geometry, const char* text,
                        bool read_only = false, bool tab_stop = false) {
      QTest::newRow(name) << kind << geometry << text << read_only << tab_stop;
    };
    row("b1", "QFrame", {0, 8, 185, 225}, "");
    row("b2", "QFrame", {0, 248, 185, 89}, "");
    row("Bevel1", "QFrame", {0, 352, 185, 81}, "");
    row("b5", "QFrame", {0, 448, 185, 49}, "");
    row("l1", "QLabel", {8, 0, 108, 13}, " Animal characteristics ");
    row("l2", "QLabel", {24, 18, 64, 13}, "Speed m/sec");
    row("l3", "QLabel", {24, 36, 67, 13}, "Turn interval s");
    row("BiasLbl", "QLabel", {24, 54, 63, 13}, "Bias direction");
    row("Label1", "QLabel", {24, 74, 33, 13}, "Turn %");
    row("L19", "QLabel", {24, 94, 71, 13}, "Intervals at risk");
    row("Label2", "QLabel", {24, 114, 64, 13}, "Safe intervals");
    row("l5", "QLabel", {8, 240, 94, 13}, " Net characteristics ");
    row("l6", "QLabel", {8, 256, 44, 13}, "Length m");
    row("l7", "QLabel", {8, 276, 54, 13}, "Soak hours");
    row("l10", "QLabel", {8, 296, 77, 13}, "Travel to net km");
    row("l11", "QLabel", {8, 316, 75, 13}, "Animals / sq km");
    row("Label3", "QLabel", {8, 344, 65, 13}, " Run settings ");
    row("l12", "QLabel", {56, 360, 47, 13}, "N of trials ");
    row("Label4", "QLabel", {72, 390, 27, 13}, "Steps");
    row("RunLabel", "QLabel", {8, 440, 59, 13}, " RESULTS  ");
    row("l16", "QLabel", {8, 464, 71, 13}, "number caught");
    row("FileLabel", "QLabel", {8, 480, 97, 13}, "Results in file 'BC.txt'");
    row("SpeedEdit", "QLineEdit", {112, 14, 41, 21}, "1", false, true);
    row("TurnIntEdit", "QLineEdit", {112, 33, 41, 21}, "60", false, true);
    row("CompassEdit", "QLineEdit", {112, 52, 41, 21}, "45", false, true);
    row("TurnRangeEdit", "QLineEdit", {112, 72, 41, 21}, "0", false, true);
    row("RiskTimeEdit", "QLineEdit", {112, 92, 41, 21}, "4", false, true);
    row("SafeEdit", "QLineEdit", {112, 112, 41, 21}, "1", false, true);
    row("Algo", "QGroupBox", {8, 144, 169, 81}, " Turn algorithm ");
    row("RandomItem", "QRadioButton", {8, 14, 159, 21}, "Random");
    row("AheadBiasItem", "QRadioButton", {8, 35, 159, 21}, "Random with ahead bias", false, true);
    row("DirectionalBiasItem", "QRadioButton", {8, 56, 159, 21}, "Random with directional bias");
    row("NetLengthEdit", "QLineEdit", {112, 252, 41, 21}, "2500", false, true);
    row("SoakHrsEdit", "QLineEdit", {112, 272, 41, 21}, "16", false, true);
    row("NofTrialsEdit", "QLineEdit", {112, 357, 65, 21}, "100", false, true);
    row("StepsEdit", "QLineEdit", {112, 384, 41, 21}, "4", false, true);
    row("DisplayOnBox", "QCheckBox", {88, 410, 85, 17}, "Display Tracks", false, true);
    row("RunBtn", "QPushButton", {8, 360, 41, 25}, "Run", false, true);
    row("StopBtn", "QPushButton", {8, 400, 41, 25}, "Stop", false, true);
    row("InfoBtn", "QPushButton", {8, 504, 75, 25}, "Notes", false, true);
    row("CloseBtn", "QPushButton", {104, 504, 75, 25}, "Close", false, true);
    row("DensityEdit", "QLineEdit", {112, 312, 41, 21}, "", true);
    row("CatchEdit", "QLineEdit", {112, 460, 41, 21}, "#####", true);
    row("TTTmEdit", "QLineEdit", {112, 292, 41, 21}, "", true);
  }
  // In the window: labels take the size of their caption in the face in use; check boxes and
  // radio items grow to theirs.
  void controls() {
    QFETCH(QString, kind);
    QFETCH(QRect, geometry);
    QFETCH(QString, text);
    QFETCH(bool, read_only);
    QFETCH(bool, tab_stop);
    const QWidget& control = Get<QWidget>(QTest::currentDataTag());
    QCOMPARE(QString::fromLatin1(control.metaObject()->className()), kind);
    QCOMPARE(control.pos(), geometry.topLeft());
    if (kind == "QLabel") {
      const QFontMetrics metrics(control.font());
      QCOMPARE(control.size(), QSize(metrics.horizontalAdvance(text), metrics.height()));
    } else if (kind == "QCheckBox" || kind == "QRadioButton") {
      QCOMPARE(control.height(), geometry.height());
      QVERIFY(control.width() >= geometry.width());
      QVERIFY(control.width() >= control.sizeHint().width());
    } else {
      QCOMPARE(control.size(), geometry.size());
    }
    QCOMPARE(TextOf(control), text);
    if (auto* edit = qobject_cast<const QLineEdit*>(&control))
      QCOMPARE(edit->isReadOnly(), read_only);
    QCOMPARE(bool(control.focusPolicy() & Qt::TabFocus), tab_stop);
    const bool run_or_stop = kind == "QPushButton" && control.width() == 41;
    QCOMPARE(control.font().pointSize(), run_or_stop ? 10 : 8);
    QCOMPARE(control.font().family(), Form().font().family());
  }

  // The layout as stored: the sizes at the design basis, before the window fits its labels.
  void storedLayout_data() { controls_data(); }
  void storedLayout() {
    QFETCH(QRect, geometry);
    QWidget window;
    Ui::TSettingsform layout;
    layout.setupUi(&window);
    QCOMPARE(window.findChild<QWidget*>(QTest::currentDataTag())->geometry(), geometry);
  }

  void theWindow() {
    TSettingsform& form = Form();
    QCOMPARE(form.windowTitle(), QStringLiteral("Settings"));
    QCOMPARE(form.size(), QSize(187, 550));
    QCOMPARE(form.pos(), QPoint(607, 0));
    QVERIFY(!form.windowIcon().isNull());
    QCOMPARE(form.font().families().front(), QStringLiteral("MS Sans Serif"));
    QCOMPARE(form.font().pointSize(), 8);
    QCOMPARE(Client().size(), QSize(187, 550));
    for (const char* name : {"b1", "b2", "Bevel1"}) {
      QCOMPARE(Get<QFrame>(name).frameShape(), QFrame::Panel);
      QCOMPARE(Get<QFrame>(name).frameShadow(), QFrame::Sunken);
    }
    QCOMPARE(Get<QFrame>("b5").frameShape(), QFrame::Box);
    QCOMPARE(Get<QFrame>("b5").frameShadow(), QFrame::Raised);
    for (const QPushButton* button : Client().findChildren<QPushButton*>()) {
      QVERIFY(!button->autoDefault());
      QVERIFY(!button->isDefault());
    }
  }

  void theStartingState() {
    ShowActive();
    QApplication::processEvents();
    const SimParams& p = program_->params;
    for (const char* name : {"Speed", "TurnInt", "Compass", "TurnRange", "Risk", "Safe", "Length",
                             "SoakMins", "NofTrials", "Steps", "Travel", "Density"})
      QCOMPARE(ParamValue(p, name), 0.0);
    QVERIFY(Get<QLabel>("FileLabel").isHidden());
    QVERIFY(!Get<QCheckBox>("DisplayOnBox").isChecked());
    QVERIFY(Get<QRadioButton>("AheadBiasItem").isChecked());
    QCOMPARE(Form().SelectedTurnAlgorithm(), int32_t{TurnAheadBias});
    QCOMPARE(QApplication::focusWidget(), &Edit("SpeedEdit"));
    QVERIFY(!program_->AboutForm.isVisible());
    QVERIFY(program_->SeeForm.isVisible());
  }

  // Each heading paints its background over its frame's top line, from its first to its last
  // blank; the line shows again beside it.
  void headingsCutTheirFrameLines_data() {
    QTest::addColumn<QString>("frame");
    QTest::newRow("l1") << "b1";
    QTest::newRow("l5") << "b2";
    QTest::newRow("Label3") << "Bevel1";
    QTest::newRow("RunLabel") << "b5";
  }
  void headingsCutTheirFrameLines() {
    QFETCH(QString, frame);
    const QLabel& heading = Get<QLabel>(QTest::currentDataTag());
    const int line = Get<QFrame>(qPrintable(frame)).y();
    const QImage shown = Client().grab().toImage();
    const QRgb background = Form().palette().color(QPalette::Window).rgb();
    QVERIFY(heading.autoFillBackground());
    QCOMPARE(shown.pixel(heading.x(), line), background);
    QCOMPARE(shown.pixel(heading.geometry().right(), line), background);
    QVERIFY(shown.pixel(heading.geometry().right() + 3, line) != background);
  }

  void theTabOrder() {
    ShowActive();
    const QStringList expected = {"TurnIntEdit",   "CompassEdit",   "TurnRangeEdit", "RiskTimeEdit",
                                  "SafeEdit",      "AheadBiasItem", "NetLengthEdit", "SoakHrsEdit",
                                  "NofTrialsEdit", "StepsEdit",     "DisplayOnBox",  "RunBtn",
                                  "StopBtn",       "InfoBtn",       "CloseBtn",      "SpeedEdit"};
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("SpeedEdit"));
    QStringList forwards, backwards;
    for (qsizetype i = 0; i < expected.size(); ++i) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      forwards << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(forwards, expected);
    for (qsizetype i = 0; i < expected.size(); ++i) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
      backwards << QApplication::focusWidget()->objectName();
    }
    // From SpeedEdit back to CloseBtn, and on to SpeedEdit again.
    QStringList expected_backwards(expected.rbegin() + 1, expected.rend());
    QCOMPARE(backwards, expected_backwards << "SpeedEdit");
  }

  // The group is one stop, at its checked item, wherever the user has moved the check.
  void theTurnAlgorithm_data() {
    QTest::addColumn<int>("index");
    QTest::newRow("RandomItem") << int{TurnRandom};
    QTest::newRow("AheadBiasItem") << int{TurnAheadBias};
    QTest::newRow("DirectionalBiasItem") << int{TurnDirectionalBias};
  }
  void theTurnAlgorithm() {
    QFETCH(int, index);
    auto& item = Get<QRadioButton>(QTest::currentDataTag());
    QTest::mouseClick(&item, Qt::LeftButton, {}, QPoint(5, item.height() / 2));
    QVERIFY(item.isChecked());
    QCOMPARE(Form().SelectedTurnAlgorithm(), index);
    for (const QRadioButton* other : Get<QGroupBox>("Algo").findChildren<QRadioButton*>())
      QCOMPARE(bool(other->focusPolicy() & Qt::TabFocus), other == &item);
  }

  void tabbingIntoAFieldSelectsItsText() {
    ShowActive();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QLineEdit& field = Edit("TurnIntEdit");
    QCOMPARE(QApplication::focusWidget(), &field);
    QCOMPARE(field.selectedText(), QStringLiteral("60"));
    QTest::keyClicks(&field, "90");
    QCOMPARE(field.text(), QStringLiteral("90"));
  }

  // Typed over the whole text, one character at a time; the write-back of each field's rule
  // runs after every character.
  void typingStopsAtTheLimit_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::newRow("SpeedEdit") << "12345"
                               << "1234";
    QTest::newRow("TurnIntEdit") << "234567"
                                 << "23456";
    QTest::newRow("CompassEdit") << "1234"
                                 << "123";
    QTest::newRow("TurnRangeEdit") << "1234"
                                   << "100";  // 123 is shown as 100
    QTest::newRow("RiskTimeEdit") << "1234"
                                  << "100";
    QTest::newRow("SafeEdit") << "1234"
                              << "100";
    QTest::newRow("NetLengthEdit") << "234567"
                                   << "10034";  // 2 is shown as 100
    QTest::newRow("SoakHrsEdit") << "12345"
                                 << "1234";
    QTest::newRow("NofTrialsEdit") << "123456789"
                                   << "12345678";
    QTest::newRow("StepsEdit") << "123456"
                               << "12345";
  }
  void typingStopsAtTheLimit() {
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QLineEdit& field = Edit(QTest::currentDataTag());
    field.selectAll();
    QTest::keyClicks(&field, typed);
    QCOMPARE(field.text(), shown);
  }

  // Program writes stay whole; the user can then delete from them but not add. Eight pasted
  // characters of trials can stand for nine digits.
  void aLongerProgramWriteStaysWhole() {
    QLineEdit& field = Edit("NofTrialsEdit");
    field.selectAll();
    QApplication::clipboard()->setText("$FFFFFFF");
    QTest::keySequence(&field, QKeySequence::Paste);
    QCOMPARE(field.text(), QStringLiteral("268435455"));
    QCOMPARE(program_->params.NofTrials, 268435455);
    QTest::keyClick(&field, Qt::Key_1);
    QCOMPARE(field.text(), QStringLiteral("268435455"));
    QTest::keyClick(&field, Qt::Key_Backspace);
    QCOMPARE(field.text(), QStringLiteral("26843545"));
    Form().ShowDensityText("7.37515365472063E-5");
    QCOMPARE(Edit("DensityEdit").text(), QStringLiteral("7.37515365472063E-5"));
    QCOMPARE(Edit("DensityEdit").cursorPosition(), 0);  // it shows its beginning
  }

  void pastingIsLimitedToo_data() {
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("after");
    QTest::newRow("fits") << "12"
                          << "345"
                          << "12345";
    QTest::newRow("does not fit, refused whole") << "12"
                                                 << "3456"
                                                 << "12";
    QTest::newRow("over the selection") << "12345"
                                        << "9"
                                        << "9";
  }
  void pastingIsLimitedToo() {
    QFETCH(QString, before);
    QFETCH(QString, pasted);
    QFETCH(QString, after);
    QLineEdit& field = Edit("StepsEdit");  // five characters, not written back
    field.setText(before);
    if (before.size() == 5) field.selectAll();
    QApplication::clipboard()->setText(pasted);
    QTest::keySequence(&field, QKeySequence::Paste);
    QCOMPARE(field.text(), after);
  }

  // A written-back field raises its change event once more; the same text written again
  // raises none. The write-back happens inside the handler of the first event, before the
  // spy connected after it sees that first event.
  void changeEventsOfAWrite_data() {
    QTest::addColumn<QString>("written");
    QTest::addColumn<QStringList>("events");
    QTest::newRow("TurnIntEdit") << "007" << QStringList{"7", "007"};
    QTest::newRow("CompassEdit") << "360" << QStringList{"0", "360"};
    QTest::newRow("NofTrialsEdit") << "+5" << QStringList{"5", "+5"};
    QTest::newRow("StepsEdit") << "007" << QStringList{"007"};
    QTest::newRow("SpeedEdit") << "0" << QStringList{"0"};
  }
  void changeEventsOfAWrite() {
    QFETCH(QString, written);
    QFETCH(QStringList, events);
    QLineEdit& field = Edit(QTest::currentDataTag());
    QSignalSpy changes(&field, &QLineEdit::textChanged);
    field.setText(written);
    QStringList raised;
    for (const QList<QVariant>& change : changes) raised << change.front().toString();
    QCOMPARE(raised, events);
    changes.clear();
    field.setText(field.text());
    QCOMPARE(changes.size(), 0);
  }

  // A few rows showing each field bound to its rule; the rules themselves are the core's.
  void fieldsAreBoundToTheirRules_data() {
    QTest::addColumn<QString>("written");
    QTest::addColumn<QString>("param");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("shown");
    QTest::newRow("SpeedEdit") << ""
                               << "Speed" << double{0.01f} << "";
    QTest::newRow("TurnIntEdit") << ""
                                 << "TurnInt" << 2.0 << "2";
    QTest::newRow("CompassEdit") << "-90"
                                 << "Compass" << -90.0 << "-90";
    QTest::newRow("TurnRangeEdit") << "101"
                                   << "TurnRange" << 100.0 << "100";
    QTest::newRow("RiskTimeEdit") << "7x"
                                  << "Risk" << 7.0 << "7";
    QTest::newRow("SafeEdit") << "3"
                              << "Safe" << 3.0 << "3";
    QTest::newRow("NetLengthEdit") << "50"
                                   << "Length" << 100.0 << "100";
    QTest::newRow("SoakHrsEdit") << "0.125"
                                 << "SoakMins" << 8.0 << "0.125";
    QTest::newRow("NofTrialsEdit") << "007"
                                   << "NofTrials" << 7.0 << "7";
    QTest::newRow("StepsEdit") << ""
                               << "Steps" << 0.0 << "";
  }
  void fieldsAreBoundToTheirRules() {
    QFETCH(QString, written);
    QFETCH(QString, param);
    QFETCH(double, value);
    QFETCH(QString, shown);
    QLineEdit& field = Edit(QTest::currentDataTag());
    field.setText(written);
    QCOMPARE(ParamValue(program_->params, param), value);
    QCOMPARE(field.text(), shown);
  }

  // Called directly, as the Run preparation calls it, the handler raises its failure.
  void aHandlerCalledDirectlyRaises() {
    {
      const QSignalBlocker quiet(Edit("SoakHrsEdit"));
      Edit("SoakHrsEdit").setText("9e99");
    }
    program_->params.SoakMins = 33;
    QVERIFY_THROWS_EXCEPTION(Failure, Form().RunFieldHandler(ParamField::kSoakHours));
    QCOMPARE(program_->params.SoakMins, 33);
  }

  // Bound to the field, the same failure is shown at once; the typed character stays.
  void aFailureWhileTypingIsReported() {
    ErrorBoxCatcher catcher;
    QLineEdit& field = Edit("SpeedEdit");
    field.selectAll();
    QTest::keyClicks(&field, "9e99");
    QCOMPARE(field.text(), QStringLiteral("9e99"));
    QCOMPARE(program_->params.Speed, 9e9f);
    QCOMPARE(catcher.boxes.size(), 1u);
    QCOMPARE(catcher.boxes.front().text, QStringLiteral("Floating point overflow."));
  }

  // Run re-reads the fields, shows travel and density, and sweeps in the viewer; unticked
  // "Display Tracks" hides the viewer again at the first soak step.
  void runSweepsFromTheFields_data() {
    QTest::addColumn<bool>("tracks");
    QTest::newRow("tracks displayed") << true;
    QTest::newRow("tracks not displayed") << false;
  }
  void runSweepsFromTheFields() {
    QFETCH(bool, tracks);
    ScratchFolder folder;
    program_->SeeForm.hide();
    Get<QCheckBox>("DisplayOnBox").setChecked(tracks);
    Edit("SoakHrsEdit").setText("1");
    Edit("StepsEdit").setText("1");
    Edit("NofTrialsEdit").setText("3");
    QTest::mouseClick(&Get<QPushButton>("RunBtn"), Qt::LeftButton);

    const SimParams& p = program_->params;
    QCOMPARE(p.TurnInt, 60);
    QCOMPARE(Edit("TTTmEdit").text(), QStringLiteral("4"));  // 3600 m
    QCOMPARE(Edit("DensityEdit").text().toStdString(),
             RealText(DensityFor(p.Length, 3600), QLocale::system().decimalPoint().toStdString()));
    QCOMPARE(folder.LinesOf(kResultsFileName).size(), 5);
    QCOMPARE(Get<QLabel>("RunLabel").text(), QStringLiteral(" Finished "));
    QVERIFY(!Get<QLabel>("FileLabel").isHidden());
    QCOMPARE(program_->SeeForm.isVisible(), tracks);
    const QRgb arena = qRgb(kArenaColour.red, kArenaColour.green, kArenaColour.blue);
    QCOMPARE(program_->SeeForm.Drawing().pixel(0, 0) == arena, tracks);
  }

  // Soak hours too short for one minute: the travel field shows 0, the density division fails
  // and is reported, and no sweep starts.
  void aFailingRunPreparationStartsNoSweep() {
    ScratchFolder folder;
    ErrorBoxCatcher catcher;
    program_->SeeForm.hide();
    Edit("SoakHrsEdit").setText("0.005");
    QTest::mouseClick(&Get<QPushButton>("RunBtn"), Qt::LeftButton);
    QCOMPARE(catcher.boxes.size(), 1u);
    QCOMPARE(catcher.boxes.front().text, QStringLiteral("Floating point division by zero."));
    QCOMPARE(Edit("TTTmEdit").text(), QStringLiteral("0"));
    QCOMPARE(Edit("DensityEdit").text(), QString());
    QVERIFY(!program_->SeeForm.isVisible());
    QVERIFY(!folder.Holds(kResultsFileName));
  }

  // The results heading keeps its left edge and takes its caption's width; a narrower one
  // leaves the frame line beside it uncovered again.
  void theResultsHeadingFollowsItsCaption() {
    QLabel& heading = Get<QLabel>("RunLabel");
    const int wide = heading.width();
    Form().ShowRunLabel("0/4");
    QCOMPARE(heading.text(), QStringLiteral("0/4"));
    QCOMPARE(heading.pos(), QPoint(8, 440));
    QCOMPARE(heading.width(), heading.fontMetrics().horizontalAdvance("0/4"));
    QVERIFY(heading.width() < wide);
    const QImage shown = Client().grab().toImage();
    QVERIFY(shown.pixel(heading.geometry().right() + 3, 448) !=
            Form().palette().color(QPalette::Window).rgb());
  }

  void theSweepsDisplays() {
    Form().ShowFileLabel(true);
    QVERIFY(!Get<QLabel>("FileLabel").isHidden());
    Form().ShowFileLabel(false);
    QVERIFY(Get<QLabel>("FileLabel").isHidden());
    Form().ShowCatchText("12  ");
    QCOMPARE(Edit("CatchEdit").text(), QStringLiteral("12  "));
    Form().ShowTravelText("58");
    QCOMPARE(Edit("TTTmEdit").text(), QStringLiteral("58"));
    Form().HideViewer();
    QVERIFY(!program_->SeeForm.isVisible());
    Form().ShowViewer();
    QVERIFY(program_->SeeForm.isVisible());
    Get<QCheckBox>("DisplayOnBox").setChecked(true);
    QVERIFY(Form().TracksDisplayed());
  }

  void stopAsksForAStop() {
    QCOMPARE(Form().StopRequested(), 0);
    QTest::mouseClick(&Get<QPushButton>("StopBtn"), Qt::LeftButton);
    QCOMPARE(Form().StopRequested(), 1);
  }

  // Notes shows the notes window when it is hidden, and then leaves it alone.
  void notesShowsTheNotesWindowOnlyWhenHidden() {
    ShowActive();
    TAboutForm& notes = program_->AboutForm;
    QPushButton& button = Get<QPushButton>("InfoBtn");
    QTest::mouseClick(&button, Qt::LeftButton);
    QVERIFY(notes.isVisible());
    QVERIFY(QTest::qWaitForWindowActive(&notes));

    notes.move(5, 6);
    notes.close();
    QTest::mouseClick(&button, Qt::LeftButton);
    QVERIFY(notes.isVisible());
    QCOMPARE(notes.pos(), QPoint(5, 6));  // not centred again

    ShowActive();
    QTest::mouseClick(&button, Qt::LeftButton);
    QVERIFY(notes.isVisible());
    QCOMPARE(notes.pos(), QPoint(5, 6));
    QApplication::processEvents();
    QCOMPARE(QApplication::activeWindow(), &Form());  // not raised or focused
  }

  void shrinkingTheWindowShowsScrollBars() {
    Form().show();
    QScrollArea& scroller = Get<QScrollArea>("Scroller");
    const QPoint run_button = Get<QPushButton>("RunBtn").pos();
    for (const auto& [size, bars] :
         {std::pair{QSize(187, 550), false}, {QSize(150, 300), true}, {QSize(400, 700), false}}) {
      Form().resize(size);
      QApplication::processEvents();
      QCOMPARE(scroller.verticalScrollBar()->isVisible(), bars);
      QCOMPARE(scroller.horizontalScrollBar()->isVisible(), bars);
      QCOMPARE(Get<QPushButton>("RunBtn").pos(), run_button);
    }
  }

  // Close and the main window's close box only ask the event loop to end: it ends once control
  // is back in it, and no window has closed.
  void closeIsAQuitRequest_data() {
    QTest::addColumn<bool>("close_box");
    QTest::newRow("Close button") << false;
    QTest::newRow("close box") << true;
  }
  void closeIsAQuitRequest() {
    QFETCH(bool, close_box);
    Form().show();
    QTimer::singleShot(0, [&] {
      if (close_box) {
        Form().close();
      } else {
        QTest::mouseClick(&Get<QPushButton>("CloseBtn"), Qt::LeftButton);
      }
    });
    QCOMPARE(QCoreApplication::exec(), 0);
    QVERIFY(Form().isVisible());
    QVERIFY(program_->SeeForm.isVisible());
  }
};

}  // namespace zelmora

QTEST_MAIN(zelmora::SettingsFormTest)
#include "settings_form_test.moc"
