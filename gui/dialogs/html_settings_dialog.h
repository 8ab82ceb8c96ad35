#pragma once

#include <QDialog>
#include <QString>
#include <array>
#include <string>

#include "color/color_set.h"
#include "color/color_value.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace kaz::gui {

class ColorSwatch;

// "HTML設定": the five colour strings and the two bold flags of a bracket. Each row (in
// ColorSet order) has a swatch, an edit holding the colour string and a "参照" button that
// opens the colour chooser. A colour is typed as "#RRGGBB", "#RGB" or a colour name and
// stored as "#RRGGBB" in upper case. Any other text crosses out its swatch and is named in a
// line of the dialog ("色として読めません: whitish"); OK then gives the box the focus with a
// beep and stores nothing. A colour string from the bracket that is left as it is stays
// exactly as it was, whatever it holds.
class HtmlSettingsDialog : public QDialog {
    Q_OBJECT

public:
    explicit HtmlSettingsDialog(QWidget* parent = nullptr);

    void setColorSet(kaz::ColorSet colors);
    void setBoldFlags(bool boldScores, bool boldMemberNames);
    // The values to take after the dialog ended with Accepted.
    kaz::ColorSet colorSet() const { return m_colors; }
    bool boldScores() const { return m_boldScores; }
    bool boldMemberNames() const { return m_boldMemberNames; }

public slots:
    void accept() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    struct Row {
        ColorSwatch* swatch = nullptr;
        QLineEdit* edit = nullptr;
        QPushButton* browse = nullptr;
        // The text the edit was given on opening and the bytes it came from, so that a
        // colour string CP932 cannot show faithfully is kept byte for byte until edited.
        QString shownText;
        std::string shownBytes;
        kaz::ColorValue value = 0;  // what the swatch shows
        bool readable = true;       // whether the text stands for a colour
    };

    void initDialog();
    void onUpdateColor(int row);
    void onBrowseColor(int row);
    // Names the first row whose text is no colour, or clears the line when there is none.
    void updateUnreadableNote();

    kaz::ColorSet m_colors;
    bool m_boldMemberNames = false;
    bool m_boldScores = false;
    std::array<Row, kaz::ColorSet::kCount> m_rows;
    QLabel* m_unreadableNote = nullptr;
    QCheckBox* m_checkBoldMember = nullptr;
    QCheckBox* m_checkBoldScore = nullptr;
    QPushButton* m_buttonOk = nullptr;
    QPushButton* m_buttonCancel = nullptr;
};

}  // namespace kaz::gui
