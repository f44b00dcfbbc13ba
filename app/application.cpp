#include "app/application.h"

#include "ui/accessibility.h"
#include "ui/appicon.h"
#include "ui/standardlook.h"

#include <QApplication>

namespace velantra
{

void setUpApplication(QApplication& app)
{
    QApplication::setApplicationName(QStringLiteral("velantra"));
    // Layouts name the classic Windows faces; these are their metric-compatible stand-ins.
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
    ui::useStandardLook(app);
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
