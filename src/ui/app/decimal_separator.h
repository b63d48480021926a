// The decimal separator of the user's regional settings, with which the windows show reals.
#pragma once

#include <QObject>
#include <functional>
#include <string>

namespace zelmora {

// The separator of the system locale: "." when the regional settings set none.
std::string SystemDecimalSeparator();

class RegionalDecimalSeparator final : public QObject {
 public:
  using Reader = std::function<std::string()>;

  // Reads the separator with read at once, and again whenever an event announces a change of
  // the regional settings (QEvent::LocaleChange, to the application or to any window). Needs
  // the QApplication, which must outlive it.
  explicit RegionalDecimalSeparator(Reader read = SystemDecimalSeparator);

  // The separator as last read.
  const std::string& Text() const { return text_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  Reader read_;
  std::string text_;
};

}  // namespace zelmora
