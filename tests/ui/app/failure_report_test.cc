#include "ui/app/failure_report.h"

#include <QCoreApplication>
#include <QTest>
#include <stdexcept>

#include "common/error_box_catcher.h"
#include "support/failure.h"
#include "ui/app/application_title.h"

namespace zelmora {
namespace {

using testing::ErrorBoxCatcher;

// Something with a signal to connect a guarded handler to.
class Emitter : public QObject {
  Q_OBJECT

 signals:
  void Fired(int value);
};

}  // namespace

class FailureReportTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QCoreApplication::setApplicationName(QStringLiteral("Zelmora")); }

  void applicationTitle_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("title");
    QTest::newRow("plain name") << "/usr/bin/Zelmora"
                                << "Zelmora";
    QTest::newRow("upper case with extension") << "/opt/ZELMORA.EXE"
                                               << "Zelmora";
    QTest::newRow("first character kept as it is") << "zELMORA"
                                                   << "zelmora";
    QTest::newRow("cut at the first dot") << "Zelmora.tar.gz"
                                          << "Zelmora";
    QTest::newRow("dots in folders do not count") << "/home/a.b/Trial"
                                                  << "Trial";
    QTest::newRow("no folder") << "BC"
                               << "Bc";
    QTest::newRow("nothing before the dot") << "/x/.hidden"
                                            << "";
  }
  void applicationTitle() {
    QFETCH(QString, path);
    QFETCH(QString, title);
    QCOMPARE(ApplicationTitle(path), title);
  }

  void theErrorBoxShowsTheMessageWithItsFullStop() {
    ErrorBoxCatcher catcher;
    ReportFailure("Floating point overflow");
    QCOMPARE(catcher.boxes.size(), 1u);
    const testing::ShownBox& box = catcher.boxes.front();
    QCOMPARE(box.text, QStringLiteral("Floating point overflow."));
    QCOMPARE(box.caption, QStringLiteral("Zelmora"));
    QCOMPARE(box.icon, QMessageBox::Critical);
    QCOMPARE(box.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QCOMPARE(box.button_count, 1);
    QCOMPARE(box.modality, Qt::ApplicationModal);
  }

  void runGuarded_data() {
    QTest::addColumn<int>("raise");  // 0 nothing, 1 a Failure, 2 another std::exception
    QTest::addColumn<QString>("reported");
    QTest::newRow("nothing raised, nothing shown") << 0 << "";
    QTest::newRow("a failure") << 1 << "Division by zero.";
    QTest::newRow("any other exception") << 2 << "Disk gone!";
  }
  void runGuarded() {
    QFETCH(int, raise);
    QFETCH(QString, reported);
    ErrorBoxCatcher catcher;
    bool ran_to_raise = false;
    RunGuarded([&] {
      ran_to_raise = true;
      if (raise == 1) RaiseIntegerDivisionByZero();
      if (raise == 2) throw std::runtime_error("Disk gone!");
    });
    QVERIFY(ran_to_raise);
    QCOMPARE(catcher.boxes.size(), reported.isEmpty() ? 0u : 1u);
    if (!reported.isEmpty()) QCOMPARE(catcher.boxes.front().text, reported);
  }

  // The emitting code is not unwound: the emission returns, and so do later handlers.
  void aGuardedHandlerStopsTheFailureAtTheConnection() {
    ErrorBoxCatcher catcher;
    Emitter emitter;
    int later_handlers = 0;
    QObject::connect(&emitter, &Emitter::Fired, Guarded([] { RaiseOverflow(); }));
    QObject::connect(&emitter, &Emitter::Fired, [&](int) { ++later_handlers; });
    emit emitter.Fired(1);
    QCOMPARE(later_handlers, 1);
    QCOMPARE(catcher.boxes.size(), 1u);
    QCOMPARE(catcher.boxes.front().text, QStringLiteral("Floating point overflow."));
  }

  // As during a sweep: a failure of a handler that the pump delivers is shown inside the pump,
  // which then delivers the remaining events and returns to its caller.
  void aFailureDeliveredByThePumpIsReportedInsideIt() {
    ErrorBoxCatcher catcher;
    bool later_event_delivered = false;
    QMetaObject::invokeMethod(qApp, Guarded([] { RaiseInvalidOperation(); }), Qt::QueuedConnection);
    QMetaObject::invokeMethod(
        qApp, [&] { later_event_delivered = true; }, Qt::QueuedConnection);
    QCoreApplication::processEvents();
    QVERIFY(later_event_delivered);
    QCOMPARE(catcher.boxes.size(), 1u);
    QCOMPARE(catcher.boxes.front().text, QStringLiteral("Invalid floating point operation."));
  }

  // Close during a sweep makes a quit request before the sweep's failures are shown: the box
  // still waits for OK. Last, since the request stays until an event loop is entered again.
  void theErrorBoxWaitsForOkAfterAQuitRequest() {
    QCoreApplication::exit(0);
    ErrorBoxCatcher catcher;
    ReportFailure("Disk full");
    QCOMPARE(catcher.boxes.size(), 1u);
    QCOMPARE(catcher.boxes.front().text, QStringLiteral("Disk full."));
  }
};

}  // namespace zelmora

QTEST_MAIN(zelmora::FailureReportTest)
#include "failure_report_test.moc"
