#pragma once

// Reading the files the cards are written to as a user's tools do: the text of a PDF through
// pdftotext, its first page as an image through pdftoppm (poppler-utils).

#include <QImage>
#include <QString>
#include <optional>

namespace velantra::test
{

// The PDF's text, laid out as on the page; nothing when pdftotext is not installed.
std::optional<QString> pdfText(const QString& pdf);

// The first page rendered at 50 dots per inch; nothing when pdftoppm is not installed.
std::optional<QImage> pdfPage(const QString& pdf);

// The names of the files in a folder.
QStringList filesIn(const QString& folder);

} // namespace velantra::test
