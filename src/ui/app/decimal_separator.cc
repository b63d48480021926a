#include "ui/app/decimal_separator.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLocale>

namespace zelmora {

std::string SystemDecimalSeparator() {
  return QLocale::system().decimalPoint().toStdString();
}

RegionalDecimalSeparator::RegionalDecimalSeparator(Reader read)
    : read_(std::move(read)), text_(read_()) {
  // An application-wide filter: the announcement goes to the application object and to each
  // window, whichever of them the platform picks.
  QCoreApplication::instance()->installEventFilter(this);
}

bool RegionalDecimalSeparator::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::LocaleChange) text_ = read_();
  return QObject::eventFilter(watched, event);
}

}  // namespace zelmora
