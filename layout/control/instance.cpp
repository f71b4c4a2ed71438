#include "control/instance.h"

namespace kelvane {

void Instance::addLogLine(std::string_view message)
{
    if (message.empty())
        return;
    std::string name = CurrentControlName.substr(0, 12);
    name.resize(12, ' ');
    std::string line = "Name=" + name + ", TypeName=" + CurrentControlKind + ", Err=" + std::string(message);
    if (ErrorLog.empty())
        ErrorLog = std::move(line);
    else
        ErrorLog += "\r\n" + line;
}

void Instance::resetEngineState()
{
    PrevWorkWidth = PrevWorkHeight = 0;
    PrevAvailWidth = PrevAvailHeight = 0;
    PrevScrollWidth = 0;
    FirstPassDone = false;
    WorkAreaChanged = false;
    frmParent.reset();
}

} // namespace kelvane
