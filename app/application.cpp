#include "app/application.h"

#include "ui/accessibility.h"
#include "ui/appicon.h"

#include <QApplication>
#include <QStyleFactory>

namespace velantra
{

void setUpApplication(QApplication& app)
{
    QApplication::setApplicationName(QStringLiteral("velantra"));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Windows")));
    // Layouts name the classic Windows faces; these are their metric-compatible stand-ins.
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(8);
    QApplication::setFont(font);
    app.setWindowIcon(ui::applicationIcon());
    ui::installAccessibility();
}

int runWindows(QApplication& app)
{
    WindowRegistry registry;
    Main main(registry);
    main.show();
    return app.exec();
}

} // namespace velantra
