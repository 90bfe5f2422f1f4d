#include "app/Links.h"
#include "app/Startup.h"
#include "foundation/Application.h"
#include "foundation/Forms.h"
#include "foundation/RuntimeError.h"
#include "platform/QtServices.h"

int main(int argc, char** argv)
{
    QuelvarApplication app(argc, argv);
    platform::install(std::make_unique<platform::QtServices>());
    InstallProgramLinks();
    int result = 0;
    try {
        Main();
        if (!ProgramHasEnded())
            result = app.exec();
    } catch (const ProgramEnd&) {
        result = 0;
    }
    Forms::destroyAll();
    return result;
}
