#pragma once

#include "ui/layouttable.h"

#include <QColor>
#include <QPalette>
#include <QRect>

class QWidget;

namespace velantra::ui
{

// Maps a 0x00BBGGRR colour, or a 0x800000nn system colour, onto a colour of the palette.
QColor toQColor(Colour colour, const QPalette& palette);

QRect toPixels(Twips rect);
constexpr int toPixels(int twips)
{
    return twips / kTwipsPerPixel;
}

// Colours that procedures set and compare go through the palette so that they read back exactly.
void setBackground(QWidget* widget, const QColor& colour);
QColor background(const QWidget* widget);
void setForeground(QWidget* widget, const QColor& colour);

} // namespace velantra::ui
