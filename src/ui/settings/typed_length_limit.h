// The most characters a user can type or paste into a parameter field. QLineEdit's own
// maxLength would also cut what the program writes into the field, which must stay whole; so
// the limit is a validator, and the program writes past it with WriteWhole.
#pragma once

#include <QString>
#include <QValidator>

class QLineEdit;

namespace zelmora {

class TypedLengthLimit final : public QValidator {
  Q_OBJECT

 public:
  // Installs itself as the validator of edit, which owns it.
  TypedLengthLimit(QLineEdit& edit, int max_typed);

  // Refuses an edit that leaves the text longer than the limit and longer than it was before:
  // a character typed into a full field, or a paste that does not fit (refused whole).
  // Deleting from a text that the program wrote beyond the limit is allowed.
  State validate(QString& input, int& position) const override;

 private:
  int max_typed_;
  QString text_before_;  // the field's text as it stood before the edit under validation
};

// Writes text into field as the program does: whole, whatever the field's typing limit. The
// field's change event is raised as for any write; the limit applies again to what the user
// types next.
void WriteWhole(QLineEdit& field, const QString& text);

}  // namespace zelmora
