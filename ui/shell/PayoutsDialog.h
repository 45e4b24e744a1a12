// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#pragma once
// TPayoutsDialog: the "Payouts Options" dialog. The multipliers of the pay table in force, taken
// only by OK, and a WAV file for each of the nine winning sounds, stored the moment it is
// chosen. Jacks or Better shows its nine lines as designed; another game shows its own lines,
// one row each, with their defaults from the game's default table, the dialog taller where
// the game has more than nine.

#include <QDialog>
#include <QMargins>
#include <QSize>
#include <QString>
#include <array>
#include <vector>

#include "game_engine.h"
#include "sound_slots.h"

class QFileDialog;
class QFrame;
class QLabel;
class QPushButton;
class TSpinEdit;

class TPayoutsDialog : public QDialog {
  Q_OBJECT

 public:
  // Scales itself to the screen on creation; an empty size means the primary screen's.
  TPayoutsDialog(TGameEngine& engine, TSoundSlots& soundSlots, QWidget* parent = nullptr,
                 const QSize& screen = {});

  // Handlers, named after what they do. The fields are filled from the pay table at
  // every showing.
  void FillFromPayTable();
  void OkClick();
  void CancelClick();
  // "Sound1" .. "Sound9": chooses the file of sound slot n.
  void SoundButtonClick(int n);

  // The controls, row n at index n - 1; rows past the ninth are made when a game needs them.
  std::array<TSpinEdit*, kPayLines> MultiplierFields{};
  std::array<QLabel*, kPayLines> MultiplierLabels{};
  std::vector<TSpinEdit*> MoreFields;
  std::vector<QLabel*> MoreLabels;
  // Row 1..n of the game in force's lines.
  TSpinEdit* Field(int n) const;
  QLabel* Label(int n) const;
  std::array<QPushButton*, kWinSoundSlots> SoundButtons{};
  QLabel* Explanation = nullptr;
  QPushButton* OkButton = nullptr;
  QPushButton* CancelButton = nullptr;
  QFrame* MultiplierFrame = nullptr;
  // One chooser for all nine buttons, made when first needed; it keeps the last name
  // chosen or preset.
  QFileDialog* SoundChooser = nullptr;
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
  void NameRowsByHand();
  void ChainTabOrder();
  void CentreOnScreen();
  void RecordDesign();
  void FitRowsTo(const TGame& game);
  void AddRow();
  QFileDialog* Chooser();

  TGameEngine& FEngine;
  TSoundSlots& FSoundSlots;
  QString FChooserFileName;
  // As scaled for the screen: the geometry Jacks or Better's nine rows show in.
  struct TDesignPlace {
    QSize Dialog;
    QRect Frame;
    std::array<QRect, kPayLines> Fields;
    std::array<QRect, kPayLines> Labels;
    std::array<QFont, kPayLines> LabelFonts;
  };
  TDesignPlace FDesign;
  const TGame* FShownGame = &kJacksOrBetter;
  // Centred before the window manager had framed the dialog: centre again once it has.
  bool FCentring = false;
  QMargins FCentredWith;
};
