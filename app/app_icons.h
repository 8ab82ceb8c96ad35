#pragma once

#include <QIcon>
#include <QImage>
#include <QPixmap>

// The program's pictures, all drawn here or kept as XPM text under app/resources.

// The application icon (window icons, the About box, the desktop), at 16 to 128 pixels.
QIcon appIcon();
// The icon of a bracket document (child windows).
QIcon documentIcon();
// One picture of the application icon, `size` pixels square; needs no GUI application, so
// that the build can render the desktop's icon files.
QImage appIconImage(int size);

// The toolbar images in button order: 0 new, 1 open, 2 save, 3 cut, 4 copy, 5 paste,
// 6 print, 7 HTML化, 8 HTML設定, 9 About. Each is 16 × 15 pixels; a null pixmap outside 0 … 9.
constexpr int kToolbarImageCount = 10;
QPixmap toolbarImage(int index);
