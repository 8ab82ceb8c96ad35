#pragma once

#include <QDialog>
#include <QString>

class QComboBox;
class QPushButton;

// "新規トーナメント表　人数設定": the member count of a new bracket, chosen from four items or
// typed. It only returns the text; kaz::memberCountFromText decides what the text means.
class MemberCountDialog : public QDialog {
    Q_OBJECT
public:
    explicit MemberCountDialog(QWidget* parent = nullptr);

    // The combo box's text as it stood when OK was pressed ("4人用" until then).
    const QString& countText() const { return m_countText; }

    QComboBox* comboBox() const { return m_combo; }
    QPushButton* okButton() const { return m_ok; }

    void accept() override;

private:
    QString m_countText;
    QComboBox* m_combo;
    QPushButton* m_ok;
};
