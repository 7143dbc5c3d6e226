#include "Forms.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    velorix::StartProgram();
    const int code = QApplication::exec();
    velorix::DestroyForms();
    return code;
}
