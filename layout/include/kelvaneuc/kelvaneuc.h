#pragma once
// KelvaneUC: a layout control for a host form. It rescales the form and every control on it to
// the screen it runs on, and offers tab-order, alignment and spacing tools.
#include "host.h"
#include "value.h"

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace kelvane {

// Identity of the component.
inline constexpr std::string_view kProgId = "KelvaneUCP.KelvaneUC";
inline constexpr std::string_view kLibraryId = "{6FFCF326-2822-4E08-8D7F-1DE5B1055EA3}";
inline constexpr std::string_view kLibraryVersion = "1.1";
inline constexpr std::string_view kClassId = "{61B61E2D-2791-47E6-9EEA-F1288039E8DD}";
inline constexpr std::string_view kInterfaceId = "{29339F7E-A828-48F9-9D8D-316322BEA4C8}";
inline constexpr std::string_view kEventInterfaceId = "{3DFACBE3-7A41-4CF2-9206-F7979CC551D0}";

struct Instance; // the instance state, private to the library

class KELVANEUCP_EXPORT KelvaneUC final {
public:
    explicit KelvaneUC(Site& site, Events* events = nullptr);
    ~KelvaneUC(); // termination releases the host form
    KelvaneUC(const KelvaneUC&) = delete;
    KelvaneUC& operator=(const KelvaneUC&) = delete;

    void setEvents(Events* events);

    // --- Component life, driven by the host ---
    void InitProperties();                      // a new instance is placed
    Result<> ReadProperties(PropertyBag& bag);  // an existing instance is loaded
    Result<> WriteProperties(PropertyBag& bag); // the host form is saved
    void Show();                                // the control is shown
    void DesignResize();                        // the control's own surface was resized
    void Paint();                               // the control's own surface is painted
    void FaceClicked();                         // a click on the resolution label
    void HostResize();                          // the host form's Resize event
    bool HostQueryUnload();                     // the host form's QueryUnload: true cancels
    std::string FaceCaption() const;            // the resolution label's caption

    // --- _KelvaneUC, in interface order ---
    void ReverseSequence();                                         // 1
    std::vector<int32_t> GetIndexArray() const;                     // 2
    Result<int32_t> GetUnSortedIndex(int32_t lngSortedIndex) const; // 3
    Result<> Sort(std::vector<double>& aryKey0, std::vector<double>& aryKey1,
                  std::vector<double>& aryKey2);   // 4
    double WidthRatio() const;                     // 5
    double HeightRatio() const;                    // 6
    bool ResizeContainedByToolbar() const;         // 7
    void setResizeContainedByToolbar(bool value);  // 8
    bool ResizeAtStartUp() const;                  // 9
    void setResizeAtStartUp(bool value);           // 10
    bool AccountForAlignedControls() const;        // 11
    void setAccountForAlignedControls(bool value); // 12
    bool KeepAspectRatio() const;                  // 13
    void setKeepAspectRatio(bool value);           // 14
    bool ResizeForFixedTaskBar() const;            // 15
    void setResizeForFixedTaskBar(bool value);     // 16
    bool ResizeForOverhead() const;                // 17
    void setResizeForOverhead(bool value);         // 18
    bool ResizeOnChange() const;                   // 19
    void setResizeOnChange(bool value);            // 20
    double WidthRatioUsed() const;                 // 21
    double HeightRatioUsed() const;                // 22
    Result<> SetTabOrder(const Ref& Container, bool LeftToRight, double LeftToRightTolerance, double TopToBottomTolerance,
                         int32_t InsertBeforeTabIndex, const Array& Except = {});     // 23
    Result<Array> GroupVerticallyOn(const Ref& Control, const Array& Except = {});    // 24
    Result<Array> GroupHorizontallyOn(const Ref& Control, const Array& Except = {});  // 25
    Result<> ShowTabOrder(int32_t lngMilliSeconds, int32_t lngRGBColor);              // 26
    Result<> ShowTabOrderDemo(int32_t lngMilliSeconds, int32_t lngRGBColor);          // 27
    Result<> AlignLefts(const Array& varControl);                                     // 28
    Result<> AlignTops(const Array& varControl);                                      // 29
    Result<> AlignMiddles(const Array& varControl);                                   // 30
    Result<> AlignCenters(const Array& varControl);                                   // 31
    Result<> AlignRights(const Array& varControl);                                    // 32
    Result<Array> GetArrayOfControls(const Array& varControl);                        // 33
    Result<Array> GetArrayOfChildren(const Ref& objTop, const Array& varExcept = {}); // 34
    Result<> SpaceFixedLeftToRight(double GapBetween, const Array& varControl);       // 35
    Result<> MoveTopTo(double Top, const Array& varControl);                          // 36
    Result<> MoveBottomTo(double Bottom, const Array& varControl);                    // 37
    Result<> MoveLeftTo(double Left, const Array& varControl);                        // 38
    Result<> MoveRightTo(double Right, const Array& varControl);                      // 39
    Result<> SpaceFixedRightToLeft(double GapBetween, const Array& varControl);       // 40
    Result<> SpaceFixedTopToBottom(double GapBetween, const Array& ctls);             // 41
    Result<> SpaceFixedBottomToTop(double GapBetween, const Array& varControl);       // 42
    Result<> AlignBottoms(const Array& varControl);                                   // 43
    Result<> MakeEqualWidth(const Array& varControl);                                 // 44
    Result<> MakeEqualHeight(const Array& varControl);                                // 45
    Result<> MakeEqualBoth(const Array& varControl);                                  // 46
    Result<> VSpaceEquallyBetween(const Array& varControl);                           // 47
    Result<> VSpaceEqually(double Top, double Bottom, const Array& varControl);       // 48
    Result<> HSpaceEquallyBetween(const Array& varControl);                           // 49
    Result<> HSpaceEqually(double Left, double Right, const Array& varControl);       // 50
    Result<> HCenter(double Left, double Right, const Array& varControl);             // 51
    Result<> VCenter(double Top, double Bottom, const Array& varControl);             // 52
    std::string GetErrors() const;                                                    // 53
    void Unload();                                                                    // 54
    std::string Resize();                                                             // 55

    // Late-bound call of any member of the interface by name (case-insensitive). Property
    // puts are reached with the prefix "let " ("let KeepAspectRatio"). Arguments passed by
    // reference (Sort's key arrays, the group tools' Control) are written back into args.
    Result<Value> Invoke(std::string_view member, Array& args);
    // The interface's member names in interface order (property get and put share one name).
    static std::span<const std::string_view> MemberNames();

    Instance& instance() { return *d; } // for the library's own layers and tests

private:
    std::unique_ptr<Instance> const d;
};

} // namespace kelvane
