#pragma once

#include <QDialog>
#include <QIcon>

// "カズボのバージョン情報": the program's name and version beside its icon, and an OK button.
// Closes with OK, Enter or Escape; the caller does not look at the result.
class CAboutDlg : public QDialog {
    Q_OBJECT

public:
    // `icon`: the application icon, shown at 32 pixels.
    explicit CAboutDlg(const QIcon& icon, QWidget* parent = nullptr);
};
