#include "access/access.h"
#include "resize/engine.h"

#include <algorithm>
#include <cctype>

namespace kelvane {

std::string lowerCase(std::string_view text)
{
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return out;
}

std::string numberText(double v) { return Value(v).toString(); }

void ScaleFontObject(const Ref& font, double factor)
{
    const Value name = font->get("Name");
    const double size = font->get("Size").toDouble() * factor;
    // Twice: a host may round the size to what the face offers, and the name to what it found.
    for (int i = 0; i < 2; ++i) {
        font->set("Name", name);
        font->set("Size", Value(size));
    }
}

void ScaleControlFont(Instance& inst, const Ref& control, double wr, double hr)
{
    const double factor = smallerRatio(wr, hr);
    Ref font;
    if (!ignored([&] { font = control->get("Font").toObject(); }) || !font)
        return;
    const double old = font->get("Size").toDouble();
    ScaleFontObject(font, factor);
    // A face that only comes in larger sizes can grow while its control shrinks: say so.
    const double now = font->get("Size").toDouble();
    if (old > 0 && now / old > 1.1 && hr < 1)
        inst.addLogLine("Font=" + font->get("Name").toString() + ",Size=" + numberText(now) + " instead of " + numberText(old));
}

void ScaleHeadFont(Instance&, const Ref& control, double wr, double hr)
{
    Ref font;
    if (ignored([&] { font = control->get("HeadFont").toObject(); }) && font)
        ScaleFontObject(font, smallerRatio(wr, hr));
}

void ScaleCellFont(Instance& inst, const Ref& grid, double wr, double hr)
{
    const double factor = smallerRatio(wr, hr);
    const double width = grid->get("CellFontWidth").toDouble();
    const Value name = grid->get("CellFontName");
    double size = 0;
    // An unreadable size is not replaced by a zero one.
    const bool sized = ignored([&] { size = grid->get("CellFontSize").toDouble() * factor; }) && size > 0;
    for (int i = 0; i < 2; ++i) {
        if (sized)
            logged(inst, [&] { grid->set("CellFontSize", Value(size)); });
        logged(inst, [&] { grid->set("CellFontName", name); });
    }
    logged(inst, [&] { grid->set("CellFontWidth", Value(wr * width)); });
}

} // namespace kelvane
