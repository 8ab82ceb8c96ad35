#pragma once

#include <QByteArray>
#include <QImage>
#include <QPageSize>
#include <QString>

#include "bracket/bracket.h"
#include "io/result.h"

class QPaintDevice;

namespace kaz::render {

// The bracket as a file's bytes (PNG or PDF) and as a page of a printer: what the editor's
// "画像として保存" and "印刷" and kaz2image make. Nothing here writes a file.

// The editor's pictures are twice the screen's size, crisp on screens of high density.
constexpr qreal kPictureScale = 2;

// True when the picture of `bracket` at `scale` times its size stays within the largest picture
// made, 128 Mi pixels (512 MiB): any bracket of up to 32 members at eight times, but not one of
// 128 members at eight times.
bool pictureFits(const kaz::Bracket& bracket, qreal scale);

// The bracket at `scale` times its size, every pixel not drawn on in the background colour.
// A null image when one that large cannot be made or does not fit (pictureFits).
QImage bracketImage(const kaz::Bracket& bracket, qreal scale);

// bracketImage as a PNG file; it fails as FileError::SaveFailed when it cannot be made.
kaz::Result<QByteArray> bracketPng(const kaz::Bracket& bracket, qreal scale = kPictureScale);

// One page of `device` (a printer, a PDF writer) with the bracket as large as it fits within
// the page's margins, centred. Where the sheet asks for it (SheetInfo::venueQrCode) and
// `venueAddress` names the venue's server, that address's QR code stands in the bottom right
// corner, the bracket fitted above it. It fails as FileError::PrintFailed when the device
// refused to be painted on.
kaz::Status paintBracketPage(QPaintDevice& device, const kaz::Bracket& bracket,
                             const QString& venueAddress = QString());

// The paper proposed for printing `bracket`: A3 for a bracket of 128 members, whose text
// would be too small on A4, where `a3Offered`; A4 otherwise.
QPageSize::PageSizeId proposedPaper(const kaz::Bracket& bracket, bool a3Offered);

// A PDF of one page of the proposed paper (A3 for 128 members, A4 otherwise) in the
// orientation that shows the bracket larger, with margins of
// 10 mm, drawn as vectors and its text as text in the embedded font, so that names can be
// searched and copied; its title is documentTitle(bracket, fileTitle). It fails as
// FileError::SaveFailed when it cannot be made.
// With `venueAddress`, as paintBracketPage.
kaz::Result<QByteArray> bracketPdf(const kaz::Bracket& bracket, const QString& fileTitle,
                                   const QString& venueAddress = QString());

// The title a printed or PDF sheet carries: the sheet's title, or `fileTitle` (the file's
// name) where the sheet has none.
QString documentTitle(const kaz::Bracket& bracket, const QString& fileTitle);

}  // namespace kaz::render
