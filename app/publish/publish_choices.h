#pragma once

#include <QDate>
#include <QString>
#include <optional>

class QSettings;

namespace kaz::app {

// Which bracket files were published where, kept in the editor's settings by the file's
// absolute path: the folder (none for a file served only), the day publishing was last on, the
// page's file name and whether it was served to the venue (会場配信).
class PublishChoices {
public:
    struct Choice {
        QString folder;
        QDate lastOn;
        QString pageName;  // empty where an earlier version kept the choice
        bool served = false;
    };
    // What opening a bracket file does with its choice.
    enum class Resume { No, Silently, Ask };

    explicit PublishChoices(QSettings& settings) : m_settings(settings) {}

    std::optional<Choice> find(const QString& bracketPath) const;
    void remember(const QString& bracketPath, const Choice& choice);
    void forget(const QString& bracketPath);

    // On the day it was last on publishing goes on by itself; on another day it is offered,
    // never taken up unasked.
    static Resume resumeOnOpening(const std::optional<Choice>& choice, const QDate& today);

private:
    QSettings& m_settings;
};

}  // namespace kaz::app
