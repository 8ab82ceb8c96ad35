#include "dialogs/draw_number_box.h"

#include <QSpinBox>

#include "draw/draw_random.h"

namespace kaz::gui {

QSpinBox* makeDrawNumberBox(QWidget* parent) {
    auto* box = new QSpinBox(parent);
    box->setObjectName(QStringLiteral("drawNumberBox"));
    box->setRange(int(kaz::kMinDrawNumber), int(kaz::kMaxDrawNumber));
    box->setValue(int(kaz::pickDrawNumber()));
    return box;
}

}  // namespace kaz::gui
