#pragma once

#include <QObject>
#include <QString>

namespace kaz::gui {
class BracketDocument;
}
class QWidget;

namespace kaz::app {

// Where a file chooser starts for a bracket that has no file yet: `lastUsed` while it is a
// folder that is there, else the user's Documents folder (else the home folder); never the
// working folder, which is the program's own when started from the Start menu.
QString startFolder(const QString& lastUsed);

// Where the exports of brackets (the HTML page, pictures, a PDF printed to a file) go, and what
// the user is told after one. The file chooser opens beside the bracket's file proposing its
// name with the export's suffix; a bracket that has no file yet starts from the folder of the
// last export, which the user's settings keep from one run to the next (see startFolder).
class ExportPlaces : public QObject {
    Q_OBJECT

public:
    explicit ExportPlaces(QObject* parent) : QObject(parent) {}

    // The file proposed for exporting `doc` as `suffix` ("html", "png", "pdf"), as a full path.
    QString proposedPath(const gui::BracketDocument& doc, const QString& suffix) const;
    // The same for a document stored at `filePath` (empty for none yet), named `stem` while it
    // has no file.
    QString proposedPath(const QString& filePath, const QString& stem, const QString& suffix) const;

    // `path` was written: its folder is remembered in the settings, and the status bar of `window`
    // (the main window) says "<path> に書き出しました。".
    void exported(QWidget* window, const QString& path);

    // The page at `path` was written but no application could be started to show it.
    void noViewer(QWidget* window, const QString& path);
};

}  // namespace kaz::app
