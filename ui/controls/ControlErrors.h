// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#pragma once
// Errors the game's own controls raise; the general error report shows their text.

#include <stdexcept>

// Raised for an operation a control cannot carry out in its present state.
class EInvalidOperation : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};
