// Writes the texts of the configurator and power windows as the desktop program shows them (the
// window's caption and every named control's kind, text and state after loading) to a JSON file
// that the web page reads, so that the page's captions, options and messages are the desktop's:
//   velantra-webtexts <file>            writes the file
//   velantra-webtexts --check <file>    fails if the file differs from what it would write
#include "app/windowcatalogue.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QGroupBox>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <cstdio>
#include <memory>

using namespace velantra;

namespace
{

QString kindOf(const QWidget* control)
{
    if (qobject_cast<const QRadioButton*>(control))
        return QStringLiteral("option");
    if (qobject_cast<const QCheckBox*>(control))
        return QStringLiteral("check");
    if (qobject_cast<const QPushButton*>(control))
        return QStringLiteral("button");
    if (qobject_cast<const QGroupBox*>(control))
        return QStringLiteral("frame");
    if (qobject_cast<const QLineEdit*>(control))
        return QStringLiteral("text");
    if (qobject_cast<const QLabel*>(control))
        return QStringLiteral("label");
    return {};
}

QString textOf(const QWidget* control)
{
    if (const auto* button = qobject_cast<const QAbstractButton*>(control))
        return button->text();
    if (const auto* frame = qobject_cast<const QGroupBox*>(control))
        return frame->title();
    if (const auto* edit = qobject_cast<const QLineEdit*>(control))
        return edit->text();
    return qobject_cast<const QLabel*>(control)->text();
}

// Shown: not hidden and within the client area (some windows keep controls beyond it).
bool isShown(const QWidget* window, const QWidget* control)
{
    if (control->isHidden())
        return false;
    const QWidget* top = control;
    while (top->parentWidget() != window)
        top = top->parentWidget();
    return window->rect().intersects(top->geometry());
}

QJsonObject describe(const QWidget* window)
{
    QJsonArray controls;
    for (const QWidget* control : window->findChildren<QWidget*>()) {
        const QString kind = kindOf(control);
        if (control->objectName().isEmpty() || kind.isEmpty())
            continue;
        QJsonObject row{{QStringLiteral("name"), control->objectName()},
                        {QStringLiteral("kind"), kind},
                        {QStringLiteral("text"), textOf(control)},
                        {QStringLiteral("shown"), isShown(window, control)},
                        {QStringLiteral("enabled"), control->isEnabled()}};
        if (const auto* button = qobject_cast<const QAbstractButton*>(control);
            button && button->isCheckable())
            row.insert(QStringLiteral("checked"), button->isChecked());
        if (const auto* parent = qobject_cast<const QGroupBox*>(control->parentWidget()))
            row.insert(QStringLiteral("frame"), parent->objectName());
        controls.append(row);
    }
    return {{QStringLiteral("caption"), window->windowTitle()},
            {QStringLiteral("controls"), controls}};
}

QByteArray allTexts()
{
    QJsonObject windows;
    for (const WindowEntry& entry : kWindows) {
        if (entry.kind != WindowKind::Configurator && entry.kind != WindowKind::Power)
            continue;
        const std::unique_ptr<QWidget> window(entry.create());
        windows.insert(QString::fromUtf8(entry.name.data(), qsizetype(entry.name.size())),
                       describe(window.get()));
    }
    return QJsonDocument(windows).toJson(QJsonDocument::Indented);
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    const bool check = args.size() == 3 && args[1] == QStringLiteral("--check");
    if (args.size() != 2 && !check) {
        std::fprintf(stderr, "usage: %s [--check] <file>\n", argv[0]);
        return 2;
    }
    const QByteArray texts = allTexts();
    QFile file(args.last());
    if (check) {
        if (!file.open(QIODevice::ReadOnly) || file.readAll() != texts) {
            std::fprintf(stderr, "%s is not what the windows show: run make web-texts\n",
                         qPrintable(file.fileName()));
            return 1;
        }
        return 0;
    }
    if (!file.open(QIODevice::WriteOnly) || file.write(texts) != texts.size() || !file.flush()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(file.fileName()));
        return 1;
    }
    return 0;
}
