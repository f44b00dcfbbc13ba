#pragma once

// Draws a setting card or a budget report on one page with QPainter, so that the PDF writer, the
// printer and an image show the same drawing. The page is laid out on an A4 sheet of 595 × 842
// units (points) and scaled to fit the rectangle given, keeping its proportions.

#include "cards/powerreport.h"
#include "cards/settingcard.h"

#include <QRectF>

class QPainter;

namespace velantra::cards
{

inline constexpr double kPageWidth = 595;
inline constexpr double kPageHeight = 842;

// Each returns how far down the page the drawing reaches, in page units.
double paintCard(QPainter& painter, const QRectF& page, const SettingCard& card);
double paintReport(QPainter& painter, const QRectF& page, const PowerReport& report);

} // namespace velantra::cards
