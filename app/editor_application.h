#pragma once

#include <QApplication>
#include <memory>

class MainWindow;

// The application: loads Qt's Japanese texts and opens the empty main window.
class EditorApplication : public QApplication {
    Q_OBJECT
public:
    EditorApplication(int& argc, char** argv);
    ~EditorApplication() override;

    // Shows the main window.
    void start();

private:
    std::unique_ptr<MainWindow> m_mainWindow;
};
