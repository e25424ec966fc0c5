#include "core/store/SettingsRecord.h"

namespace scorvane {

void SettingsRecord::blankReservedFields()
{
    Reserved377.fill(' ');
    Reserved437.fill(' ');
    Reserved546.fill(' ');
    Reserved588.fill(' ');
}

} // namespace scorvane
