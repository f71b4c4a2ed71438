#pragma once
// The state of one KelvaneUC instance, shared by the library's layers.
#include <kelvaneuc/host.h>
#include <kelvaneuc/value.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kelvane {

// A zero-based list of control references. The empty list is one empty reference, never an
// array without elements; see access.h.
using ControlList = std::vector<Ref>;

struct Instance {
    Instance(Site& s, Events* e)
        : site(s)
        , platform(s.platform())
        , events(e)
    {
    }

    Site& site;
    Platform& platform;
    Events* events = nullptr;

    // Settings. Zero until the properties are initialised or read.
    bool ResizeOnChange = false;
    bool ResizeAtStartUp = false;
    bool AccountForAlignedControls = false;
    bool KeepAspectRatio = false;
    bool ResizeForFixedTaskBar = false;
    bool ResizeForOverhead = false; // kept and reported only
    bool ResizeContainedByToolbar = false;

    // Design metrics, pixels.
    double DesignWidth = 0;
    double DesignHeight = 0;
    double DesignBorderWidth = 0;
    double DesignCaptionHeight = 0;
    double DesignMenuHeight = 0;
    double DesignScrollWidth = 0;

    // Ratios; 0 until a pass computes them (the getters then report 1).
    double WidthRatio = 0;
    double HeightRatio = 0;
    double WidthRatioUsed = 0;
    double HeightRatioUsed = 0;

    // Resize engine.
    double PrevWorkWidth = 0;
    double PrevWorkHeight = 0;
    double LastWorkWidth = 0;
    double LastWorkHeight = 0;
    double DesignAvailWidth = 0;
    double DesignAvailHeight = 0;
    double PrevAvailWidth = 0;
    double PrevAvailHeight = 0;
    double PrevScrollWidth = 0;
    bool WorkAreaChanged = false;
    bool FirstPassDone = false;
    bool HostInTwips = true;
    bool ResizeBusy = false;
    bool StartupDone = false;
    double TwipsPerPixelX = 15;
    double TwipsPerPixelY = 15;
    struct Scratch {
        double OrigWidth = 0, OrigHeight = 0, NewLeft = 0, NewTop = 0, NewWidth = 0, NewHeight = 0, ScrollAdjustedWidth = 0;
    } scratch;

    // Log.
    std::string ErrorLog;
    std::string CurrentControlName;
    std::string CurrentControlKind;

    Ref frmParent; // the host form while hooked
    std::string faceCaption;

    // Sort: the permutation of the last sort and the one-shot descending flag.
    std::vector<int32_t> indexArray;
    bool sorted = false;
    bool reverseNext = false;

    // Shared block of the access helpers and the tab-order assignment.
    bool waitBusy = false;
    int32_t tabDepth = 0;
    ControlList allControls;

    // Appends one line "Name=<name, 12 wide>, TypeName=<kind>, Err=<message>".
    void addLogLine(std::string_view message);
    void resetEngineState();
};

} // namespace kelvane
