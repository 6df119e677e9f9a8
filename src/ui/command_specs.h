#pragma once

// Names, captions, hints and shortcuts of the window's commands, menus and
// tool buttons, as tables. A hint of the form "short|long" shows its short
// part as the tool tip and its long part in the status bar.

#include <QString>

#include <span>

namespace zenpa::ui {

struct CommandSpec {
    const char* name;     // object name of the action
    const char16_t* text; // menu caption (with its accelerator) or button caption
    const char16_t* hint; // may be null
    const char* shortcut; // may be null
};

// One entry of a menu layout: an action name, "-" for a separator, or
// ">name" opening and "<" closing a submenu named by an action spec.
using MenuLayout = std::span<const char* const>;

struct MenuSpec {
    const char* name;
    const char16_t* title;
    MenuLayout items;
};

std::span<const CommandSpec> MenuCommands();  // menu items and popup items
std::span<const MenuSpec> MainMenus();        // the menu bar's menus in order
std::span<const CommandSpec> MainToolButtons(); // ToolBar2, "-" names are dividers
std::span<const CommandSpec> EditorToolButtons(); // ToolBar1
std::span<const char* const> MainPopupLayout();   // PopupMenu1
std::span<const char* const> EditorPopupLayout(); // PopupMenu2

const CommandSpec* FindCommand(const QString& name);

// The parts of a "short|long" hint; a hint without "|" is both.
QString ShortHint(const QString& hint);
QString LongHint(const QString& hint);

} // namespace zenpa::ui
