// Breakable props: they stand, shake when hit and break when their health is
// gone; with health left a heavy blow only rocks them.
#include "content/roster/cast.h"

namespace datagen::roster
{
namespace
{
CharacterSpec prop(const std::string& name, BodyKind kind, HairStyle variant, Colours c)
{
    CharacterSpec s;
    s.name = name;
    s.style.kind = kind;
    s.style.hair = variant;
    s.selectable = false;
    s.colours = c;
    costumePalettes(s, {Top, Wood, Glow});
    numbers(s, kind == BodyKind::PostBox ? 1 : 1000, 0, 0, 0, 0, 0, 0);
    KitOptions o;
    o.fighting = Fighting::Prop;
    buildKit(s, o);
    return s;
}
} // namespace

std::vector<CharacterSpec> theProps()
{
    return {prop("PostBox", BodyKind::PostBox, HairStyle::None,
                 colours({{Top, 0xc01c1c}, {Dark, 0x1a1a1a}, {Eye, 0xe8e0c8}, {Accent, 0xd8b040}})),
            prop("window1", BodyKind::Window, HairStyle::None,
                 colours({{Glow, 0x8ab8d8}, {Wood, 0x6a4a30}, {Metal, 0x4a4a50}, {Eye, 0xf0f8ff}})),
            prop("window2", BodyKind::Window, HairStyle::Short,
                 colours({{Glow, 0x9ac8c0}, {Wood, 0x4a5a6a}, {Metal, 0x4a4a50}, {Eye, 0xf0f8ff}}))};
}
} // namespace datagen::roster
