#pragma once

#include <QDialog>
#include <QString>

class QComboBox;
class QPushButton;

// "新規トーナメント表　人数設定": the member count of a new bracket, chosen from four items or typed.
// It only returns the text; the document decides what the text means.
class CPlayerCountDlg : public QDialog {
    Q_OBJECT
public:
    explicit CPlayerCountDlg(QWidget* parent = nullptr);

    // The combo box's text as it stood when OK was pressed ("4人用" until then).
    QString m_strCount;

    QComboBox* ComboBox() const { return m_combo; }
    QPushButton* OkButton() const { return m_ok; }

    void accept() override;

private:
    QComboBox* m_combo;
    QPushButton* m_ok;
};
