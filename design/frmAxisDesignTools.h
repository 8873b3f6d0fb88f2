#pragma once
// What the files of the axis design window share: its texts, the tools of
// the palette and the top toolbar's tool keys.
#include "foundation/basTextResources.h"
#include "model/basAxisData.h"

#include <QString>

#include <array>
#include <cstdint>

namespace axis_design {

// A text of the string table; its line breaks ("\r\n") become "\n".
inline QString Text(int16_t id)
{
    return QString::fromStdString(sFctGetText(id)).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

// One tool of the palette: its key, caption, the mechanism type a click
// selects and the text that names the type in the Buffer tool's tip.
struct PaletteTool {
    const char* key;
    int16_t captionId;
    int16_t type;
    int16_t bufferNameId;
};

inline constexpr std::array<PaletteTool, 12> kPaletteTools{{
    {"BeltPulley", 6, MechanismType::BeltPulley, 6},
    {"Conveyor", 8, MechanismType::Conveyor, 8},
    {"Coupling", 95, MechanismType::Coupling, 95},
    {"Disk", 7, MechanismType::Disk, 7},
    {"Gearbox", 9, MechanismType::Gearbox, 9},
    {"Leadscrew", 10, MechanismType::Leadscrew, 10},
    {"RackPinion", 11, MechanismType::RackPinion, 11},
    {"RotaryTable", 12, MechanismType::RotaryTable, 12},
    {"NipRoll", 370, MechanismType::NipRoll, 370},
    {"Winder1", 371, MechanismType::WinderCenter, 373},
    {"Winder2", 372, MechanismType::WinderSurface, 374},
    {"Buffer", 13, MechanismType::Buffer, 0},
}};

// The palette tool of a mechanism type (not the Buffer tool); nullptr when
// the palette offers no such type.
inline const PaletteTool* FindPaletteTool(int16_t type)
{
    for (const PaletteTool& tool : kPaletteTools)
        if (tool.type == type && type != MechanismType::Buffer)
            return &tool;
    return nullptr;
}

// The picture file of a palette tool in the images folder.
inline QString PaletteIconFile(const char* key)
{
    return QStringLiteral("Tool") + QString::fromLatin1(key) + QStringLiteral(".BMP");
}

// The tools that act on the selected element.
inline constexpr std::array<const char*, 4> kElementTools{"vseToolInsert", "vseToolCut", "vseToolReplace",
                                                        "vseToolCopy"};

} // namespace axis_design
