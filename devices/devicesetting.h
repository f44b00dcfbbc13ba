#pragma once

// What an installer chooses on one configurator, as plain data: the setting a card is made from,
// a rig plan row holds, and the command line reads. It is applied to a configurator window
// through the window's own controls, so the lever logic lives only in the configurator engine.

#include <optional>
#include <string>

namespace velantra
{

// The five device families that have a configurator window.
enum class Device { Orvo75, Orvo36, Fluo, Intell, Dor };

struct DeviceSetting {
    Device device = Device::Orvo75;
    bool master = false;
    // DMX slave mode.
    int address = 1;             // 1–511
    std::optional<int> channels; // ORVO 75 only: 3 or 6; none chosen when empty
    bool terminator = false;     // the 120 ohm line terminator / resistor
    // Master mode.
    bool pushbutton = false;  // ORVO 75, ORVO 36, ORVO FLUO
    std::optional<int> speed; // 0–4, not on DOR; the window's preset when empty
    std::optional<int> show;  // 0–15, not on DOR; the window's preset when empty
    std::optional<int> tune;  // DOR only: CCT 0–9; the window's preset when empty
    // Either mode.
    bool modulation = false; // ORVO FLUO only: "1-100 % Modulation"
    friend bool operator==(const DeviceSetting&, const DeviceSetting&) = default;
};

} // namespace velantra
