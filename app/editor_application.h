#pragma once

#include <QApplication>
#include <memory>

class CMainFrame;

// The application: loads Qt's Japanese texts and opens the empty main window. A file named
// on the command line is not opened.
class CKaz_editApp : public QApplication {
    Q_OBJECT
public:
    CKaz_editApp(int& argc, char** argv);
    ~CKaz_editApp() override;

    // Start-up; false when the program is not to run.
    bool InitInstance();
    CMainFrame* MainFrame() const { return m_mainFrame.get(); }

private:
    std::unique_ptr<CMainFrame> m_mainFrame;
};
