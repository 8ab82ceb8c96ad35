#pragma once

#include <QDialog>
#include <QString>

class QComboBox;
class QLabel;
class QPushButton;

namespace kaz::gui {

// "新規トーナメント表　人数設定": the member count of a new bracket, chosen from four items or
// typed (kaz::memberCountFromText decides what a text means). OK on a text that gives no
// member count keeps the dialog open, with a beep and the sizes listed in it.
class MemberCountDialog : public QDialog {
    Q_OBJECT
public:
    explicit MemberCountDialog(QWidget* parent = nullptr);

    // The combo box's text as it stood when OK was pressed ("4人用" until then).
    const QString& countText() const { return m_countText; }
    // The member count chosen: 4 … 128 once accepted.
    int memberCount() const { return m_memberCount; }

    QComboBox* comboBox() const { return m_combo; }
    QPushButton* okButton() const { return m_ok; }

    void accept() override;

private:
    QString m_countText;
    int m_memberCount = 0;
    int m_width;  // in pixels
    QComboBox* m_combo;
    QPushButton* m_ok;
    QLabel* m_refusal;
};

}  // namespace kaz::gui
