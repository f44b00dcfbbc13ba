#include "ui/colours.h"

#include <QWidget>

namespace velantra::ui
{

QColor toQColor(Colour colour, const QPalette& palette)
{
    if (colour & 0x80000000u) {
        switch (colour & 0xFFu) {
        case 0x05:
            return palette.color(QPalette::Base);
        case 0x08:
            return palette.color(QPalette::Text);
        case 0x09:
            return palette.color(QPalette::HighlightedText);
        case 0x0A:
            return palette.color(QPalette::Midlight);
        case 0x0E:
            return palette.color(QPalette::HighlightedText);
        default:
            return palette.color(QPalette::Button);
        }
    }
    return QColor(int(colour & 0xFF), int((colour >> 8) & 0xFF), int((colour >> 16) & 0xFF));
}

QRect toPixels(Twips r)
{
    return QRect(toPixels(r.left), toPixels(r.top), toPixels(r.width), toPixels(r.height));
}

void setBackground(QWidget* widget, const QColor& colour)
{
    QPalette palette = widget->palette();
    palette.setColor(widget->backgroundRole(), colour);
    // The text keeps its colour too, so that no theme's text colour lands on this background.
    const QPalette::ColorRole text = widget->foregroundRole();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Disabled, QPalette::Inactive})
        palette.setColor(group, text, palette.color(group, text));
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

QColor background(const QWidget* widget)
{
    return widget->palette().color(widget->backgroundRole());
}

void setForeground(QWidget* widget, const QColor& colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::Text, colour);
    widget->setPalette(palette);
}

} // namespace velantra::ui
