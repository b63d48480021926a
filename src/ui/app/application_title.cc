#include "ui/app/application_title.h"

namespace zelmora {

QString ApplicationTitle(const QString& executable_path) {
  const QString name = executable_path.section('/', -1).section('.', 0, 0);
  return name.left(1) + name.mid(1).toLower();
}

}  // namespace zelmora
