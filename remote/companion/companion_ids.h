// Control ids of the companion's window. The main program finds the controls
// by the handles announced to it; tests find the others by their ids.
#pragma once

namespace sw {

inline constexpr int kCompanionPrinterList = 100;
inline constexpr int kCompanionRefresh = 101;
inline constexpr int kCompanionFirstValue = 110; // copies ... bitmap height: 110 to 117
inline constexpr int kCompanionPrint = 120;
inline constexpr int kCompanionLog = 130;   // a read-only edit control, one line per event
inline constexpr int kCompanionState = 140; // the state of the selected printer

// The companion's window class, which a second start looks for.
inline constexpr char kCompanionClass[] = "SpoolwrightRemoteWindow";

} // namespace sw
