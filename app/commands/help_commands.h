#pragma once

#include <QObject>

#include "commands/editor_actions.h"

class QWidget;

namespace kaz::app {

// The ﾍﾙﾌﾟ commands: the help (in the menu, on F1 and Shift+F1) and the version information.
class HelpCommands : public QObject {
public:
    // `window` is the dialogs' parent and owns this object.
    HelpCommands(const EditorActions& actions, QWidget* window);
};

}  // namespace kaz::app
