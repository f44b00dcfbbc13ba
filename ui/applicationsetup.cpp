#include "ui/applicationsetup.h"

#include "i18n/language.h"
#include "ui/accessibility.h"
#include "ui/appicon.h"
#include "ui/standardlook.h"

#include <QApplication>
#include <QSettings>

namespace velantra
{
namespace
{

void keepNoDialogState()
{
    // Qt's own file and print dialogs record their folder history in Qt's settings file; this
    // program keeps no state, so those settings point where nothing can ever be written.
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                       QStringLiteral("/proc/velantra-keeps-no-settings"));
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope,
                       QStringLiteral("/proc/velantra-keeps-no-settings"));
}

} // namespace

void setUpApplication(QApplication& app)
{
    QApplication::setApplicationName(QStringLiteral("velantra"));
    i18n::installInto(app); // the language chosen for this run, Qt's own dialogs included
    // Layouts name the classic Windows faces; these are their metric-compatible stand-ins.
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
    ui::useStandardLook(app);
    app.setWindowIcon(ui::applicationIcon());
    ui::installAccessibility();
    keepNoDialogState();
}

} // namespace velantra
