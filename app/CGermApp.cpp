// The program's entry: the one file of the game folders that knows its Qt
// host. The program ends when the game window closes.
#include <QApplication>

#include "platform/qt/GameWindow.h"
#include "platform/qt/HostEnvironment.h"

class CGermApp {
public:
    // Answers --help and --version, or runs the game window until it
    // closes; the program's exit code.
    int InitInstance(int& argc, char** argv);
};

int CGermApp::InitInstance(int& argc, char** argv)
{
    if (const int nExit = AnswerCommandLine(argc, argv); nExit >= 0)
        return nExit;
    PrepareHostEnvironment();
    QApplication app(argc, argv);
    ConfigureApplication();
    {
        GameWindow window;
        window.Open();
        QApplication::exec();
    }
    LeaveApplication();
    return 0;
}

int main(int argc, char** argv)
{
    CGermApp theApp;
    return theApp.InitInstance(argc, argv);
}
