// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#pragma once
// TPayoutsDialog: the "Payouts Options" dialog. Nine multipliers of the pay table, taken only by
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

  // The controls, row n at index n - 1.
  std::array<TSpinEdit*, kPayLines> MultiplierFields{};
  std::array<QLabel*, kPayLines> MultiplierLabels{};
  std::array<QPushButton*, kSoundSlotCount> SoundButtons{};
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
  QFileDialog* Chooser();

  TGameEngine& FEngine;
  TSoundSlots& FSoundSlots;
  QString FChooserFileName;
  // Centred before the window manager had framed the dialog: centre again once it has.
  bool FCentring = false;
  QMargins FCentredWith;
};
