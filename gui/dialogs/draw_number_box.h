#pragma once

class QSpinBox;
class QWidget;

namespace kaz::gui {

// The draw number's field of a dialog that draws ("drawNumberBox"): every number a draw may
// have, a fresh one to begin with (each opening draws a fresh lot).
QSpinBox* makeDrawNumberBox(QWidget* parent);

}  // namespace kaz::gui
