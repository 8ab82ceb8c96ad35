#pragma once

#include <QObject>

#include "commands/editor_actions.h"

class QWidget;

namespace kaz::app {

// The ﾍﾙﾌﾟ commands: the version information, and the help on F1 and Shift+F1.
class HelpCommands : public QObject {
public:
    // `window` is the dialogs' parent and owns this object.
    HelpCommands(const EditorActions& actions, QWidget* window);
};

}  // namespace kaz::app
