#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>

namespace velantra::artwork
{

// A Windows icon file holding the given square pictures, smallest first: uncompressed 32-bit
// entries for the small sizes (every Windows and Wine reads them), a PNG entry for 256 pixels.
QByteArray icoFile(const QList<QImage>& pictures);

} // namespace velantra::artwork
