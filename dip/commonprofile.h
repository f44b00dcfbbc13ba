#pragma once

// Pieces of mode profiles that several configurators share, step for step.

#include "dip/modeprofile.h"

namespace velantra::dip
{

// DMX mode: the frame "DMX mode" with its terminator box and caption, and the address box.
inline constexpr std::string_view kDmxFrameControls[] = {"Frame4", "Check1", "Text1", "Label5"};

// Master mode of the ORVO controllers: the frames, the speeds, the shows, the pushbutton box.
inline constexpr std::string_view kSpeedShowPushbuttonControls[] = {
    "Frame2",   "Frame3",   "Frame5",   "Option3",  "Option4",  "Option5",  "Option6",
    "Option7",  "Option8",  "Option9",  "Option10", "Option11", "Option12", "Option13",
    "Option14", "Option15", "Option16", "Option17", "Option18", "Option19", "Option20",
    "Option21", "Option22", "Option25", "Check2"};

// Entering master mode: terminator clear, address 1, Speed 4 and Show 0.
inline constexpr Step kPresetSpeed4Show0[] = {clear("Check1"), setText1(), select("Option7"),
                                              select("Option8")};

// Entering master mode with lever 12 as the master lever: the address levers go OFF.
inline constexpr Step kMasterLever12[] = {off(1, 9), on(12)};

// Each tick clears the show and speed levers before drawing the selections.
inline constexpr Step kClearShowAndSpeed[] = {off(5, 8), off(1, 4)};

// Speed n puts lever n ON; Speed 0 none.
inline constexpr SelectionOption kSpeedLevers[] = {{"Option3", off(1)},
                                                   {"Option4", on(1)},
                                                   {"Option5", on(2)},
                                                   {"Option6", on(3)},
                                                   {"Option7", on(4)}};
inline constexpr SelectionMap kSpeedMaps[] = {kSpeedLevers};

// The show number on levers 8, 7, 6, 5, from its top bit.
inline constexpr ShowBit kShowOnLevers5To8[] = {{8, 8}, {4, 7}, {2, 6}, {1, 5}};

// The ORVO 75 and ORVO FLUO controllers alike. Back to DMX mode: levers 11 and 12 OFF, address
// 1, the 4-lever bank OFF, the pushbutton box clear.
inline constexpr Step kOrvoDmxEntry[] = {off(11),   off(12),    setText1(),     on(1),
                                         off(2, 9), off4(1, 4), clear("Check2")};

// Check1 "Res. 120 ohm": 4-bank lever 1. Check2 "Ext. pushbotton": 4-bank levers 2 and 3 with
// lever 11.
inline constexpr Step kOrvoTerminatorOn[] = {on4(1)};
inline constexpr Step kOrvoTerminatorOff[] = {off4(1)};
inline constexpr Step kOrvoPushbuttonOn[] = {on4(2), on4(3), on(11)};
inline constexpr Step kOrvoPushbuttonOff[] = {off4(2), off4(3), off(11)};
inline constexpr ClickProcedure kOrvoTerminator{"Check1", kOrvoTerminatorOn, kOrvoTerminatorOff};
inline constexpr ClickProcedure kOrvoPushbutton{"Check2", kOrvoPushbuttonOn, kOrvoPushbuttonOff};

// The fixtures' Check1 "120 ohm resistor": 4-bank lever 4.
inline constexpr Step kFixtureResistorOn[] = {on4(4)};
inline constexpr Step kFixtureResistorOff[] = {off4(4)};
inline constexpr ClickProcedure kFixtureResistor[] = {
    {"Check1", kFixtureResistorOn, kFixtureResistorOff}};

// The fixtures' 4-lever bank in DMX mode: ON, OFF, ON, OFF.
inline constexpr Step kFixtureDmxPattern[] = {on4(1), off4(2), on4(3), off4(4)};

} // namespace velantra::dip
