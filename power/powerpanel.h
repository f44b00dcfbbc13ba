#pragma once

// What a power budget reads from and writes to its window. The budget holds the state and the
// order of every step; the window binds these operations to its controls.

#include <string>
#include <string_view>

namespace velantra::power
{

// The four outputs; each has one column of input boxes (Text1 … Text4).
enum class Output { CC1, CC2, CV1, CV2 };

// The read-only figure boxes.
enum class Readout {
    LedCC1,   // Text57
    LedCC2,   // Text58
    PowerCC1, // Text59
    PowerCC2, // Text60
    PowerCV1, // Text62
    PowerCV2, // Text61
    Total,    // Text63
};

// The output current chosen for a CC output, in mA.
enum class Current { mA350, mA700, mA1000 };

// Background of an input box: usable (window background) or blocked (grey).
enum class BoxLook { Usable, Blocked };

class PowerPanel
{
public:
    virtual ~PowerPanel() = default;

    // Input box `row` (1 … 14) of an output's column.
    virtual std::u16string boxText(Output column, int row) const = 0;
    // Empties the box. A box that held text changes, which runs its column's change procedure
    // at once, nested; an empty box stays as it is and nothing runs.
    virtual void clearBox(Output column, int row) = 0;
    virtual void setBoxEnabled(Output column, int row, bool enabled) = 0;
    virtual void setBoxLook(Output column, int row, BoxLook look) = 0;

    virtual void setReadoutText(Readout box, std::u16string_view text) = 0;
    // The LED and total boxes are white, or red while their limit is exceeded.
    virtual void setReadoutRed(Readout box, bool red) = 0;
    virtual bool readoutIsWhite(Readout box) const = 0;

    // The caption that names the kind of total shown.
    virtual void setTotalCaption(std::string_view caption) = 0;

    // Shows a warning and returns when the user has closed it.
    virtual void warn(std::string_view message) = 0;

    // Deselects "Nominal power" and selects "Average power", which runs its click procedure.
    virtual void selectAverageMode() = 0;
    virtual void selectCurrent(Output cc, Current current) = 0;
    virtual bool isCurrentSelected(Output cc, Current current) const = 0;
};

} // namespace velantra::power
