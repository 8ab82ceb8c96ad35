#pragma once

#include <QApplication>
#include <QStringList>
#include <memory>

namespace kaz::app {

class MainWindow;
class SingleInstance;

// The application: loads Qt's Japanese texts and opens the empty main window.
class EditorApplication : public QApplication {
    Q_OBJECT
public:
    EditorApplication(int& argc, char** argv);
    ~EditorApplication() override;

    // Shows the main window, offers what a crash left behind, opens `files`, and from then on
    // takes the files of later starts.
    void start(const QStringList& files);

private:
    std::unique_ptr<MainWindow> m_mainWindow;
    SingleInstance* m_instance = nullptr;
};

}  // namespace kaz::app
