#pragma once

#include <QDialog>

namespace kaz::gui {

// A short guide to using the editor, in Japanese, shown with F1.
class HelpDialog : public QDialog {
    Q_OBJECT
public:
    explicit HelpDialog(QWidget* parent = nullptr);
};

}  // namespace kaz::gui
