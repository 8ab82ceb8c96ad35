#pragma once

#include <QObject>
#include <QString>

namespace kaz::gui {
class BracketDocument;
}
class QWidget;

namespace kaz::app {

// Where the exports of brackets (the HTML page, pictures, a PDF printed to a file) go, and what
// the user is told after one. The file chooser opens beside the bracket's file proposing its
// name with the export's suffix; a bracket that has no file yet starts from the folder of the
// last export, which the user's settings keep from one run to the next.
class ExportPlaces : public QObject {
    Q_OBJECT

public:
    explicit ExportPlaces(QObject* parent) : QObject(parent) {}

    // The file proposed for exporting `doc` as `suffix` ("html", "png", "pdf"): a full path,
    // or only a name where no folder is known yet (the chooser then starts where it likes).
    QString proposedPath(const gui::BracketDocument& doc, const QString& suffix) const;

    // `path` was written: its folder is remembered in the settings, and the status bar of `window`
    // (the main window) says "<path> に書き出しました。".
    void exported(QWidget* window, const QString& path);

    // The page at `path` was written but no application could be started to show it.
    void noViewer(QWidget* window, const QString& path);
};

}  // namespace kaz::app
