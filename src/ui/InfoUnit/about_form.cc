#include "ui/InfoUnit/about_form.h"

#include <QPlainTextEdit>
#include <QScreen>
#include <QShowEvent>
#include <algorithm>

#include "ui/app/window_font.h"
#include "ui_InfoUnit.h"

namespace zelmora {

TAboutForm::TAboutForm() : ui_(std::make_unique<Ui::TAboutForm>()) {
  ui_->setupUi(this);
  UseWindowFace(*this);
  ui_->NotesMemo->setFocus();  // takes the focus whenever the window is activated
}

TAboutForm::~TAboutForm() = default;

void TAboutForm::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (placed_ || event->spontaneous()) return;
  placed_ = true;
  // Each edge at half the room the screen leaves, halved towards zero, and never off the
  // screen's top or left edge.
  const QSize room = screen()->geometry().size() - frameGeometry().size();
  move(screen()->geometry().topLeft() +
       QPoint(std::max(0, room.width() / 2), std::max(0, room.height() / 2)));
}

}  // namespace zelmora
