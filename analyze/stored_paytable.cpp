#include "stored_paytable.h"

TStoredPayTable LoadPlayerPayTable() {
  TStoredPayTable stored;
  stored.Origin = "game defaults";
  return stored;
}
