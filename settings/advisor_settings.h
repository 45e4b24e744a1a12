#pragma once
// The strategy advisor's stored state, section Advisor, apart from the game's own values so
// those are written as before: whether it was open when the game last closed (key Open),
// whether practice mode is on (key Practice) and whether practice asks before a draw that
// gives coins away (key WarnBeforeDraw). Each is "1" or "0".

struct TAdvisorState {
  bool Open = false;
  bool Practice = false;
  bool WarnBeforeDraw = true;
  friend bool operator==(const TAdvisorState&, const TAdvisorState&) = default;
};

// The defaults for keys that are missing or unreadable.
TAdvisorState LoadAdvisorState();

// Writes only the keys whose value would change, so a game that never uses the advisor
// leaves the file as it was. Throws ESettingsError when the file can't be written.
void SaveAdvisorState(const TAdvisorState& state);
