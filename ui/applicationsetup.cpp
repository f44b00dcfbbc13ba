#include "ui/applicationsetup.h"

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

} // namespace velantra
