#pragma once

#include <QDialog>
#include <QList>

#include "recovery/recovery_manager.h"

class QListWidget;
class QPushButton;

namespace kaz::app {

// "ﾄﾞｷｭﾒﾝﾄの復元": the brackets a crashed editor left behind, each with its title, its file
// and when it was kept, all ticked, and what to do with the ticked ones.
class RecoveryDialog : public QDialog {
    Q_OBJECT
public:
    enum class Choice { Restore, Later, Discard };

    RecoveryDialog(const QList<RecoveryManager::Leftover>& leftovers, QWidget* parent = nullptr);

    Choice choice() const { return m_choice; }
    // The ticked brackets.
    QList<RecoveryManager::Leftover> chosen() const;

    QListWidget* list() const { return m_list; }
    QPushButton* restoreButton() const { return m_restore; }
    QPushButton* laterButton() const { return m_later; }
    QPushButton* discardButton() const { return m_discard; }

private:
    QList<RecoveryManager::Leftover> m_leftovers;
    QListWidget* m_list;
    QPushButton* m_restore;
    QPushButton* m_later;
    QPushButton* m_discard;
    Choice m_choice = Choice::Later;
};

}  // namespace kaz::app
