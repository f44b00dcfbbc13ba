#include "ui/standardlook.h"

#include <QApplication>
#include <QEvent>
#include <QScreen>
#include <QStyle>
#include <QStyleFactory>
#include <QWidget>
#include <array>

namespace velantra::ui
{
namespace
{

constexpr double kStandardDpi = 96;
constexpr double kStandardPoints = 8;
constexpr char kStandardFamily[] = "Arial";
constexpr char kStandardStyle[] = "Windows";

// ARGB of each colour role, in QPalette's order, for the active, disabled and inactive groups:
// what the program shows on a desktop without a platform theme of its own.
constexpr std::array<std::array<QRgb, 3>, QPalette::NColorRoles> kPalette{{
    {0xFF000000u, 0xFFBEBEBEu, 0xFF000000u}, // WindowText
    {0xFFEFEFEFu, 0xFFEFEFEFu, 0xFFEFEFEFu}, // Button
    {0xFFFFFFFFu, 0xFFFFFFFFu, 0xFFFFFFFFu}, // Light
    {0xFFCACACAu, 0xFFCACACAu, 0xFFCACACAu}, // Midlight
    {0xFF9F9F9Fu, 0xFFBEBEBEu, 0xFF9F9F9Fu}, // Dark
    {0xFFB8B8B8u, 0xFFB8B8B8u, 0xFFB8B8B8u}, // Mid
    {0xFF000000u, 0xFFBEBEBEu, 0xFF000000u}, // Text
    {0xFFFFFFFFu, 0xFFFFFFFFu, 0xFFFFFFFFu}, // BrightText
    {0xFF000000u, 0xFFBEBEBEu, 0xFF000000u}, // ButtonText
    {0xFFFFFFFFu, 0xFFEFEFEFu, 0xFFFFFFFFu}, // Base
    {0xFFEFEFEFu, 0xFFEFEFEFu, 0xFFEFEFEFu}, // Window
    {0xFF767676u, 0xFFB1B1B1u, 0xFF767676u}, // Shadow
    {0xFF308CC6u, 0xFF919191u, 0xFF308CC6u}, // Highlight
    {0xFFFFFFFFu, 0xFFFFFFFFu, 0xFFFFFFFFu}, // HighlightedText
    {0xFF0000FFu, 0xFF0000FFu, 0xFF0000FFu}, // Link
    {0xFFFF00FFu, 0xFFFF00FFu, 0xFFFF00FFu}, // LinkVisited
    {0xFFF7F7F7u, 0xFFF7F7F7u, 0xFFF7F7F7u}, // AlternateBase
    {0xFF000000u, 0xFF000000u, 0xFF000000u}, // NoRole
    {0xFFFFFFDCu, 0xFFFFFFDCu, 0xFFFFFFDCu}, // ToolTipBase
    {0xFF000000u, 0xFF000000u, 0xFF000000u}, // ToolTipText
    {0x80000000u, 0x80000000u, 0x80000000u}, // PlaceholderText
}};

constexpr std::array<QPalette::ColorGroup, 3> kGroups{QPalette::Active, QPalette::Disabled,
                                                      QPalette::Inactive};

void setStandardStyle()
{
    QApplication::setStyle(QStyleFactory::create(QString::fromLatin1(kStandardStyle)));
}

// Gives every window that nobody gave a font of its own the standard look before it is first
// shown: the windows Qt opens for the program's windows do not inherit their parent's look.
// A theme that sets its own style for the application after start-up gets the standard style
// back once its change is done.
class StandardLookKeeper : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (!watched->isWidgetType())
            return false;
        auto* widget = static_cast<QWidget*>(watched);
        if (event->type() == QEvent::Polish && widget->isWindow() &&
            !widget->testAttribute(Qt::WA_SetFont))
            keepStandardLook(widget);
        if (event->type() == QEvent::Polish || event->type() == QEvent::StyleChange)
            restoreStyleIfReplaced();
        return false;
    }

private:
    void restoreStyleIfReplaced()
    {
        if (restoring_ || QApplication::style()->name().compare(QString::fromLatin1(kStandardStyle),
                                                                Qt::CaseInsensitive) == 0)
            return;
        restoring_ = true;
        QMetaObject::invokeMethod(
            this,
            [this] {
                setStandardStyle();
                restoring_ = false;
            },
            Qt::QueuedConnection);
    }

    bool restoring_ = false;
};

} // namespace

QPalette standardPalette()
{
    QPalette palette;
    for (int role = 0; role < QPalette::NColorRoles; ++role) {
        for (std::size_t group = 0; group < kGroups.size(); ++group)
            palette.setColor(kGroups[group], QPalette::ColorRole(role),
                             QColor::fromRgba(kPalette[std::size_t(role)][group]));
    }
    return palette;
}

void setStandardSize(QFont& font, double points)
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    const double dpi = screen ? screen->logicalDotsPerInchY() : kStandardDpi;
    font.setPointSizeF(points * kStandardDpi / dpi);
}

QFont standardFont()
{
    QFont font(QString::fromLatin1(kStandardFamily));
    setStandardSize(font, kStandardPoints);
    font.setResolveMask(QFont::AllPropertiesResolved);
    return font;
}

void keepStandardLook(QWidget* window)
{
    window->setPalette(standardPalette());
    window->setFont(standardFont());
}

void useStandardLook(QApplication& app)
{
    setStandardStyle();
    QApplication::setPalette(standardPalette());
    QApplication::setFont(standardFont());
    app.installEventFilter(new StandardLookKeeper(&app));
}

} // namespace velantra::ui
