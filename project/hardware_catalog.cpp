#include "hardware_catalog.h"

#include "numeric.h"
#include "text_file.h"

#include <algorithm>
#include <array>
#include <string>

namespace vexa {

namespace {

constexpr int kCpuRow = 1;
constexpr int kFirstModuleRow = 2;
constexpr int kLastModuleRow = 9;

// Area classes in pairs (1-2, 3-4, 5-6, 7-8). Every slot owns a fixed window whatever the
// module's own length: 2 bytes from 0 for digital modules, 8 bytes from 30 for analogue ones.
struct AreaRule {
    int column;
    int base;
    int step;
};
constexpr std::array<AreaRule, 4> kAreaRules = {{
    {HardwareColumn::InputArea, 0, 2},
    {HardwareColumn::OutputArea, 0, 2},
    {HardwareColumn::InputArea, 30, 8},
    {HardwareColumn::OutputArea, 30, 8},
}};

} // namespace

int ModuleAreaClass(int id) {
    return static_cast<int>(RoundToInt64(id / 10.0));
}

bool AcceptModuleDrop(std::string_view group, int row) {
    if (row == kCpuRow) {
        return group == "CPU";
    }
    constexpr std::array<std::string_view, 4> kModuleGroups = {"DI", "DO", "AI", "AO"};
    return row >= kFirstModuleRow && row <= kLastModuleRow &&
           std::ranges::find(kModuleGroups, group) != kModuleGroups.end();
}

void DropModule(TextGrid& hardware, int row, std::string_view module, const Catalog& hardwareIni) {
    const int id = hardwareIni.ReadInteger(module, "ID", 0);
    const int length = hardwareIni.ReadInteger(module, "Len", 0);
    const std::string comment = hardwareIni.ReadString(module, "Comment", "-");

    hardware.SetCell(HardwareColumn::Id, row, std::to_string(id));
    hardware.SetCell(HardwareColumn::Module, row, Cp1251ToUtf8(module));
    hardware.SetCell(HardwareColumn::Comment, row, Cp1251ToUtf8(comment));
    hardware.SetCell(HardwareColumn::InputArea, row, {});
    hardware.SetCell(HardwareColumn::OutputArea, row, {});

    const int areaClass = ModuleAreaClass(id);
    if (areaClass >= 1 && areaClass <= 8) {
        const AreaRule& rule = kAreaRules[static_cast<std::size_t>((areaClass - 1) / 2)];
        hardware.SetCell(rule.column, row,
                         std::to_string((row - kFirstModuleRow) * rule.step + rule.base));
    }
    if (length > 0) {
        hardware.SetCell(HardwareColumn::Length, row, std::to_string(length));
    }
}

void ClearHardwareRow(TextGrid& hardware, int row) {
    if (row < 1) {
        return;
    }
    for (int column = 0; column < hardware.ColumnCount(); ++column) {
        hardware.SetCell(column, row, {});
    }
}

int ModuleIcon(const Catalog& hardwareIni, std::string_view node) {
    return hardwareIni.ReadInteger(node, "ICON", 26);
}

} // namespace vexa
