#include "ui/settings/settings_form.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <algorithm>
#include <optional>
#include <string>

#include "model/run_preparation.h"
#include "ui/InfoUnit/about_form.h"
#include "ui/app/decimal_separator.h"
#include "ui/app/failure_report.h"
#include "ui/app/window_font.h"
#include "ui/display/see_form.h"
#include "ui/settings/typed_length_limit.h"
#include "ui_settings.h"

namespace zelmora {
namespace {

// The window's outer top-left corner on the screen, beside the track viewer.
constexpr QPoint kScreenPosition{607, 0};

// A label keeps its left and top edges and takes the size of its caption, leading and trailing
// blanks included, so that a heading cuts its frame's line exactly where its text lies.
void FitToCaption(QLabel& label) {
  const QFontMetrics metrics(label.font());
  label.resize(metrics.horizontalAdvance(label.text()), metrics.height());
}

// A check box or radio item laid out for the layouts' face grows to the right where the face
// standing in for it needs more room for the caption; it never shrinks.
void GrowToCaption(QAbstractButton& item) {
  item.resize(std::max(item.width(), item.sizeHint().width()), item.height());
}

QString ToQString(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// An output field shows the beginning of a text longer than it is wide, as a density can be.
void ShowFromStart(QLineEdit& field, std::string_view text) {
  field.setText(ToQString(text));
  field.setCursorPosition(0);
}

}  // namespace

TSettingsform::TSettingsform(SimParams& params, const RegionalDecimalSeparator& decimal_separator,
                             TAboutForm& notes, TSeeForm& viewer)
    : ui_(std::make_unique<Ui::TSettingsform>()),
      params_(params),
      decimal_separator_(decimal_separator),
      notes_(notes),
      viewer_(viewer) {
  ui_->setupUi(this);
  move(kScreenPosition);
  UseWindowFace(*this);
  for (QLabel* label : ui_->ClientArea->findChildren<QLabel*>()) FitToCaption(*label);
  GrowToCaption(*ui_->DisplayOnBox);
  for (QRadioButton* item : AlgoItems()) GrowToCaption(*item);

  using F = ParamField;
  using T = TSettingsform;
  fields_ = {{
      {F::kSpeed, ui_->SpeedEdit, &T::SpeedEditChange},
      {F::kTurnInt, ui_->TurnIntEdit, &T::TurnIntEditChange},
      {F::kTurnRange, ui_->TurnRangeEdit, &T::TurnRangeEditChange},
      {F::kCompass, ui_->CompassEdit, &T::CompassEditChange},
      {F::kRisk, ui_->RiskTimeEdit, &T::RiskTimeEditChange},
      {F::kSafe, ui_->SafeEdit, &T::SafeEditChange},
      {F::kNetLength, ui_->NetLengthEdit, &T::NetLengthEditChange},
      {F::kSoakHours, ui_->SoakHrsEdit, &T::SoakHrsEditChange},
      {F::kNofTrials, ui_->NofTrialsEdit, &T::NofTrialsEditChange},
      {F::kSteps, ui_->StepsEdit, &T::StepsEditChange},
  }};
  // Bound only now that every field holds its initial text, so that no handler has run.
  for (const FieldBinding& binding : fields_) {
    new TypedLengthLimit(*binding.edit, InfoOf(binding.field).max_typed);
    connect(binding.edit, &QLineEdit::textChanged, this,
            Guarded([this, handler = binding.handler] { (this->*handler)(); }));
  }
  connect(ui_->RunBtn, &QPushButton::clicked, this, Guarded([this] { RunBtnClick(); }));
  connect(ui_->StopBtn, &QPushButton::clicked, this, Guarded([this] { StopBtnClick(); }));
  connect(ui_->InfoBtn, &QPushButton::clicked, this, Guarded([this] { InfoPnlClick(); }));
  connect(ui_->CloseBtn, &QPushButton::clicked, this, Guarded([this] { CloseBtnClick(); }));

  for (QRadioButton* item : AlgoItems())
    connect(item, &QRadioButton::toggled, this, [this] { KeepTabStopAtCheckedItem(); });
  KeepTabStopAtCheckedItem();
  ui_->SpeedEdit->setFocus();
}

TSettingsform::~TSettingsform() = default;

void TSettingsform::SpeedEditChange() {
  ApplyFieldRule(ParamField::kSpeed);
}
void TSettingsform::TurnIntEditChange() {
  ApplyFieldRule(ParamField::kTurnInt);
}
void TSettingsform::CompassEditChange() {
  ApplyFieldRule(ParamField::kCompass);
}
void TSettingsform::TurnRangeEditChange() {
  ApplyFieldRule(ParamField::kTurnRange);
}
void TSettingsform::RiskTimeEditChange() {
  ApplyFieldRule(ParamField::kRisk);
}
void TSettingsform::SafeEditChange() {
  ApplyFieldRule(ParamField::kSafe);
}
void TSettingsform::NetLengthEditChange() {
  ApplyFieldRule(ParamField::kNetLength);
}
void TSettingsform::SoakHrsEditChange() {
  ApplyFieldRule(ParamField::kSoakHours);
}
void TSettingsform::NofTrialsEditChange() {
  ApplyFieldRule(ParamField::kNofTrials);
}
void TSettingsform::StepsEditChange() {
  ApplyFieldRule(ParamField::kSteps);
}

void TSettingsform::RunBtnClick() {
  PrepareRun(params_, *this, decimal_separator_.Text());
  // The sweep itself is the viewer's own start, on the params as the preparation left them.
  viewer_.FormActivate();
}

void TSettingsform::StopBtnClick() {
  stop_requested_ = 1;
}

// Unlike quit(), exit() closes no window: it only makes the event loop end when control is
// back in it.
void TSettingsform::CloseBtnClick() {
  QCoreApplication::exit(0);
}

void TSettingsform::InfoPnlClick() {
  if (notes_.isVisible()) return;
  notes_.show();
  notes_.raise();
  notes_.activateWindow();
}

void TSettingsform::closeEvent(QCloseEvent* event) {
  event->ignore();
  CloseBtnClick();
}

const TSettingsform::FieldBinding& TSettingsform::BindingOf(ParamField field) const {
  for (const FieldBinding& binding : fields_)
    if (binding.field == field) return binding;
  return fields_.front();  // unreachable: every field is bound
}

void TSettingsform::ApplyFieldRule(ParamField field) {
  QLineEdit& edit = *BindingOf(field).edit;
  const std::optional<std::string> normal =
      ApplyFieldText(field, edit.text().toStdString(), params_);
  if (!normal) return;
  // Writing the text the field already holds would raise no change event, but it would still
  // move the caret of a user who is typing.
  const QString text = ToQString(*normal);
  if (text != edit.text()) WriteWhole(edit, text);
}

void TSettingsform::KeepTabStopAtCheckedItem() {
  for (QRadioButton* item : AlgoItems())
    item->setFocusPolicy(item->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
}

void TSettingsform::RepaintNow(const QRect& area) {
  ui_->ClientArea->repaint(area);
}

void TSettingsform::RunFieldHandler(ParamField field) {
  (this->*BindingOf(field).handler)();
}

std::array<QRadioButton*, 3> TSettingsform::AlgoItems() const {
  return {ui_->RandomItem, ui_->AheadBiasItem, ui_->DirectionalBiasItem};
}

int32_t TSettingsform::SelectedTurnAlgorithm() {
  const std::array<QRadioButton*, 3> items = AlgoItems();
  for (int32_t i = 0; i < static_cast<int32_t>(items.size()); ++i)
    if (items[static_cast<size_t>(i)]->isChecked()) return i;
  return -1;
}

bool TSettingsform::TracksDisplayed() {
  return ui_->DisplayOnBox->isChecked();
}

void TSettingsform::ShowCatchText(std::string_view text) {
  ShowFromStart(*ui_->CatchEdit, text);
  ui_->CatchEdit->repaint();
}

void TSettingsform::ShowRunLabel(std::string_view text) {
  QLabel& label = *ui_->RunLabel;
  const QRect before = label.geometry();
  label.setText(ToQString(text));
  FitToCaption(label);
  // The frame line that a narrower label no longer covers shows again at once.
  RepaintNow(before.united(label.geometry()));
}

void TSettingsform::ShowFileLabel(bool shown) {
  ui_->FileLabel->setVisible(shown);
  RepaintNow(ui_->FileLabel->geometry());
}

void TSettingsform::ShowTravelText(std::string_view text) {
  ShowFromStart(*ui_->TTTmEdit, text);
}

void TSettingsform::ShowDensityText(std::string_view text) {
  ShowFromStart(*ui_->DensityEdit, text);
}

void TSettingsform::ShowViewer() {
  viewer_.show();
}
void TSettingsform::HideViewer() {
  viewer_.hide();
}

void TSettingsform::PumpEvents() {
  QCoreApplication::processEvents();
}

}  // namespace zelmora
