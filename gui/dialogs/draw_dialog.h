#pragma once

#include <QDialog>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "bracket/bracket.h"
#include "dialogs/draw_choices.h"
#include "draw/entrant_list.h"
#include "draw/list_encoding.h"
#include "pools/pool_stage.h"
#include "text/messages.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace kaz::gui {

class DrawPreview;

// "組み合わせ抽選": a list of entrants typed, pasted or read from a file, drawn into a bracket (or
// into the pools of a 予選リーグ: their number or size, who goes through, their names) as it is
// edited. The dialog shows the entrant count and bracket size, the list's problems by
// line, apart from them its notes, the pairs of one club who can meet before the final (and
// those the clubs' sizes make unavoidable), and a picture of the bracket; a list read from a
// file shows the encoding it was read in, and can be read again in another;
// OK is enabled only while the list can be drawn. The core does the reading and the draw.
class DrawDialog : public QDialog {
    Q_OBJECT
public:
    explicit DrawDialog(QWidget* parent = nullptr);

    void setChoices(const DrawChoices& choices);
    DrawChoices choices() const;
    uint32_t drawNumber() const;
    void setDrawNumber(uint32_t number);
    // The language of the drawn bracket's sheet, whose words the preview shows; Japanese until
    // set.
    void setSheetLanguage(kaz::SheetLanguage language);

    // The bracket drawn from the list as it stands (after OK: the one accepted), or nothing
    // while the list cannot be drawn.
    const std::optional<kaz::Bracket>& drawnBracket() const;
    // The pool stage drawn, where 予選リーグ is chosen.
    const std::optional<kaz::PoolStage>& drawnPools() const;

    void accept() override;

private:
    void redraw();
    // The pools' part of redraw(): the list read as `list` drawn into pools, its notices shown.
    void redrawPools(kaz::EntrantList& list, const DrawChoices& chosen);
    // The list's problems and notes, each going to its line.
    void showListLines(const kaz::EntrantList& list);
    // Shows the bracket's options or the pools' as the kind chosen asks.
    void showKindOptions();
    void loadList();
    // Reads the file's bytes again in the encoding chosen, into the list.
    void rereadList();
    void listEdited();
    void pickNewNumber();
    // Enables the sizes that suit `entrants`; the chosen one stays chosen even when it no
    // longer suits, so that the list's problems can say why.
    void updateSizes(int entrants);
    void goToLine(QListWidgetItem* item);
    // Under the list of early meetings: those the clubs' sizes make unavoidable, by club.
    void showUnavoidable(const std::vector<kaz::Message>& texts);

    QPlainTextEdit* m_listEdit;
    QPushButton* m_loadButton;
    QComboBox* m_encodingCombo;
    QLabel* m_summary;
    QLabel* m_noticeHeading;
    QListWidget* m_notices;
    QLabel* m_noteHeading;
    QListWidget* m_notes;
    QLabel* m_unavoidable;
    QRadioButton* m_bracketKind;
    QRadioButton* m_poolKind;
    std::vector<QWidget*> m_bracketOptions;
    std::vector<QWidget*> m_poolOptions;
    QComboBox* m_poolBy;
    QSpinBox* m_poolNumber;
    QComboBox* m_through;
    QLineEdit* m_poolNames;
    QComboBox* m_sizeCombo;
    QRadioButton* m_byLot;
    QRadioButton* m_inOrder;
    QCheckBox* m_keepClubsApart;
    QCheckBox* m_clubInName;
    QSpinBox* m_drawNumber;
    QPushButton* m_newNumber;
    DrawPreview* m_preview;
    kaz::SheetLanguage m_sheetLanguage = kaz::SheetLanguage::Japanese;
    std::optional<std::string> m_fileBytes;  // of the list read last, as read
    bool m_listAsRead = false;               // the list is the file's, unedited since read
    bool m_settingList = false;              // the list is being replaced by the dialog
    QPushButton* m_ok;
};

}  // namespace kaz::gui
