#include "ui/app/decimal_separator.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTest>
#include <QWidget>
#include <string>
#include <vector>

namespace zelmora {

class DecimalSeparatorTest : public QObject {
  Q_OBJECT

 private:
  // The separators the regional settings give, one per reading; the last one stays.
  std::vector<std::string> settings_;
  int readings_ = 0;
  RegionalDecimalSeparator::Reader Settings() {
    return [this] {
      const size_t at = std::min(static_cast<size_t>(readings_++), settings_.size() - 1);
      return settings_[at];
    };
  }

 private slots:
  void init() {
    settings_ = {".", ",", ";"};
    readings_ = 0;
  }

  void readAtOnce() {
    const RegionalDecimalSeparator separator(Settings());
    QCOMPARE(separator.Text(), std::string("."));
    QCOMPARE(readings_, 1);
  }

  // The announcement reaches the application or a window; every one is a new reading.
  void readAgainWhenAChangeIsAnnounced() {
    const RegionalDecimalSeparator separator(Settings());
    QEvent change(QEvent::LocaleChange);
    QCoreApplication::sendEvent(QCoreApplication::instance(), &change);
    QCOMPARE(separator.Text(), std::string(","));
    QWidget window;
    QCoreApplication::postEvent(&window, new QEvent(QEvent::LocaleChange));
    QCoreApplication::processEvents();
    QCOMPARE(separator.Text(), std::string(";"));
  }

  void otherEventsReadNothing() {
    const RegionalDecimalSeparator separator(Settings());
    QWidget window;
    window.show();
    window.resize(50, 60);
    QEvent language(QEvent::LanguageChange);
    QCoreApplication::sendEvent(&window, &language);
    QCoreApplication::processEvents();
    QCOMPARE(readings_, 1);
    QCOMPARE(separator.Text(), std::string("."));
  }
};

}  // namespace zelmora

QTEST_MAIN(zelmora::DecimalSeparatorTest)
#include "decimal_separator_test.moc"
