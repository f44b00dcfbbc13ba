#pragma once

// What a user reads off a power window, by control name.

#include "tests/support/guitest.h"
#include "ui/colours.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace velantra::test
{

inline QString textOf(QWidget* w, const QString& box)
{
    return child<QLineEdit>(w, box)->text();
}

inline QColor backgroundOf(QWidget* w, const QString& name)
{
    return ui::background(child(w, name));
}

inline bool isRed(QWidget* w, const QString& box)
{
    return backgroundOf(w, box) == QColor(255, 0, 0);
}

inline bool isWhite(QWidget* w, const QString& box)
{
    return backgroundOf(w, box) == QColor(255, 255, 255);
}

inline bool isChecked(QWidget* w, const QString& button)
{
    return child<QAbstractButton>(w, button)->isChecked();
}

// "led1 led2 | cc1 cc2 cv1 cv2 | total" as the figure boxes show them.
inline QString figures(QWidget* w)
{
    return QStringLiteral("%1 %2 | %3 %4 %5 %6 | %7")
        .arg(textOf(w, "Text57"), textOf(w, "Text58"), textOf(w, "Text59"), textOf(w, "Text60"),
             textOf(w, "Text62"), textOf(w, "Text61"), textOf(w, "Text63"));
}

// "R" or "w" for each of Text57, Text58 and Text63.
inline QString alarms(QWidget* w)
{
    QString look;
    for (const char* box : {"Text57", "Text58", "Text63"})
        look += isRed(w, box) ? u'R' : isWhite(w, box) ? u'w' : u'?';
    return look;
}

// The rows of a column (Text1 … Text4) as the current rules leave them: "1-13" and "14" list
// usable rows (enabled, window background); a blocked row (empty, disabled, grey) is left out;
// anything else is marked with "?".
inline QString usableRows(QWidget* w, int column)
{
    const QColor grey(0xC0, 0xC0, 0xC0);
    const QColor usable = w->palette().color(QPalette::Base);
    QStringList rows;
    for (int row = 1; row <= 14; ++row) {
        auto* box = child<QLineEdit>(w, QStringLiteral("Text%1(%2)").arg(column).arg(row));
        const QColor back = ui::background(box);
        if (box->isEnabled() && back == usable)
            rows << QString::number(row);
        else if (box->isEnabled() || back != grey || !box->text().isEmpty())
            rows << QStringLiteral("?%1").arg(row);
    }
    return rows.join(u',').replace("1,2,3,4,5,6,7,8,9,10,11,12,13", "1-13");
}

// Types entries such as "Text1(5)=3, Text3(3)=5" one after the other, key by key; an entry
// that ends in " pasted" is pasted as one change instead.
inline void enter(QWidget* w, const QString& entries)
{
    for (const QString& entry : entries.split(u',', Qt::SkipEmptyParts)) {
        const qsizetype equals = entry.indexOf(u'=');
        const QString box = entry.left(equals).trimmed();
        QString text = entry.mid(equals + 1);
        if (text.endsWith(" pasted"))
            paste(w, box, text.chopped(7));
        else
            typeInto(w, box, text);
    }
}

// The window's own controls (not those inside frames) in creation order: the first created lies
// in front, so this is the stacking order from the front.
inline QStringList creationOrder(QWidget* w)
{
    QStringList names;
    const QObjectList children = w->children();
    for (auto it = children.crbegin(); it != children.crend(); ++it) {
        if ((*it)->isWidgetType())
            names << (*it)->objectName();
    }
    return names;
}

// The controls that Tab reaches, once round the focus chain from `from`; with enabledOnly, only
// the enabled ones.
inline QStringList focusChain(QWidget* w, const QString& from, bool enabledOnly = false)
{
    QWidget* const start = child(w, from);
    QStringList chain;
    QWidget* at = start;
    do {
        if ((at->focusPolicy() & Qt::TabFocus) && (at->isEnabled() || !enabledOnly))
            chain << at->objectName();
        at = at->nextInFocusChain();
    } while (at != start && chain.size() < 200);
    return chain;
}

// The controls whose caption is cut off at any side, by a stricter measure than
// clippedCaptions(): a label's caption is drawn on one line from the top of its contents and its
// ink must lie within the label; push buttons count too.
inline QStringList captionsCutOff(QWidget* w)
{
    QStringList clipped;
    for (auto* label : w->findChildren<QLabel*>()) {
        if (label->text().isEmpty())
            continue;
        const QFontMetrics metrics(label->font());
        const QRect ink = metrics.tightBoundingRect(label->text());
        const int baseline = label->contentsRect().top() + metrics.ascent();
        if (metrics.horizontalAdvance(label->text()) > label->contentsRect().width() ||
            baseline + ink.top() < 0 || baseline + ink.bottom() >= label->height())
            clipped << label->objectName();
    }
    for (auto* button : w->findChildren<QAbstractButton*>()) {
        const int needed = qobject_cast<QPushButton*>(button)
                               ? button->fontMetrics().horizontalAdvance(button->text()) + 8
                               : button->sizeHint().width();
        if (needed > button->width())
            clipped << button->objectName();
    }
    // A frame's title starts 8 pixels in and needs a little room before the frame's right edge.
    for (auto* frame : w->findChildren<QGroupBox*>()) {
        if (frame->fontMetrics().horizontalAdvance(frame->title()) + 12 > frame->width())
            clipped << frame->objectName();
    }
    return clipped;
}

} // namespace velantra::test
