#include "ui/settings/typed_length_limit.h"

#include <QLineEdit>

namespace zelmora {

TypedLengthLimit::TypedLengthLimit(QLineEdit& edit, int max_typed)
    : QValidator(&edit), max_typed_(max_typed), text_before_(edit.text()) {
  // Read from the field rather than from the signal: a change handler may have written the
  // text again before this connection is reached.
  connect(&edit, &QLineEdit::textChanged, this, [this, &edit] { text_before_ = edit.text(); });
  edit.setValidator(this);
}

QValidator::State TypedLengthLimit::validate(QString& input, int&) const {
  const bool grows_beyond_limit = input.size() > max_typed_ && input.size() > text_before_.size();
  return grows_beyond_limit ? Invalid : Acceptable;
}

void WriteWhole(QLineEdit& field, const QString& text) {
  // A write is validated like an edit, and a text found invalid would keep the field from
  // refusing the user's next edit; without the validator it is taken as valid.
  const QValidator* limit = field.validator();
  field.setValidator(nullptr);
  field.setText(text);
  field.setValidator(limit);
}

}  // namespace zelmora
