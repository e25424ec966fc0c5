#include "core/store/SettingsRecord.h"

namespace scorvane {

void SettingsRecord::blankReservedFields()
{
    reserved377.fill(' ');
    reserved437.fill(' ');
    reserved546.fill(' ');
    reserved588.fill(' ');
}

} // namespace scorvane
