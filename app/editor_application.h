#pragma once

#include <QApplication>
#include <memory>

class MainWindow;

// The application: loads Qt's Japanese texts and opens the empty main window. A file named
// on the command line is not opened.
class EditorApplication : public QApplication {
    Q_OBJECT
public:
    EditorApplication(int& argc, char** argv);
    ~EditorApplication() override;

    // Start-up; false when the program is not to run.
    bool initInstance();

private:
    std::unique_ptr<MainWindow> m_mainWindow;
};
