// The notes window: a fixed, editable text about the model, shown beside the other windows.
#pragma once

#include <QWidget>
#include <memory>

namespace Ui {
class TAboutForm;
}

namespace zelmora {

class TAboutForm final : public QWidget {
  Q_OBJECT

 public:
  // Created hidden, the caret at the start of the text. Closing it only hides it, so the text
  // with whatever the user typed, the caret, the scroll position and the window's place stay
  // for the next showing.
  TAboutForm();
  ~TAboutForm() override;

 protected:
  // The first showing centres the window on its screen; later ones leave it where it was.
  void showEvent(QShowEvent* event) override;

 private:
  std::unique_ptr<Ui::TAboutForm> ui_;
  bool placed_ = false;
};

}  // namespace zelmora
