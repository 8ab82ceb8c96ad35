#pragma once

#include <QDialog>
#include <QString>
#include <string>
#include <vector>

#include "bracket/sheet_info.h"

class QCheckBox;
class QComboBox;

namespace kaz {
class Bracket;
}

namespace kaz::gui {

class TextField;

// "表の設定": the sheet's title, its second line, the name over each round (each box showing
// its default until typed over; an empty box, or one holding the default, keeps the default)
// whether match numbers and the club column show, how the sheet shows third place ("なし",
// "2名", "3位決定戦を行う"), whether it lays the members out on both sides, and the language of
// the sheet's own words ("日本語", "English": language names, the same in every language of the
// editor; the round boxes' defaults follow the choice). A text left as it was keeps its bytes
// exactly, whatever they hold.
class SheetSettingsDialog : public QDialog {
    Q_OBJECT
public:
    SheetSettingsDialog(const kaz::Bracket& bracket, QWidget* parent = nullptr);

    // The bracket's sheet with what the dialog edits taken from its boxes.
    kaz::SheetInfo sheet() const;

    TextField* titleField() const { return m_title.field; }
    TextField* subtitleField() const { return m_subtitle.field; }
    TextField* roundField(int round) const { return m_rounds.at(size_t(round)).field; }
    QCheckBox* matchNumbersBox() const { return m_matchNumbers; }
    QCheckBox* clubColumnBox() const { return m_clubColumn; }
    QComboBox* thirdPlaceBox() const { return m_thirdPlace; }
    QCheckBox* twoSidedBox() const { return m_twoSided; }
    QComboBox* languageBox() const { return m_language; }

private:
    // A box and the bytes it was given, kept while its text is left as it was shown.
    struct Text {
        TextField* field = nullptr;
        QString shown;
        std::string bytes;

        void show(const std::string& text);
        std::string value() const;
    };

    kaz::SheetInfo m_sheet;
    bool m_showsClubColumn = false;  // as the bracket showed it
    Text m_title;
    Text m_subtitle;
    std::vector<Text> m_rounds;
    QCheckBox* m_matchNumbers = nullptr;
    QCheckBox* m_clubColumn = nullptr;
    QComboBox* m_thirdPlace = nullptr;  // its items in the order of kaz::ThirdPlace
    QCheckBox* m_twoSided = nullptr;
    QCheckBox* m_venueQrCode = nullptr;
    QComboBox* m_language = nullptr;  // its items in the order of kaz::SheetLanguage
};

}  // namespace kaz::gui
