#pragma once

// A window is described by a layout table: its controls in creation order, each with kind, name,
// caption, rectangle in twips, tab index and initial state. One builder (layoutbuilder.h) turns
// a table into widgets. Tables are constexpr arrays in each window's own file and read like the
// device documentation: `option("Option8", "Show 0", {240, 240, 975, 255}, 15).in("Frame3")`.

#include <algorithm>
#include <array>
#include <cstdint>
#include <initializer_list>
#include <span>
#include <string_view>

namespace velantra::ui
{

// 1/1440 inch; 15 twips make one logical pixel.
constexpr int kTwipsPerPixel = 15;

struct Twips {
    int left = 0, top = 0, width = 0, height = 0;
};

// 0x00BBGGRR, or 0x800000nn for system colour nn of the desktop.
using Colour = std::uint32_t;
constexpr Colour kDefaultColour = 0xFFFFFFFFu;
constexpr Colour kRed = 0x000000FF;
constexpr Colour kWhite = 0x00FFFFFF;
constexpr Colour kBlack = 0x00000000;
constexpr Colour kGrey = 0x00C0C0C0;
constexpr Colour kWindowBackground = 0x80000005;
constexpr Colour kWindowText = 0x80000008;
constexpr Colour kActiveBorder = 0x8000000A;
constexpr Colour kHighlightText = 0x8000000E;
constexpr Colour kButtonFace = 0x8000000F;

struct Font {
    std::string_view family; // empty: the application's default font
    double points = 0;
    int weight = 400; // 400 regular, 700 bold, 900 black
    constexpr bool isDefault() const { return family.empty(); }
};

enum class Kind : std::uint8_t {
    Label,
    TextBox,
    Frame,
    Option,
    Check,
    Button,
    Picture,
    Rectangle,      // filled rectangle shape, with a thin black border
    Bar,            // outline of a rectangle, not filled
    Circle,         // filled circle of the shorter side's diameter, centred
    SolidRectangle, // filled rectangle without border (the levers)
    Timer,
};

enum Flag : unsigned {
    Hidden = 1u << 0,
    Disabled = 1u << 1,
    Checked = 1u << 2, // selected option button or checked check box
    ReadOnly = 1u << 3,
    Centred = 1u << 4,
    Border = 1u << 5,      // single-line border
    Transparent = 1u << 6, // no background of its own
    RightAligned = 1u << 7,
    Alert = 1u << 8, // read out by a screen reader as soon as it shows
};

struct Control {
    Kind kind = Kind::Label;
    std::string_view name;
    std::string_view caption; // caption, text, or picture resource path
    Twips rect;
    int tab = -1;            // -1: takes no part in the tab order
    std::string_view parent; // the frame that holds the control; empty: the client area
    unsigned flags = 0;
    Font font;
    Colour background = kDefaultColour;
    Colour foreground = kDefaultColour;
    std::string_view accessibleName; // what a screen reader calls a control without a caption

    // Defined before its uses: clang evaluates a constant only with what it has seen.
    template <typename F> constexpr Control with(F change) const
    {
        Control copy = *this;
        change(copy);
        return copy;
    }

    constexpr Control in(std::string_view frame) const
    {
        return with([&](Control& c) { c.parent = frame; });
    }
    constexpr Control set(unsigned f) const
    {
        return with([&](Control& c) { c.flags |= f; });
    }
    constexpr Control withFont(Font f) const
    {
        return with([&](Control& c) { c.font = f; });
    }
    constexpr Control named(std::string_view what) const
    {
        return with([&](Control& c) { c.accessibleName = what; });
    }
    constexpr Control colours(Colour back, Colour fore = kDefaultColour) const
    {
        return with([&](Control& c) {
            c.background = back;
            c.foreground = fore;
        });
    }
};

constexpr Control label(std::string_view name, std::string_view caption, Twips r, int tab)
{
    return {Kind::Label, name, caption, r, tab};
}
constexpr Control textBox(std::string_view name, std::string_view text, Twips r, int tab)
{
    return {Kind::TextBox, name, text, r, tab};
}
constexpr Control frame(std::string_view name, std::string_view caption, Twips r, int tab)
{
    return {Kind::Frame, name, caption, r, tab};
}
constexpr Control option(std::string_view name, std::string_view caption, Twips r, int tab)
{
    return {Kind::Option, name, caption, r, tab};
}
constexpr Control check(std::string_view name, std::string_view caption, Twips r, int tab)
{
    return {Kind::Check, name, caption, r, tab};
}
constexpr Control button(std::string_view name, std::string_view caption, Twips r, int tab)
{
    return {Kind::Button, name, caption, r, tab};
}
constexpr Control picture(std::string_view name, std::string_view resource, Twips r, int tab)
{
    return {Kind::Picture, name, resource, r, tab};
}
constexpr Control shape(Kind kind, std::string_view name, Twips r, Colour fill = kBlack)
{
    return Control{kind, name, {}, r}.colours(fill);
}
constexpr Control timer(std::string_view name)
{
    return {Kind::Timer, name};
}

// Joins arrays of layout rows into one table, at compile time.
template <typename T, std::size_t... N> constexpr auto join(const std::array<T, N>&... parts)
{
    std::array<T, (N + ...)> out{};
    std::size_t at = 0;
    ((std::copy(parts.begin(), parts.end(), out.begin() + std::ptrdiff_t(at)), at += N), ...);
    return out;
}

// Whether the table has a control of that name, of one of the kinds given (any kind but a timer
// when none is given).
constexpr bool hasControl(std::span<const Control> table, std::string_view name,
                          std::initializer_list<Kind> kinds = {})
{
    for (const Control& c : table) {
        if (c.name == name)
            return kinds.size() ? std::find(kinds.begin(), kinds.end(), c.kind) != kinds.end()
                                : c.kind != Kind::Timer;
    }
    return false;
}

// Never defined: code that names a control checks the name at compile time with requireControl,
// and reaching this call there is the compile error, at the line that uses the name.
void controlNotInLayoutWithThatKind(std::string_view name);

constexpr void requireControl(std::span<const Control> table, std::string_view name,
                              std::initializer_list<Kind> kinds = {})
{
    if (!hasControl(table, name, kinds))
        controlNotInLayoutWithThatKind(name);
}

// Every frame that holds a control comes before it in the table.
constexpr void requireFramesFirst(std::span<const Control> table)
{
    for (std::size_t i = 0; i < table.size(); ++i) {
        if (!table[i].parent.empty())
            requireControl(table.first(i), table[i].parent, {Kind::Frame});
    }
}

// Properties of a top-level window.
struct WindowSpec {
    std::string_view name;
    std::string_view caption;
    Twips client; // the client area; left and top −1: where the system places it
    bool sizable = false;
    Colour background = kButtonFace;
};

} // namespace velantra::ui
