// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#include "PayoutsDialog.h"

#include <unistd.h>

#include <QAbstractItemView>
#include <QCompleter>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <stdexcept>

#include "MessageBoxes.h"
#include "Scaling.h"
#include "SpinEdit.h"
#include "ViewTexts.h"
#include "file_names.h"
#include "stored_values.h"

namespace {

// Row n is pay table line Hn; its range comes with the stored values (stored_values.h).
// The blank after row 6's caption is the design's.
constexpr std::array<const char*, kPayLines> kRowCaptions = {
    //: The caption beside the multiplier of pay line 1, a pair of jacks or better. It must fit
    //: the room of the English at 8 points: keep it as short.
    QT_TRANSLATE_NOOP("TPayoutsDialog", "Jacks or Better Multiplier Default is 0"),
    QT_TRANSLATE_NOOP("TPayoutsDialog", "Two Pair Multiplier Default = 1"),
    QT_TRANSLATE_NOOP("TPayoutsDialog", "Three of a Kind Default = 2"),
    QT_TRANSLATE_NOOP("TPayoutsDialog", "Straight Multiplier Default = 3"),
    QT_TRANSLATE_NOOP("TPayoutsDialog", "Flush Multiplier Default = 4"),
    //: The blank at the end is the design's.
    QT_TRANSLATE_NOOP("TPayoutsDialog", "Full House Multiplier Default = 7 "),
    QT_TRANSLATE_NOOP("TPayoutsDialog", "Four of a Kind Multiplier Default = 11"),
    QT_TRANSLATE_NOOP("TPayoutsDialog", "Straight Flush Multiplier Default = 49"),
    QT_TRANSLATE_NOOP("TPayoutsDialog", "Royal Flush Multiplier Default = 99"),
};

// The hand each row pays, which names its field and its sound button for screen readers.
constexpr std::array<const char*, kPayLines> kRowHands = {
    //: The hand a pay line pays, as a screen reader names its multiplier field.
    QT_TRANSLATE_NOOP("TPayoutsDialog", "Jacks or Better"),
    QT_TRANSLATE_NOOP("TPayoutsDialog", "Two Pair"),
    QT_TRANSLATE_NOOP("TPayoutsDialog", "Three of a Kind"),
    QT_TRANSLATE_NOOP("TPayoutsDialog", "Straight"),
    QT_TRANSLATE_NOOP("TPayoutsDialog", "Flush"),
    QT_TRANSLATE_NOOP("TPayoutsDialog", "Full House"),
    QT_TRANSLATE_NOOP("TPayoutsDialog", "Four of a Kind"),
    QT_TRANSLATE_NOOP("TPayoutsDialog", "Straight Flush"),
    QT_TRANSLATE_NOOP("TPayoutsDialog", "Royal Flush")};

// Fonts come only in whole pixels, so a window scaled to the screen may find its text a
// little larger than its boxes; such a caption gives up a fraction of a point.
void ShrinkToFit(QLabel* label) {
  auto fits = [label] {
    if (label->wordWrap()) return label->heightForWidth(label->width()) <= label->height();
    return label->fontMetrics().horizontalAdvance(label->text()) <= label->width();
  };
  QFont font = label->font();
  while (!fits() && font.pointSizeF() > 5.0) {
    font.setPointSizeF(font.pointSizeF() - 0.25);
    label->setFont(font);
  }
}

// Where everything stands on the design's 455 x 242 client area.
constexpr QSize kDesignSize(455, 242);
constexpr QRect kOkButton(372, 8, 77, 27);
constexpr QRect kCancelButton(372, 40, 77, 27);
constexpr QRect kMultiplierFrame(8, 8, 281, 225);
constexpr QRect kExplanation(360, 72, 89, 143);
// Row n (1..9) of the pay table, and sound button n.
constexpr int RowTop(int n) {
  return 16 + 24 * (n - 1);
}
constexpr QRect SpinEditPlace(int n) {
  // Rows 8 and 9 take three digits.
  return n <= 7 ? QRect(24, RowTop(n), 33, 22) : QRect(16, RowTop(n), 41, 22);
}
constexpr QRect LabelPlace(int n) {
  return QRect(64, RowTop(n) + 4, 222, 15);
}
constexpr QRect ButtonPlace(int n) {
  return QRect(296, 8 + 24 * (n - 1), 57, 25);
}

// Enter in the chooser's file name box can accept the chooser while its completion list is
// still showing; left up, the list would take the next click in this dialog just to close.
void CloseCompletionLists(QFileDialog& chooser) {
  for (QCompleter* completer : chooser.findChildren<QCompleter*>())
    if (completer->popup() != nullptr) completer->popup()->hide();
}

// The platform's I/O error for a folder we could not enter.
[[noreturn]] void ThrowChangeDirError(int error) {
  throw std::runtime_error(std::strerror(error));
}

}  // namespace

TPayoutsDialog::TPayoutsDialog(TGameEngine& engine, TSoundSlots& soundSlots, QWidget* parent,
                               const QSize& screen)
    : QDialog(parent), FEngine(engine), FSoundSlots(soundSlots) {
  setObjectName(QStringLiteral("PayoutsDialog"));
  setWindowTitle(tr("Set Winning Payouts and Sounds"));
  // A dialog border with the close box only: no minimise, maximise or help button.
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
  setModal(true);
  resize(kDesignSize);
  SetDesignFont();
  // Made in tab order: OK, Cancel, the fields, the sound buttons.
  BuildButtons();
  BuildPayRows();
  BuildSoundButtons();
  BuildExplanation();
  NameRowsByHand();
  ChainTabOrder();
  OkButton->setFocus();
  ScaleToScreen(this, screen.isValid() ? screen : QGuiApplication::primaryScreen()->size());
  setFixedSize(size());
  for (QLabel* label : MultiplierLabels) ShrinkToFit(label);
  ShrinkToFit(Explanation);
  RecordDesign();
}

void TPayoutsDialog::RecordDesign() {
  FDesign.Dialog = size();
  FDesign.Frame = MultiplierFrame->geometry();
  for (std::size_t i = 0; i < MultiplierFields.size(); ++i) {
    FDesign.Fields[i] = MultiplierFields[i]->geometry();
    FDesign.Labels[i] = MultiplierLabels[i]->geometry();
    FDesign.LabelFonts[i] = MultiplierLabels[i]->font();
  }
}

TSpinEdit* TPayoutsDialog::Field(int n) const {
  if (n >= 1 && n <= kPayLines) return MultiplierFields[static_cast<std::size_t>(n - 1)];
  const auto more = static_cast<std::size_t>(n - kPayLines - 1);
  return more < MoreFields.size() ? MoreFields[more] : nullptr;
}

QLabel* TPayoutsDialog::Label(int n) const {
  if (n >= 1 && n <= kPayLines) return MultiplierLabels[static_cast<std::size_t>(n - 1)];
  const auto more = static_cast<std::size_t>(n - kPayLines - 1);
  return more < MoreLabels.size() ? MoreLabels[more] : nullptr;
}

void TPayoutsDialog::AddRow() {
  const int n = kPayLines + static_cast<int>(MoreFields.size()) + 1;
  auto* spin = new TSpinEdit(this);
  spin->setObjectName(QStringLiteral("Multiplier%1").arg(n));
  spin->UseNarrowArrows();
  spin->setSingleStep(1);
  spin->setFont(MultiplierFields.back()->font());
  QWidget::setTabOrder(Field(n - 1), spin);
  QWidget::setTabOrder(spin, SoundButtons.front());
  auto* label = new QLabel(this);
  label->setObjectName(QStringLiteral("MultiplierLabel%1").arg(n));
  label->setBuddy(spin);
  MoreFields.push_back(spin);
  MoreLabels.push_back(label);
}

void TPayoutsDialog::FitRowsTo(const TGame& game) {
  const bool jacks = &game == &kJacksOrBetter;
  if (jacks && FShownGame == &game) return;  // as built: the design, untouched
  FShownGame = &game;
  const int rows = game.LineCount();
  while (kPayLines + static_cast<int>(MoreFields.size()) < rows) AddRow();
  // Rows stand one step apart; another game's fields all take the widest numbers.
  const int step = FDesign.Fields[8].top() - FDesign.Fields[7].top();
  const int extra = std::max(0, rows - kPayLines) * step;
  for (int n = 1; n <= kPayLines + static_cast<int>(MoreFields.size()); ++n) {
    TSpinEdit* spin = Field(n);
    QLabel* label = Label(n);
    const bool shown = n <= rows;
    spin->setVisible(shown);
    label->setVisible(shown);
    spin->setFocusPolicy(shown ? Qt::WheelFocus : Qt::NoFocus);
    const auto design = static_cast<std::size_t>(std::min(n, kPayLines) - 1);
    const int below = std::max(0, n - kPayLines) * step;
    QRect field = FDesign.Fields[design].translated(0, below);
    if (!jacks)
      field =
          QRect(FDesign.Fields[8].left(), field.top(), FDesign.Fields[8].width(), field.height());
    spin->setGeometry(field);
    label->setGeometry(FDesign.Labels[design].translated(0, below));
    // Today's captions at the sizes they were fitted at; another game's fitted anew.
    label->setFont(jacks ? FDesign.LabelFonts[design] : font());
  }
  MultiplierFrame->setGeometry(FDesign.Frame.adjusted(0, 0, 0, extra));
  setFixedSize(FDesign.Dialog + QSize(0, extra));
  for (int n = 1; n <= rows; ++n) {
    const auto index = static_cast<std::size_t>(n - 1);
    TSpinEdit* spin = Field(n);
    QLabel* label = Label(n);
    if (jacks) {
      spin->setRange(0, kStoredValues[PayoutKey(n)].DialogMaximum);
      label->setText(tr(kRowCaptions[index]));
      spin->setAccessibleName(tr(kRowHands[index]));
      continue;
    }
    {
      const std::string_view line = game.LineName(n - 1);
      const QString name = ShownTerm(line);
      spin->setRange(0, kMostGameMultiplier);
      //: The caption beside the multiplier of a pay line of a game other than Jacks or Better:
      //: %1 is the line's name, %2 its multiplier in the game's default table.
      label->setText(
          tr("%1 Multiplier Default = %2").arg(name).arg(DefaultTable(game).Multipliers[index]));
      spin->setAccessibleName(name);
    }
    ShrinkToFit(label);
  }
}

void TPayoutsDialog::SetDesignFont() {
  // Liberation Sans has the metrics of the narrow sans-serif the dialog was drawn with, so
  // the design's 8 points fit the captions into their places, as in the game window. Points,
  // not pixels: scaling to the screen multiplies them without rounding.
  QFont font(QStringLiteral("Liberation Sans"));
  font.setStyleHint(QFont::SansSerif);
  font.setPointSizeF(8);
  font.setBold(true);
  setFont(font);
  QPalette black = palette();
  for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
    black.setColor(role, Qt::black);
  setPalette(black);
}

void TPayoutsDialog::BuildButtons() {
  OkButton = new QPushButton(tr("OK"), this);
  OkButton->setObjectName(QStringLiteral("OkButton"));
  OkButton->setGeometry(kOkButton);
  OkButton->setDefault(true);
  connect(OkButton, &QPushButton::clicked, this, &TPayoutsDialog::OkClick);
  CancelButton = new QPushButton(tr("Cancel"), this);
  CancelButton->setObjectName(QStringLiteral("CancelButton"));
  CancelButton->setGeometry(kCancelButton);
  connect(CancelButton, &QPushButton::clicked, this, &TPayoutsDialog::CancelClick);
}

void TPayoutsDialog::BuildPayRows() {
  MultiplierFrame = new QFrame(this);
  MultiplierFrame->setObjectName(QStringLiteral("MultiplierFrame"));
  MultiplierFrame->setFrameStyle(QFrame::Box | QFrame::Sunken);
  MultiplierFrame->setGeometry(kMultiplierFrame);
  MultiplierFrame->lower();
  for (int n = 1; n <= kPayLines; ++n) {
    const auto index = static_cast<std::size_t>(n - 1);
    auto* spin = new TSpinEdit(this);
    spin->setObjectName(QStringLiteral("Multiplier%1").arg(n));
    spin->UseNarrowArrows();  // two digits in 33 pixels, three in 41
    spin->setRange(0, kStoredValues[PayoutKey(n)].DialogMaximum);
    spin->setSingleStep(1);
    spin->setValue(TPayTable{}.Line(n));
    spin->setGeometry(SpinEditPlace(n));
    MultiplierFields[index] = spin;

    auto* label = new QLabel(tr(kRowCaptions[index]), this);
    label->setObjectName(QStringLiteral("MultiplierLabel%1").arg(n));
    label->setGeometry(LabelPlace(n));
    MultiplierLabels[index] = label;
  }
}

void TPayoutsDialog::BuildSoundButtons() {
  for (int n = 1; n <= kWinSoundSlots; ++n) {
    //: The button that chooses the sound of pay line %1 (1 to 9).
    auto* button = new QPushButton(tr("Sound%1").arg(n), this);
    button->setObjectName(QStringLiteral("SoundButton%1").arg(n));
    button->setGeometry(ButtonPlace(n));
    connect(button, &QPushButton::clicked, this, [this, n] { SoundButtonClick(n); });
    SoundButtons[static_cast<std::size_t>(n - 1)] = button;
  }
}

void TPayoutsDialog::BuildExplanation() {
  //: Word-wrapped in a narrow box at the dialog's right; the English has two blanks after each
  //: full stop. "effect" is the design's word.
  Explanation = new QLabel(tr("Your winning bets are multiplied by the values you select.  Sound "
                              "Buttons let you choose a .WAV sound file.  Cancel and OK buttons "
                              "will not effect sounds."),
                           this);
  Explanation->setObjectName(QStringLiteral("Explanation"));
  Explanation->setWordWrap(true);
  Explanation->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  Explanation->setGeometry(kExplanation);
}

void TPayoutsDialog::NameRowsByHand() {
  for (std::size_t i = 0; i < kRowHands.size(); ++i) {
    const QString hand = tr(kRowHands[i]);
    MultiplierFields[i]->setAccessibleName(hand);
    MultiplierLabels[i]->setBuddy(MultiplierFields[i]);
    //: What a screen reader says of a sound button; %1 is the hand (Flush).
    SoundButtons[i]->setAccessibleDescription(tr("Sound for %1").arg(hand));
  }
}

void TPayoutsDialog::ChainTabOrder() {
  QWidget* previous = OkButton;
  auto chain = [&previous](QWidget* next) {
    QWidget::setTabOrder(previous, next);
    previous = next;
  };
  chain(CancelButton);
  for (TSpinEdit* spin : MultiplierFields) chain(spin);
  for (QPushButton* button : SoundButtons) chain(button);
}

void TPayoutsDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (event->spontaneous()) return;
  CentreOnScreen();
  RunGuarded(this, [this] { FillFromPayTable(); });
}

bool TPayoutsDialog::event(QEvent* event) {
  // The window manager tells the frame's size only once the window is up: centre again then,
  // so the first showing stands where every later one does.
  const bool handled = QDialog::event(event);
  if (event->type() == QEvent::Move && FCentring && FrameMargins(this) != FCentredWith) {
    FCentring = false;
    CentreOnScreen();
  }
  return handled;
}

void TPayoutsDialog::CentreOnScreen() {
  const QScreen* screen = this->screen();
  if (screen == nullptr) return;
  QMargins frame = FrameMargins(this);
  // Until the window manager has framed us, our parent's frame is the best guess.
  if (frame.isNull() && parentWidget() != nullptr) frame = FrameMargins(parentWidget()->window());
  FCentredWith = FrameMargins(this);
  FCentring = frame.isNull() || FCentredWith.isNull();
  QRect outer = geometry().marginsAdded(frame);
  outer.moveCenter(screen->availableGeometry().center());
  setGeometry(QRect(outer.topLeft() + QPoint(frame.left(), frame.top()), size()));
}

void TPayoutsDialog::FillFromPayTable() {
  const TGameTable table = FEngine.TableInForce();
  FitRowsTo(*table.Game);
  for (int n = 1; n <= table.Game->LineCount(); ++n)
    Field(n)->setValue(table.Multipliers[static_cast<std::size_t>(n - 1)]);
}

void TPayoutsDialog::OkClick() {
  RunGuarded(this, [this] {
    TGameTable table = FEngine.TableInForce();
    for (int n = 1; n <= table.Game->LineCount(); ++n) {
      const TSpinEdit* spin = Field(n);
      // Text confirmed with Enter has not been brought into range yet.
      table.Multipliers[static_cast<std::size_t>(n - 1)] =
          std::clamp(spin->TextValue(), spin->minimum(), spin->maximum());
    }
    if (table.IsJacks())
      FEngine.SetPayTable(PayTableOf(table));
    else
      FEngine.SetGame(table);
    ShowMessage(this, QMessageBox::Information, tr("Information"),
                tr("Payout values have been updated"));
    accept();
  });
}

void TPayoutsDialog::CancelClick() {
  RunGuarded(this, [this] {
    ShowMessage(this, QMessageBox::Information, tr("Information"),
                tr("Cancelled. No changes were made to the payoff values"));
    reject();
  });
}

void TPayoutsDialog::keyPressEvent(QKeyEvent* event) {
  // Escape is the Cancel button, with its message; only the close box closes silently.
  if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
    CancelButton->click();
    event->accept();
    return;
  }
  QDialog::keyPressEvent(event);
}

QFileDialog* TPayoutsDialog::Chooser() {
  // Made on first use: a file dialog with its file system model is costly to build, and
  // most games never choose a sound.
  if (SoundChooser) return SoundChooser;
  // Qt's own chooser everywhere: it looks the same on every desktop and, unlike some
  // native ones, can match the filter without regard to case.
  SoundChooser = new QFileDialog(this);
  SoundChooser->setObjectName(QStringLiteral("SoundChooser"));
  SoundChooser->setOption(QFileDialog::DontUseNativeDialog);
  SoundChooser->setFileMode(QFileDialog::ExistingFile);
  SoundChooser->setAcceptMode(QFileDialog::AcceptOpen);
  SoundChooser->setFilter(SoundChooser->filter() & ~QDir::CaseSensitive);
  return SoundChooser;
}

void TPayoutsDialog::SoundButtonClick(int n) {
  RunGuarded(this, [this, n] {
    const auto index = static_cast<std::size_t>(n - 1);
    // Windows names its sound files in capitals; ours may be in any case. The chooser matches
    // without regard to case (see the filter flags in Chooser), so the pattern stays as it is.
    //: The file chooser's filter: keep the pattern in brackets, (*.WAV), as it is.
    Chooser()->setNameFilter(tr("Windows WAV files (*.WAV)"));
    if (FSoundSlots[index] != kNoSoundFile) FChooserFileName = FSoundSlots[index];

    // The current directory follows the chosen file's folder: the win-sound chain looks
    // there for coins.Wav (media/win_sound.h).
    const std::filesystem::path file = LocalBytesFromPath(FChooserFileName).toStdString();
    std::error_code error;
    if (!file.empty() && std::filesystem::is_regular_file(file, error)) {
      const std::filesystem::path folder = std::filesystem::absolute(file, error).parent_path();
      if (::chdir(folder.c_str()) != 0) ThrowChangeDirError(errno);
      SoundChooser->setDirectory(QFileInfo(FChooserFileName).absolutePath());
    }
    if (!FChooserFileName.isEmpty()) SoundChooser->selectFile(FChooserFileName);

    const int result = SoundChooser->exec();
    CloseCompletionLists(*SoundChooser);
    if (result != QDialog::Accepted) return;
    const QStringList chosen = SoundChooser->selectedFiles();
    if (chosen.isEmpty()) return;
    FChooserFileName = QDir::toNativeSeparators(chosen.first());
    FSoundSlots[index] = SoundSlotFromPath(FChooserFileName);
    SaveSoundSlot(n, FChooserFileName);
  });
}
