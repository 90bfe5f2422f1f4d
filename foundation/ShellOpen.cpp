#include "foundation/ShellOpen.h"

#include "platform/Services.h"

void ShellOpen(const QString& operation, const QVariant& file, const QVariant& parameters, const QVariant& directory,
               qint32 showCommand)
{
    platform::services().shellExecute(operation, file.toString(), parameters.toString(), directory.toString(),
                                      showCommand);
}
