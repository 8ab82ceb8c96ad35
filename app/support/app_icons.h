#pragma once

#include <QIcon>
#include <QImage>
#include <QPixmap>

namespace kaz::app {

// The program's pictures, all drawn here or kept as XPM text under app/resources.

// The application icon (window icons, the About box, the desktop), at 16 to 128 pixels.
QIcon appIcon();
// The icon of a bracket document (child windows).
QIcon documentIcon();
// One picture of the application icon, `size` pixels square; needs no GUI application, so
// that the build can render the desktop's icon files.
QImage appIconImage(int size);

// The pictures of the toolbar's buttons, one a command.
enum class ToolbarPicture {
    New,
    Open,
    Save,
    Cut,
    Copy,
    Paste,
    Undo,
    Redo,
    Print,
    HtmlExport,
    HtmlSettings,
    About
};

// The picture of one button, 16 × 15 pixels.
QPixmap toolbarPicture(ToolbarPicture picture);

}  // namespace kaz::app
