#include "ui/layoutbuilder.h"

#include "i18n/language.h"
#include "ui/accessibility.h"
#include "ui/colours.h"
#include "ui/optionbutton.h"
#include "ui/picturebox.h"
#include "ui/qstr.h"
#include "ui/shape.h"
#include "ui/standardlook.h"
#include "ui/textbox.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <algorithm>
#include <vector>

namespace velantra::ui
{
namespace
{

constexpr int kTimerIntervalMs = 500;

// What the user reads: the table's English text in the language of the run.
QString caption(const Control& c)
{
    return i18n::text(i18n::context::kLayout, c.caption);
}

Qt::Alignment alignmentOf(const Control& c)
{
    if (c.flags & Centred)
        return Qt::AlignHCenter;
    if (c.flags & RightAligned)
        return Qt::AlignRight;
    return Qt::AlignLeft;
}

QWidget* createLabel(const Control& c, QWidget* parent)
{
    auto* label = new QLabel(caption(c), parent);
    label->setWordWrap(true);
    label->setAlignment(alignmentOf(c) | Qt::AlignTop);
    if (c.flags & Border) {
        label->setFrameShape(QFrame::Box);
        label->setLineWidth(1);
    }
    return label;
}

QWidget* createTextBox(const Control& c, QWidget* parent)
{
    auto* box = new QLineEdit(caption(c), parent);
    box->setReadOnly(c.flags & ReadOnly);
    box->setAlignment((c.flags & Centred) ? Qt::AlignCenter : (alignmentOf(c) | Qt::AlignVCenter));
    box->setCursorPosition(0);
    showBeginningWhenIdle(box);
    return box;
}

// One exclusive group per container, so that a mode button never clears a speed or a show.
QButtonGroup* groupFor(QWidget* container)
{
    auto* group = container->findChild<QButtonGroup*>(QString(), Qt::FindDirectChildrenOnly);
    if (!group) {
        group = new QButtonGroup(container);
        group->setExclusive(true);
    }
    return group;
}

QWidget* createControl(const Control& c, QWidget* parent)
{
    switch (c.kind) {
    case Kind::Label:
        return createLabel(c, parent);
    case Kind::TextBox:
        return createTextBox(c, parent);
    case Kind::Frame:
        return new QGroupBox(caption(c), parent);
    case Kind::Option: {
        auto* button = new OptionButton(caption(c), parent);
        groupFor(parent)->addButton(button);
        return button;
    }
    case Kind::Check:
        return new QCheckBox(caption(c), parent);
    case Kind::Button:
        return new QPushButton(caption(c), parent);
    case Kind::Picture: {
        auto* box = new PictureBox(qstr(c.caption), toPixels(c.rect).size(), parent);
        box->setBordered(c.flags & Border);
        return box;
    }
    case Kind::Rectangle:
    case Kind::Bar:
    case Kind::Circle:
    case Kind::SolidRectangle:
        return new Shape(c.kind, toQColor(c.background, parent->palette()), parent);
    case Kind::Timer:
        break;
    }
    return nullptr;
}

void applyState(const Control& c, QWidget* w)
{
    w->setObjectName(qstr(c.name));
    if (!c.accessibleName.empty())
        w->setAccessibleName(i18n::text(i18n::context::kLayout, c.accessibleName));
    w->setGeometry(toPixels(c.rect));
    if (!c.font.isDefault()) {
        QFont font(qstr(c.font.family));
        setStandardSize(font, c.font.points);
        font.setWeight(QFont::Weight(c.font.weight));
        w->setFont(font);
    }
    const bool isShape = qobject_cast<Shape*>(w) != nullptr;
    if (c.background != kDefaultColour && !isShape)
        setBackground(w, toQColor(c.background, w->palette()));
    if (c.foreground != kDefaultColour)
        setForeground(w, toQColor(c.foreground, w->palette()));
    if (c.flags & Checked) {
        if (auto* button = qobject_cast<QAbstractButton*>(w))
            button->setChecked(true);
    }
    if (c.flags & Disabled)
        w->setEnabled(false);
    if (c.flags & Hidden)
        w->hide();
    if (c.flags & Alert)
        markAsAlert(w);
}

bool takesFocus(Kind kind)
{
    return kind == Kind::TextBox || kind == Kind::Option || kind == Kind::Check ||
           kind == Kind::Button;
}

} // namespace

QObject* Controls::find(QStringView name) const
{
    return byName_.value(name.toString());
}

QWidget* Controls::widget(QStringView name) const
{
    return qobject_cast<QWidget*>(find(name));
}

void Controls::add(QObject* object)
{
    byName_.insert(object->objectName(), object);
}

Controls buildLayout(QWidget* client, std::span<const Control> table)
{
    Controls controls;
    std::vector<std::pair<const Control*, QWidget*>> built;
    built.reserve(table.size());

    for (const Control& c : table) {
        if (c.kind == Kind::Timer) {
            auto* timer = new QTimer(client);
            timer->setObjectName(qstr(c.name));
            timer->setInterval(kTimerIntervalMs);
            controls.add(timer);
            continue;
        }
        QWidget* parent = c.parent.empty() ? client : controls.widget(qstr(c.parent));
        if (!parent)
            qFatal("%s: its frame %s must come before it", qPrintable(qstr(c.name)),
                   qPrintable(qstr(c.parent)));
        QWidget* w = createControl(c, parent);
        applyState(c, w);
        controls.add(w);
        built.emplace_back(&c, w);
    }

    // Earlier rows lie in front: raise from the last row to the first.
    for (auto it = built.rbegin(); it != built.rend(); ++it)
        it->second->raise();

    std::vector<std::pair<const Control*, QWidget*>> focusChain;
    for (const auto& entry : built) {
        if (takesFocus(entry.first->kind) && entry.first->tab >= 0)
            focusChain.push_back(entry);
    }
    std::stable_sort(focusChain.begin(), focusChain.end(),
                     [](const auto& a, const auto& b) { return a.first->tab < b.first->tab; });
    for (std::size_t i = 1; i < focusChain.size(); ++i)
        QWidget::setTabOrder(focusChain[i - 1].second, focusChain[i].second);
    if (!focusChain.empty())
        focusChain.front().second->setFocus();
    return controls;
}

void setUpWindow(QWidget* window, const WindowSpec& spec)
{
    window->setObjectName(qstr(spec.name));
    window->setWindowTitle(i18n::text(i18n::context::kLayout, spec.caption));
    keepStandardLook(window);
    // No icon of its own: a window shows the application's, decoded once for all of them.
    if (spec.sizable) {
        window->setWindowFlags(Qt::Window);
    } else {
        window->setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                               Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    }
    const QSize client(toPixels(spec.client.width), toPixels(spec.client.height));
    if (spec.client.left >= 0 && spec.client.top >= 0)
        window->setGeometry(
            QRect(QPoint(toPixels(spec.client.left), toPixels(spec.client.top)), client));
    else
        window->resize(client);
    if (!spec.sizable)
        window->setFixedSize(client);
    if (spec.background != kButtonFace)
        setBackground(window, toQColor(spec.background, window->palette()));
}

void deselect(QRadioButton* button)
{
    if (!button->isChecked())
        return;
    QButtonGroup* group = button->group();
    const bool exclusive = group && group->exclusive();
    if (exclusive)
        group->setExclusive(false);
    button->setChecked(false);
    if (exclusive)
        group->setExclusive(true);
}

} // namespace velantra::ui
