#include "ImportCommand.h"
#include "ReportCommand.h"
#include "core/state/MemoryReuse.h"
#include "core/store/IntegrityCheck.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char* argv[])
{
    scorvane::keepFreedMemoryForReuse();
    QCoreApplication app(argc, argv);
    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst();
    if (!arguments.isEmpty() && arguments.first() == u"check")
        return scorvane::runCheckCommand(arguments.mid(1), stdout, stderr);
    if (!arguments.isEmpty() && arguments.first() == u"import")
        return scorvane::runImportCommand(arguments.mid(1), stdout, stderr);
    return scorvane::runReportCommand(arguments, stdout, stderr);
}
