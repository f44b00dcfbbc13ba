#pragma once

#include <QImage>
#include <QString>

namespace velantra::ui
{

// Whether a screen of `ratio` device pixels per pixel shows the program's pictures drawn afresh
// rather than as their files: at any other ratio than 1, and in another language than the
// files' (they are drawn in English).
bool drawnAfresh(qreal ratio);

// A picture of the program's resources as a screen of `ratio` device pixels per pixel shows it:
// the file itself at 1; at other ratios, drawn afresh at that ratio where the program draws the
// picture itself (the data sheets, the show list, the logo), so that it stays sharp; any other
// picture as its file.
QImage pictureAt(const QString& resource, qreal ratio);

// The top-left `area` of a resource picture (all of it for an invalid area) at the ratio last
// asked for, drawn once per ratio.
class SharpPicture
{
public:
    SharpPicture(const QString& resource, QSize area) : resource_(resource), area_(area) {}
    const QImage& at(qreal ratio);
    // What a screen of `ratio` shows: `file`, the picture as read, where nothing is drawn afresh.
    const QImage& shown(const QImage& file, qreal ratio)
    {
        return drawnAfresh(ratio) ? at(ratio) : file;
    }

private:
    QString resource_;
    QSize area_;
    QImage image_;
    qreal ratio_ = 0;
};

} // namespace velantra::ui
