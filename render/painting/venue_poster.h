#pragma once

#include <QPagedPaintDevice>
#include <QString>
#include <QStringList>

#include "bracket/sheet_info.h"
#include "io/result.h"

namespace kaz::render {

// The poster of 会場配信 for the hall's walls: for each address a page with the tournament's
// title, the address's QR code as large as fits, the address, and two lines telling a reader
// what to do, in the sheet's language. It fails as FileError::PrintFailed when the device
// refused.
kaz::Status paintVenuePoster(QPagedPaintDevice& device, const QString& title,
                             const QStringList& addresses, kaz::SheetLanguage language);

}  // namespace kaz::render
