#pragma once

#include <QDialog>

class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace kaz::app {

// "ライブ公開": publish a bracket as a page of a file name into a folder, or not at all.
// `folder` is where it is published now (empty: it is not); `pageName` is the page's file name,
// which the user may change.
class LivePublishDialog : public QDialog {
    Q_OBJECT
public:
    LivePublishDialog(const QString& pageName, const QString& folder, QWidget* parent = nullptr);

    // The folder chosen, or an empty string for 公開しない.
    QString folder() const;
    // The page's file name chosen, ".html" added where it has no such suffix.
    QString pageName() const;

private:
    void browse();
    void update();
    // Why 次のﾌｫﾙﾀﾞに公開する cannot be done as the fields stand, or an empty text.
    QString refusal() const;

    QLabel* m_about;
    QRadioButton* m_off;
    QRadioButton* m_on;
    QLineEdit* m_folder;
    QLineEdit* m_pageName;
    QLabel* m_refusal;
    QDialogButtonBox* m_buttons;
};

}  // namespace kaz::app
