#pragma once

#include <QDialog>
#include <QIcon>

namespace kaz::gui {

// "カズボのバージョン情報": the program's name and version beside its icon, and an OK button.
// Closes with OK, Enter or Escape; the caller does not look at the result.
class AboutDialog : public QDialog {
    Q_OBJECT

public:
    // `icon`: the application icon, shown at 32 pixels.
    explicit AboutDialog(const QIcon& icon, QWidget* parent = nullptr);
};

}  // namespace kaz::gui
