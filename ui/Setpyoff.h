#pragma once
// Tsetpay: the "Payouts Options" dialog. Nine multipliers of the pay table, taken only by
// OK, and a WAV file for each of the nine winning sounds, stored the moment it is chosen.

#include <QDialog>
#include <QMargins>
#include <QSize>
#include <QString>
#include <array>

#include "game_engine.h"
#include "sound_slots.h"

class QFileDialog;
class QFrame;
class QLabel;
class QPushButton;
class TSpinEdit;

class Tsetpay : public QDialog {
  Q_OBJECT

 public:
  // Scales itself to the screen on creation; an empty size means the primary screen's.
  Tsetpay(TGameEngine& engine, TSoundSlots& soundSlots, QWidget* parent = nullptr,
          const QSize& screen = {});

  // Handlers, named after the control and event they serve.
  void FormActivate();
  void OKBtnClick();
  void CancelBtnClick();
  void Button1Click() { SoundButtonClick(1); }
  void Button2Click() { SoundButtonClick(2); }
  void Button3Click() { SoundButtonClick(3); }
  void Button4Click() { SoundButtonClick(4); }
  void Button5Click() { SoundButtonClick(5); }
  void Button6Click() { SoundButtonClick(6); }
  void Button7Click() { SoundButtonClick(7); }
  void Button8Click() { SoundButtonClick(8); }
  void Button9Click() { SoundButtonClick(9); }

  // The controls, row n at index n - 1.
  std::array<TSpinEdit*, kPayLines> SpinEdit{};
  std::array<QLabel*, kPayLines> Label{};
  std::array<QPushButton*, kSoundSlotCount> Button{};
  QLabel* Label10 = nullptr;
  QPushButton* OKBtn = nullptr;
  QPushButton* CancelBtn = nullptr;
  QFrame* Bevel1 = nullptr;
  // One chooser for all nine buttons, made when first needed; it keeps the last name
  // chosen or preset.
  QFileDialog* OpenDialog1 = nullptr;
  // The chooser's file name, as the sound buttons leave it.
  QString ChooserFileName() const { return FChooserFileName; }

 protected:
  bool event(QEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void SetDesignFont();
  void BuildButtons();
  void BuildPayRows();
  void BuildSoundButtons();
  void BuildExplanation();
  void ChainTabOrder();
  void CentreOnScreen();
  void SoundButtonClick(int n);
  QFileDialog* Chooser();

  TGameEngine& FEngine;
  TSoundSlots& FSoundSlots;
  QString FChooserFileName;
  // Centred before the window manager had framed the dialog: centre again once it has.
  bool FCentring = false;
  QMargins FCentredWith;
};
