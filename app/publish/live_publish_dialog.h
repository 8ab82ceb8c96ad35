#pragma once

#include <QDialog>

class QDialogButtonBox;
class QLineEdit;
class QRadioButton;

namespace kaz::app {

// "ライブ公開": publish the bracket `pageName` names into a folder, or not at all. `folder` is
// where it is published now (empty: it is not).
class LivePublishDialog : public QDialog {
    Q_OBJECT
public:
    LivePublishDialog(const QString& pageName, const QString& folder, QWidget* parent = nullptr);

    // The folder chosen, or an empty string for 公開しない.
    QString folder() const;

private:
    void browse();
    void updateOk();

    QRadioButton* m_off;
    QRadioButton* m_on;
    QLineEdit* m_folder;
    QDialogButtonBox* m_buttons;
};

}  // namespace kaz::app
