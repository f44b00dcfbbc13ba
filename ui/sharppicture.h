#pragma once

#include <QImage>
#include <QString>

namespace velantra::ui
{

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

private:
    QString resource_;
    QSize area_;
    QImage image_;
    qreal ratio_ = 0;
};

} // namespace velantra::ui
