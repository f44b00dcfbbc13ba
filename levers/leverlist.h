#pragma once

// Levers as people write them: "3,4,6,9,11", "3, 4, 6" as a card prints them, or "none".

#include "devices/leverscheme.h"

#include <QString>
#include <cstdint>
#include <string>

namespace velantra::levers
{

struct LeverList {
    std::uint32_t on = 0; // bit k−1: lever k ON
    QString error;        // why the text is no list of levers 1 … bankSize, or empty
};

LeverList parseLeverList(const QString& text, int bankSize);

// "DMX address 5, stand-alone", "DMX address none".
std::string schemeReadingText(const SchemeReading& reading);

} // namespace velantra::levers
