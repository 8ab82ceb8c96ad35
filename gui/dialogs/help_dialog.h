#pragma once

#include <QDialog>

// A short guide to using the editor, in Japanese, shown with F1.
class CHelpDlg : public QDialog {
    Q_OBJECT
public:
    explicit CHelpDlg(QWidget* parent = nullptr);
};
