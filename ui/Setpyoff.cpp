#include "Setpyoff.h"

#include <unistd.h>

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QProxyStyle>
#include <QPushButton>
#include <QScreen>
#include <QStyleOptionComplex>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <stdexcept>

#include "MessageBoxes.h"
#include "Scaling.h"
#include "SpinEdit.h"
#include "stored_values.h"

namespace {

// Row n is pay table line Hn; its range comes with the stored values (stored_values.h).
// The blank after row 6's caption is the design's.
constexpr std::array<const char*, kPayLines> kRowCaptions = {
    "Jacks or Better Multiplier Default is 0",
    "Two Pair Multiplier Default = 1",
    "Three of a Kind Default = 2",
    "Straight Multiplier Default = 3",
    "Flush Multiplier Default = 4",
    "Full House Multiplier Default = 7 ",
    "Four of a Kind Multiplier Default = 11",
    "Straight Flush Multiplier Default = 49",
    "Royal Flush Multiplier Default = 99",
};

const QString kInformation = QStringLiteral("Information");
const QString kExplanation = QStringLiteral(
    "Your winning bets are multiplied by the values you select.  Sound Buttons let you "
    "choose a .WAV sound file.  Cancel and OK buttons will not effect sounds.");
// Windows names its sound files in capitals; ours may be in any case. The chooser matches
// without regard to case (see the filter flags below), so the description stays as it is.
const QString kWavFilter = QStringLiteral("Windows WAV files (*.WAV)");

// Slimmer arrows than the desktop style's, so that two digits fit a field 33 pixels wide
// and three digits one of 41, as in the design.
class TNarrowSpinStyle : public QProxyStyle {
 public:
  QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl sub,
                       const QWidget* widget) const override {
    if (control != CC_SpinBox) return QProxyStyle::subControlRect(control, option, sub, widget);
    const QRect r = option->rect;
    constexpr int frame = 2;
    const int arrows = (r.height() + 1) / 2;
    const int half = r.height() / 2;
    switch (sub) {
      case SC_SpinBoxUp:
        return {r.right() - frame - arrows + 1, r.top() + frame, arrows, half - frame};
      case SC_SpinBoxDown:
        return {r.right() - frame - arrows + 1, r.top() + half, arrows, r.height() - half - frame};
      case SC_SpinBoxEditField:
        return {r.left() + frame, r.top() + frame, r.width() - 2 * frame - arrows,
                r.height() - 2 * frame};
      default:
        return QProxyStyle::subControlRect(control, option, sub, widget);
    }
  }
};

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

constexpr int RowTop(int n) {
  return 16 + 24 * (n - 1);
}

// The platform's I/O error for a folder we could not enter.
[[noreturn]] void ThrowChangeDirError(int error) {
  throw std::runtime_error(std::strerror(error));
}

}  // namespace

Tsetpay::Tsetpay(TGameEngine& engine, TSoundSlots& soundSlots, QWidget* parent, const QSize& screen)
    : QDialog(parent), FEngine(engine), FSoundSlots(soundSlots) {
  setObjectName(QStringLiteral("setpay"));
  setWindowTitle(QStringLiteral("Set Winning Payouts and Sounds"));
  // A dialog border with the close box only: no minimise, maximise or help button.
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
  setModal(true);
  resize(455, 242);
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

  // Made in tab order: OK, Cancel, the fields, the sound buttons.
  OKBtn = new QPushButton(QStringLiteral("OK"), this);
  OKBtn->setObjectName(QStringLiteral("OKBtn"));
  OKBtn->setGeometry(372, 8, 77, 27);
  OKBtn->setDefault(true);
  CancelBtn = new QPushButton(QStringLiteral("Cancel"), this);
  CancelBtn->setObjectName(QStringLiteral("CancelBtn"));
  CancelBtn->setGeometry(372, 40, 77, 27);

  Bevel1 = new QFrame(this);
  Bevel1->setObjectName(QStringLiteral("Bevel1"));
  Bevel1->setFrameStyle(QFrame::Box | QFrame::Sunken);
  Bevel1->setGeometry(8, 8, 281, 225);
  Bevel1->lower();

  auto* spinStyle = new TNarrowSpinStyle;
  spinStyle->setParent(this);
  for (int n = 1; n <= kPayLines; ++n) {
    auto* spin = new TSpinEdit(this);
    spin->setObjectName(QStringLiteral("SpinEdit%1").arg(n));
    spin->setStyle(spinStyle);
    spin->setRange(0, kStoredValues[PayoutKey(n)].DialogMaximum);
    spin->setSingleStep(1);
    spin->setValue(TPayTable{}.Line(n));
    if (n <= 7)
      spin->setGeometry(24, RowTop(n), 33, 22);
    else
      spin->setGeometry(16, RowTop(n), 41, 22);
    SpinEdit[static_cast<std::size_t>(n - 1)] = spin;

    auto* label =
        new QLabel(QString::fromLatin1(kRowCaptions[static_cast<std::size_t>(n - 1)]), this);
    label->setObjectName(QStringLiteral("Label%1").arg(n));
    label->setGeometry(64, RowTop(n) + 4, 222, 15);
    Label[static_cast<std::size_t>(n - 1)] = label;
  }
  for (int n = 1; n <= kSoundSlotCount; ++n) {
    auto* button = new QPushButton(QStringLiteral("Sound%1").arg(n), this);
    button->setObjectName(QStringLiteral("Button%1").arg(n));
    button->setGeometry(296, 8 + 24 * (n - 1), 57, 25);
    connect(button, &QPushButton::clicked, this, [this, n] { SoundButtonClick(n); });
    Button[static_cast<std::size_t>(n - 1)] = button;
  }

  Label10 = new QLabel(kExplanation, this);
  Label10->setObjectName(QStringLiteral("Label10"));
  Label10->setWordWrap(true);
  Label10->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  Label10->setGeometry(360, 72, 89, 143);

  QWidget* previous = OKBtn;
  auto chain = [&previous](QWidget* next) {
    setTabOrder(previous, next);
    previous = next;
  };
  chain(CancelBtn);
  for (TSpinEdit* spin : SpinEdit) chain(spin);
  for (QPushButton* button : Button) chain(button);

  connect(OKBtn, &QPushButton::clicked, this, &Tsetpay::OKBtnClick);
  connect(CancelBtn, &QPushButton::clicked, this, &Tsetpay::CancelBtnClick);

  OKBtn->setFocus();
  ScaleToScreen(this, screen.isValid() ? screen : QGuiApplication::primaryScreen()->size());
  setFixedSize(size());
  for (QLabel* label : Label) ShrinkToFit(label);
  ShrinkToFit(Label10);
}

void Tsetpay::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (event->spontaneous()) return;
  if (const QScreen* screen = this->screen()) {
    QRect frame = frameGeometry();
    frame.moveCenter(screen->geometry().center());
    move(frame.topLeft() + (pos() - frameGeometry().topLeft()));
  }
  RunGuarded(this, [this] { FormActivate(); });
}

void Tsetpay::FormActivate() {
  const TPayTable& table = FEngine.PayTable();
  for (int n = 1; n <= kPayLines; ++n)
    SpinEdit[static_cast<std::size_t>(n - 1)]->setValue(table.Line(n));
}

void Tsetpay::OKBtnClick() {
  RunGuarded(this, [this] {
    TPayTable table = FEngine.PayTable();
    for (int n = 1; n <= kPayLines; ++n) {
      const TSpinEdit* spin = SpinEdit[static_cast<std::size_t>(n - 1)];
      // Text confirmed with Enter has not been brought into range yet.
      table.SetLine(n, std::clamp(spin->TextValue(), spin->minimum(), spin->maximum()));
    }
    FEngine.SetPayTable(table);
    ShowMessage(this, QMessageBox::Information, kInformation,
                QStringLiteral("Payout values have been updated"));
    accept();
  });
}

void Tsetpay::CancelBtnClick() {
  RunGuarded(this, [this] {
    ShowMessage(this, QMessageBox::Information, kInformation,
                QStringLiteral("Cancelled. No changes were made to the payoff values"));
    reject();
  });
}

void Tsetpay::keyPressEvent(QKeyEvent* event) {
  // Escape is the Cancel button, with its message; only the close box closes silently.
  if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
    CancelBtn->click();
    event->accept();
    return;
  }
  QDialog::keyPressEvent(event);
}

QFileDialog* Tsetpay::Chooser() {
  // Made on first use: a file dialog with its file system model is costly to build, and
  // most games never choose a sound.
  if (OpenDialog1) return OpenDialog1;
  // Qt's own chooser everywhere: it looks the same on every desktop and, unlike some
  // native ones, can match the filter without regard to case.
  OpenDialog1 = new QFileDialog(this);
  OpenDialog1->setObjectName(QStringLiteral("OpenDialog1"));
  OpenDialog1->setOption(QFileDialog::DontUseNativeDialog);
  OpenDialog1->setFileMode(QFileDialog::ExistingFile);
  OpenDialog1->setAcceptMode(QFileDialog::AcceptOpen);
  OpenDialog1->setFilter(OpenDialog1->filter() & ~QDir::CaseSensitive);
  return OpenDialog1;
}

void Tsetpay::SoundButtonClick(int n) {
  RunGuarded(this, [this, n] {
    const auto index = static_cast<std::size_t>(n - 1);
    Chooser()->setNameFilter(kWavFilter);
    if (FSoundSlots[index] != kNoSoundFile) FChooserFileName = FSoundSlots[index];

    if (!FChooserFileName.isEmpty() && QFileInfo(FChooserFileName).isFile()) {
      const QString folder = QFileInfo(FChooserFileName).absolutePath();
      if (::chdir(QFile::encodeName(folder).constData()) != 0) ThrowChangeDirError(errno);
      OpenDialog1->setDirectory(folder);
    }
    if (!FChooserFileName.isEmpty()) OpenDialog1->selectFile(FChooserFileName);

    if (OpenDialog1->exec() != QDialog::Accepted) return;
    const QStringList chosen = OpenDialog1->selectedFiles();
    if (chosen.isEmpty()) return;
    FChooserFileName = QDir::toNativeSeparators(chosen.first());
    FSoundSlots[index] = SoundSlotFromPath(FChooserFileName);
    SaveSoundSlot(n, FChooserFileName);
  });
}
