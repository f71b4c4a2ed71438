#include "control/instance.h"

namespace kelvane {

namespace {
constexpr std::size_t kLogNameWidth = 12;

// Control names may hold any character; cutting inside a UTF-8 sequence would leave a broken
// log, so the width counts characters, not bytes.
std::string fitName(std::string_view name)
{
    std::string out;
    std::size_t chars = 0;
    for (std::size_t i = 0; i < name.size(); ++i) {
        const auto byte = static_cast<unsigned char>(name[i]);
        const bool continuation = (byte & 0xC0) == 0x80;
        if (!continuation) {
            if (chars == kLogNameWidth)
                break;
            ++chars;
        }
        out += name[i];
    }
    out.append(kLogNameWidth - chars, ' ');
    return out;
}
} // namespace

void Instance::addLogLine(std::string_view message)
{
    if (message.empty())
        return;
    std::string line = "Name=" + fitName(CurrentControlName) + ", TypeName=" + CurrentControlKind + ", Err=";
    line += message;
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
