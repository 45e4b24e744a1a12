// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#include <gtest/gtest.h>

#include <QCoreApplication>

int main(int argc, char** argv) {
  // QProcess, used to run a second copy of the game, wants an application object.
  QCoreApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
