#pragma once
// The player's pay table as the game would start with it.

#include "cli.h"

TStoredPayTable LoadPlayerPayTable();
