#include "ui/app/window_font.h"

#include <QFont>
#include <QStringList>
#include <QWidget>

namespace zelmora {

void UseWindowFace(QWidget& window) {
  QFont font = window.font();
  font.setFamilies(font.families() + QStringList{"Microsoft Sans Serif", "Arial", "Liberation Sans",
                                                 "Nimbus Sans", "Helvetica"});
  font.setStyleHint(QFont::SansSerif);
  window.setFont(font);
}

}  // namespace zelmora
