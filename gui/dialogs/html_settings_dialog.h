#pragma once

#include <QDialog>
#include <QString>
#include <array>
#include <string>

#include "color/color_set.h"

class CColorSwatch;
class QCheckBox;
class QLineEdit;
class QPushButton;

// "HTML設定": the five colour strings and the two bold flags of a bracket. Each row (in
// ColorSet order) has a swatch, an edit holding the colour string and a "参照" button that
// opens the colour chooser. Whatever is typed is kept as typed, except that a text that is not
// exactly 7 bytes stores "#000000".
class CHtmlSettingsDlg : public QDialog {
    Q_OBJECT

public:
    explicit CHtmlSettingsDlg(QWidget* parent = nullptr);

    void SetColorSet(kaz::ColorSet colors);
    void SetBoldFlags(bool score, bool member);
    kaz::ColorSet GetColorSet() const { return m_colors; }

    // Read by the caller after the dialog ended with Accepted.
    bool m_bBoldMember = false;
    bool m_bBoldScore = false;

public slots:
    void accept() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    struct Row {
        CColorSwatch* swatch = nullptr;
        QLineEdit* edit = nullptr;
        QPushButton* browse = nullptr;
        // The text the edit was given on opening and the bytes it came from, so that a
        // colour string CP932 cannot show faithfully is kept byte for byte until edited.
        QString shownText;
        std::string shownBytes;
    };

    void InitDialog();
    void OnUpdateColor(int row);
    void OnBrowseColor(int row);
    void CheckColor(int row);

    kaz::ColorSet m_colors;
    std::array<Row, kaz::ColorSet::kCount> m_rows;
    QCheckBox* m_checkBoldMember = nullptr;
    QCheckBox* m_checkBoldScore = nullptr;
    QPushButton* m_buttonOk = nullptr;
    QPushButton* m_buttonCancel = nullptr;
};
