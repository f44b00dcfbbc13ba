#include "tests/support/guitest.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QTimer>
#include <algorithm>

// English whatever the desktop speaks, also when a test program is started by hand: the tests
// read the English texts, and a test of another language asks for it.
static void speakEnglish()
{
    qputenv("LANGUAGE", "en");
}
Q_CONSTRUCTOR_FUNCTION(speakEnglish)

namespace velantra::test
{

void typeInto(QWidget* window, const QString& box, const QString& text)
{
    auto* edit = child<QLineEdit>(window, box);
    edit->setFocus();
    edit->selectAll();
    if (text.isEmpty())
        QTest::keyClick(edit, Qt::Key_Backspace);
    else
        QTest::keyClicks(edit, text);
}

void paste(QWidget* window, const QString& box, const QString& text)
{
    auto* edit = child<QLineEdit>(window, box);
    edit->setFocus();
    edit->selectAll();
    edit->insert(text);
}

void typeMore(QWidget* window, const QString& box, const QString& text)
{
    auto* edit = child<QLineEdit>(window, box);
    edit->setFocus();
    edit->end(false);
    QTest::keyClicks(edit, text);
}

void click(QWidget* window, const QString& button)
{
    auto* target = child<QAbstractButton>(window, button);
    // Click on the indicator or caption, a few pixels in from the left and centred vertically.
    QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(6, target->height() / 2));
}

void tick(QWidget* window)
{
    auto* timer = child<QTimer>(window, QStringLiteral("Timer1"));
    QMetaObject::invokeMethod(timer, "timeout");
}

LeverLook lever(QWidget* window, int k, bool fourBank)
{
    const int upper = 2 * k + (fourBank ? 24 : 0);
    const auto shown = [&](int number) {
        return !child(window, QStringLiteral("Shape%1").arg(number))->isHidden();
    };
    return {shown(upper), shown(upper + 1)};
}

QString leversOn(QWidget* window, bool onIsLower, bool fourBank)
{
    QStringList on;
    for (int k = 1; k <= (fourBank ? 4 : 12); ++k) {
        const LeverLook look = lever(window, k, fourBank);
        if (look.upper == look.lower)
            on << QStringLiteral("?%1").arg(k);
        else if ((onIsLower ? look.lower : look.upper))
            on << QString::number(k);
    }
    return on.join(u',');
}

QString tabOrder(QWidget* from, int count)
{
    QStringList order;
    QWidget* at = from;
    while (order.size() < count) {
        if (at->focusPolicy() & Qt::TabFocus)
            order << at->objectName();
        at = at->nextInFocusChain();
    }
    return order.join(u' ');
}

QStringList clippedCaptions(QWidget* window)
{
    QStringList clipped;
    for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
        const bool isCheck = qobject_cast<QCheckBox*>(button) != nullptr;
        if (!isCheck && !qobject_cast<QRadioButton*>(button))
            continue;
        QStyle* style = button->style();
        const int indicator = style->pixelMetric(isCheck ? QStyle::PM_IndicatorWidth
                                                         : QStyle::PM_ExclusiveIndicatorWidth,
                                                 nullptr, button);
        const int spacing = style->pixelMetric(isCheck ? QStyle::PM_CheckBoxLabelSpacing
                                                       : QStyle::PM_RadioButtonLabelSpacing,
                                               nullptr, button);
        const int needed =
            indicator + spacing + button->fontMetrics().horizontalAdvance(button->text());
        if (needed > button->width() || button->fontMetrics().height() > button->height() + 2)
            clipped << button->objectName();
    }
    for (QLabel* label : window->findChildren<QLabel*>()) {
        const QFontMetrics metrics = label->fontMetrics();
        const bool roomForOneLineOnly = label->contentsRect().height() < 2 * metrics.height();
        if (roomForOneLineOnly &&
            metrics.horizontalAdvance(label->text()) > label->contentsRect().width())
            clipped << label->objectName();
    }
    for (QGroupBox* frame : window->findChildren<QGroupBox*>()) {
        if (frame->fontMetrics().horizontalAdvance(frame->title()) > frame->width())
            clipped << frame->objectName();
    }
    return clipped;
}

MessageBoxAnswerer::MessageBoxAnswerer()
{
    qApp->installEventFilter(this);
}

MessageBoxAnswerer::~MessageBoxAnswerer()
{
    qApp->removeEventFilter(this);
}

QStringList MessageBoxAnswerer::texts() const
{
    QStringList texts;
    for (const MessageBoxSeen& box : seen_)
        texts << box.text;
    return texts;
}

bool MessageBoxAnswerer::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Show) {
        if (auto* box = qobject_cast<QMessageBox*>(watched)) {
            // Answered from the box's own event loop, once exec() has started it.
            QTimer::singleShot(0, this, [this, box = QPointer<QMessageBox>(box)] {
                if (box)
                    answer(box);
            });
        }
    }
    return false;
}

void MessageBoxAnswerer::answer(QMessageBox* box)
{
    if (whileOpen_)
        whileOpen_();
    seen_.append({box->windowTitle(), box->text(), box->icon(), box->standardButtons(),
                  box->isModal() && QApplication::activeModalWidget() == box});
    QAbstractButton* button = box->button(QMessageBox::Ok);
    if (!button)
        button = box->defaultButton();
    if (!button && !box->buttons().isEmpty())
        button = box->buttons().constFirst();
    if (button)
        QTest::mouseClick(button, Qt::LeftButton);
    else
        box->reject();
}

ProgramFixture::ProgramFixture()
    : registry_(std::make_unique<WindowRegistry>()), main_(std::make_unique<Main>(*registry_))
{
    main_->show();
}

ProgramFixture::~ProgramFixture()
{
    registry_->closeAll();
}

void ProgramFixture::trigger(const QString& menuItem)
{
    child<QAction>(main_.get(), menuItem)->trigger();
    QApplication::processEvents();
}

QWidget* ProgramFixture::open(const QString& menuItem, WindowId expected)
{
    trigger(menuItem);
    QWidget* window = registry_->window(expected);
    if (!window || !window->isVisible())
        qFatal("menu item %s did not show its window", qPrintable(menuItem));
    return window;
}

void addWindowRows(std::initializer_list<WindowKind> kinds)
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<int>("id");
    for (const WindowEntry& entry : kWindows) {
        if (kinds.size() && std::find(kinds.begin(), kinds.end(), entry.kind) == kinds.end())
            continue;
        const QByteArray item(entry.menu.first.data(), qsizetype(entry.menu.first.size()));
        QTest::newRow(item.constData()) << QString::fromLatin1(item) << int(entry.id);
    }
}

#if defined(Q_OS_WIN)
namespace
{

QFont hintedVertically(QFont font)
{
    font.setHintingPreference(QFont::PreferVerticalHinting);
    return font;
}

// Windows get the program's font when polished; this follows once they show.
class VerticalHinter : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show && watched->isWidgetType()) {
            auto* widget = static_cast<QWidget*>(watched);
            if (widget->isWindow() &&
                widget->font().hintingPreference() != QFont::PreferVerticalHinting)
                widget->setFont(hintedVertically(widget->font()));
        }
        return false;
    }
};

} // namespace
#endif

void hintAsOnDebian()
{
#if defined(Q_OS_WIN)
    // FreeType on the offscreen platform hints fully there, which moves a descender's ink a
    // pixel lower than on Debian.
    QGuiApplication::setFont(hintedVertically(QGuiApplication::font()));
    QCoreApplication::instance()->installEventFilter(
        new VerticalHinter(QCoreApplication::instance()));
#endif
}

QStringList argumentsWithoutWarningLimit(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    if (!arguments.contains(QStringLiteral("-maxwarnings")))
        arguments << QStringLiteral("-maxwarnings") << QStringLiteral("0");
    return arguments;
}

} // namespace velantra::test
