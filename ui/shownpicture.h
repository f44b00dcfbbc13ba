#pragma once

#include <QElapsedTimer>
#include <QImage>
#include <QSize>
#include <QString>
#include <QTimer>

namespace velantra::ui
{

// Whether a screen of `ratio` device pixels per pixel shows the program's pictures drawn afresh
// rather than as their files: at any other ratio than 1, and in another language than the
// files' (they are drawn in English).
bool drawnAfresh(qreal ratio);

// Reads a picture of the program's resources as the format its name ends in. Left to find the
// format itself, Qt's reader first asks every image plugin whether it reads the file, loading
// decoders the program never uses (GIF, ICO, and JPEG for a PNG).
QImage readResource(const QString& resource, QSize clip = QSize());

// A picture of the program's resources as a screen of `ratio` device pixels per pixel shows it:
// the file itself at 1; at other ratios, drawn afresh at that ratio where the program draws the
// picture itself (the data sheets, the show list, the logo), so that it stays sharp; any other
// picture as its file.
QImage pictureAt(const QString& resource, qreal ratio);

// The top-left `area` of a resource picture (all of it for an invalid area) as a widget shows it
// at a ratio, read when the widget paints and let go when it has painted. A window that stays
// open holds none of it: its pixels are in the window system's buffer, and a repaint (a resize,
// another screen) reads it again in a few milliseconds. Paints that follow one another, as while
// the window is dragged larger, keep it until they stop for a moment, so that it is read once.
class ShownPicture
{
public:
    static constexpr int kReleaseDelayMs = 100;
    ShownPicture(const QString& resource, QSize area);
    bool isEmpty() const { return resource_.isEmpty(); }
    // The picture for a paint at `ratio`, read unless it is held.
    const QImage& at(qreal ratio);
    // Called at the end of the owner's paint: a lone paint lets the picture go as soon as it has
    // been delivered, one of a series once the owner has not painted for a moment.
    void painted();
    bool isHeld() const { return !image_.isNull(); }
    // The picture at `ratio`, read afresh, whether or not one is held.
    QImage read(qreal ratio) const;

private:
    void letGo();

    QString resource_;
    QSize area_;
    QImage image_;
    qreal ratio_ = 0;
    QTimer release_;
    QElapsedTimer sinceLastPaint_;
};

} // namespace velantra::ui
